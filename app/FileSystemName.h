#pragma once
#include <string>

#include <wx/string.h>

// A path as the file system spells it: in the file-name encoding of the
// platform, and in UTF-8 (the encoding of Linux file names in practice)
// where that encoding cannot hold the name, as under the C locale.
std::string FileSystemName(const wxString& path);
