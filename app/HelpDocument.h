#pragma once
#include <wx/string.h>

// The help document "Zentrola.pdf": beside the executable, or in the data
// folder of an installation (share/zentrola next to the executable's bin).
// Empty when there is none.
wxString FindHelpDocument(const wxString& executablePath);
