#pragma once
// Menu and toolbar command identifiers of the main window (the others are the
// toolkit's standard ones). A tool shares the identifier of its menu item.
enum CommandId {
    kHelpCommand = 100,
    kReadFromControllerCommand = 101,
    kWriteToControllerCommand = 102,
    kMergeCommand = 103,
    kToolBarId = 10000,
};
