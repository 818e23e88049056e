#pragma once
// A raw IR code as the program holds it (1024 hexadecimal characters) and as
// the controller stores it (a block of 512 bytes).
#include <string>
#include <vector>

constexpr std::size_t kRawIrBytes = 512;
constexpr std::size_t kRawIrHexChars = 2 * kRawIrBytes;

// Each pair of characters from the start is scanned like "%x": a pair that
// holds no hexadecimal number gives 0; the byte is the lowest 8 bits.
std::vector<unsigned char> RawIrBytesFromHex(const std::string& hex);

// "C", the number as given, a space, then every byte as two uppercase digits.
std::string RawIrLine(const std::string& number, const std::vector<unsigned char>& block);
