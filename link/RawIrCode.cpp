#include "link/RawIrCode.h"

#include <cstdio>

std::vector<unsigned char> RawIrBytesFromHex(const std::string& hex)
{
    std::vector<unsigned char> bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const std::string pair = hex.substr(i, 2);
        unsigned int value = 0;
        std::sscanf(pair.c_str(), "%x", &value);
        bytes.push_back(static_cast<unsigned char>(value & 0xFFu));
    }
    return bytes;
}

std::string RawIrLine(const std::string& number, const std::vector<unsigned char>& block)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string line = "C" + number + " ";
    line.reserve(line.size() + 2 * block.size());
    for (unsigned char byte : block) {
        line += digits[byte >> 4];
        line += digits[byte & 0x0F];
    }
    return line;
}
