#pragma once
// Small pieces every record kind's line syntax shares.
#include <string>

// True when the line is a record of the kind: its first character is the letter.
inline bool IsLineOfKind(char letter, const std::string& line) {
    return !line.empty() && line[0] == letter;
}

// The message for a record line that cannot be read: shown as it is, then
// the line is skipped and loading goes on.
inline std::string BadLineMessage(const std::string& line) {
    return "Error de sintaxis: " + line;
}
