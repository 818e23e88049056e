#pragma once
// Windows-1252 <-> Unicode. Every byte maps to one code point and back; the five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// C1 controls of the same value, as Windows does, so all 256 bytes round-trip.
#include <string>
#include <string_view>

char32_t Cp1252ToUnicode(unsigned char byte);

// The byte for a code point; false when Windows-1252 cannot hold it.
bool UnicodeToCp1252(char32_t codePoint, unsigned char& byte);

// Program text (Windows-1252 bytes) as UTF-8, for terminals and windows.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 as program text. A character that Windows-1252 cannot hold (or a
// malformed UTF-8 sequence) becomes '?' and sets *lossy when given.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossy = nullptr);
