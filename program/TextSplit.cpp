#include "program/TextSplit.h"

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

}  // namespace

std::vector<std::string> SplitAtSpaces(const std::string& text) {
    std::vector<std::string> pieces;
    std::string::size_type start = text.find_first_not_of(' ');
    while (start != std::string::npos) {
        const std::string::size_type end = text.find(' ', start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(' ', end);
    }
    return pieces;
}

std::string TrimEnd(const std::string& text) {
    const std::string::size_type last = text.find_last_not_of(kWhiteSpace);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string Trim(const std::string& text) {
    const std::string::size_type first = text.find_first_not_of(kWhiteSpace);
    return first == std::string::npos ? std::string() : TrimEnd(text.substr(first));
}
