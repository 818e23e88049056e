#pragma once
// Program files (*.zolp): each line followed by one CR, then one empty line.
// Read back with any line ends; empty lines are dropped.
#include <string>
#include <string_view>
#include <vector>

#include "program/ProgramLines.h"

// Appends the file's non-empty lines; false (and lines untouched) when the
// file cannot be read.
bool ReadProgramFile(const std::string& fileName, ProgramLines& lines);

// Replaces the file only when the new content is complete on disk; false when
// anything failed, and then an earlier file is left as it was.
bool WriteProgramFile(const std::string& fileName, const ProgramLines& lines);

// Splits text at CR LF, LF and CR; drops empty lines.
ProgramLines SplitProgramText(const std::string& text);

// The bytes WriteProgramFile writes for the lines.
std::string JoinProgramText(const ProgramLines& lines);

// The lines as they stand in a program file, each followed by one CR, without
// the empty line that ends the file: JoinProgramText is this plus one CR.
void AppendProgramLinesText(const ProgramLines& lines, std::string& text);

// Writes a whole file's bytes (JoinProgramText's form), given in parts, as
// WriteProgramFile writes its lines: complete or not at all.
bool WriteProgramText(const std::string& fileName, const std::vector<std::string_view>& parts);
