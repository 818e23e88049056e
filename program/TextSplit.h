#pragma once
#include <string>
#include <vector>

// Splits at spaces; runs of spaces count as one separator and no empty pieces
// arise. Only the space character separates.
std::vector<std::string> SplitAtSpaces(const std::string& text);

// Removes trailing white space (space, tab, CR, LF, VT, FF).
std::string TrimEnd(const std::string& text);

// Removes white space at both ends.
std::string Trim(const std::string& text);
