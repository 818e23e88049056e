#pragma once
// Program files (*.zolp): each line followed by one CR, then one empty line.
// Read back with any line ends; empty lines are dropped.
#include <string>

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
