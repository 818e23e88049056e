#pragma once
// Program text (Windows-1252 bytes) where it meets a window. The conversion
// goes through the code page table, which round-trips all 256 bytes.
#include <string>
#include <string_view>

#include <wx/string.h>

#include "program/Cp1252.h"

inline wxString ToWx(const std::string& cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    return wxString::FromUTF8(utf8.data(), utf8.size());
}

// A character the code page cannot hold becomes '?' and sets *lossy.
inline std::string FromWx(const wxString& text, bool* lossy = nullptr) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return Utf8ToCp1252(std::string_view(utf8.data(), utf8.length()), lossy);
}
