#pragma once
// Asks before unsaved changes are lost. True means stop: some table is
// modified (an edit in progress counts) and the user did not answer Yes.
bool ConfirmDiscardChanges();
