#pragma once
// Small pieces every record kind's line syntax shares.
#include <cstddef>
#include <string>
#include <vector>

// True when the line is a record of the kind: its first character is the letter.
inline bool IsLineOfKind(char letter, const std::string& line) {
    return !line.empty() && line[0] == letter;
}

// The message for a record line that cannot be read: shown as it is, then
// the line is skipped and loading goes on.
inline std::string BadLineMessage(const std::string& line) {
    return "Error de sintaxis: " + line;
}

// The pieces from the given one on, joined with single spaces.
inline std::string JoinFrom(const std::vector<std::string>& pieces, std::size_t first) {
    std::string joined;
    for (std::size_t i = first; i < pieces.size(); ++i) {
        if (i > first) joined += ' ';
        joined += pieces[i];
    }
    return joined;
}
