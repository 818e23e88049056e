#pragma once
// Label lines ("X", the kind letter, "L", the number, "|", the label) carry the
// user's names for numbered rows. The map goes from a row's number text, exact,
// to its label.
#include <map>
#include <string>

#include "program/ProgramLines.h"

using LabelMap = std::map<std::string, std::string>;

LabelMap BuildLabelMap(const std::string& prefix, const ProgramLines& lines);

// The label of a loaded row: the map's entry for the number with trailing
// blanks removed, or the default word followed by the number when there is
// none or it is empty.
std::string LabelFor(const LabelMap& labels, const std::string& number, const std::string& defaultWord);
