#pragma once
// write --verify: what reading the controller back should give after a
// write, and the lines in which it differs from what was read.
#include <string>
#include <vector>

#include "program/ProgramLines.h"

// The written lines as a read returns them: spaces normalised as the read
// does (serial commands and remote parameters kept as they are), raw IR
// codes in upper case and without the codes that read as empty (first byte
// 0xFF), and the wireless switch as the write leaves it ("R HABILITADO N",
// or "Y" when the program enables it) in place of the program's own line.
ProgramLines ExpectedReadBack(const ProgramLines& written);

struct LineDifference {
    char side;          // '-' expected but not read, '+' read but not expected
    std::string line;
};

// The controller keeps each item by its number, not in an order of its own,
// so lines are matched regardless of their position; each line is matched
// once. Differences come in the order of the expected lines, then the read.
std::vector<LineDifference> CompareReadBack(const ProgramLines& expected, const ProgramLines& read);
