#pragma once
// The rules that table cells must keep before a program leaves the editor.
// Pure functions over program text (Windows-1252 bytes); the grid-bound
// CellChecker and the command-line tool both apply these.
#include <optional>
#include <string>
#include <vector>

enum class CellRule {
    None,        // no rule: any text the code page can hold
    Name,        // labels
    Number,      // decimal digits
    Choice,      // one of a list, exact and case-sensitive
    NumberList,  // digits and spaces
    MacroSteps,  // digits, space, N C S D I P in either case
    HexCode,     // exactly 8 hexadecimal digits
    IpChars,     // digits and dots
    NoSpaces,    // anything but a space
};

// "Error de sintaxis:\n": the start of every rule failure.
extern const std::string kSintaxErrorPrefix;

// The reason the text breaks the rule ("número no válido", ...), in
// Windows-1252, or nothing when it passes. `choices` is used by Choice only.
std::optional<std::string> BrokenRule(CellRule rule, const std::string& text,
                                      const std::vector<std::string>& choices = {});

// The whole message of a failure: the prefix followed by the reason.
std::string SintaxErrorMessage(const std::string& reason);

// The message for a cell holding characters that Windows-1252 cannot hold
// (only reachable from a window, where the user types Unicode): it names the
// table by its caption and the 1-based row.
std::string UnencodableCellMessage(const std::string& caption, int row);
