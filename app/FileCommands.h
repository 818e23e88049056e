#pragma once
// The file workers behind the file commands of the main window.
#include <wx/string.h>

class MyFrame;

// Reads the file named by the frame's current file name into the tables:
// every table is cleared and loaded, and no table is left modified. When the
// file cannot be read the tables stay as they were, the current file name is
// emptied and the result is false; telling the user is the caller's.
bool OpenProgramFile(MyFrame& frame);

// Reads the named file and merges it into the tables (only the command tables
// take rows from it); then every table counts as modified. When the file
// cannot be read, "Error leyendo el archivo" is shown and nothing changes.
bool MergeProgramFile(const wxString& fileName);

// The message for a program file that cannot be read.
extern const char* const kFileReadError;
