#include "app/FileSystemName.h"

std::string FileSystemName(const wxString& path) {
    const wxScopedCharBuffer native = path.fn_str();
    if (native.length() > 0 || path.empty()) return std::string(native.data(), native.length());
    const wxScopedCharBuffer utf8 = path.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
