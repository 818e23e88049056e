#pragma once
// The registry of the table editors, in their fixed order: the order in which
// the main window stacks them and a program is written, loaded, merged and
// checked. The tables belong to their parent window; the registry only
// refers to them.
#include <string>
#include <string_view>
#include <vector>

#include "program/ProgramLines.h"

class Lista;
class wxWindow;

extern std::vector<Lista*> Listas;

// Creates every table, in order, as children of `parent`, and registers them.
void CreateListas(wxWindow* parent);

void LoadAllFromProgram(const ProgramLines& lines);
void MergeAllFromProgram(const ProgramLines& lines);
void ClearAllRows();
// Commits each grid's edit in progress before looking at its flag.
bool AnyModified();
void SetAllModified(bool flag);
// Throws SintaxErrorException for the first bad cell in registry order.
void ValidateAll();
// Every table's lines in order; label lines ("X...") left out when asked.
ProgramLines CollectProgramLines(bool excludeLabels);
// The bytes of a program file holding CollectProgramLines(false), in parts:
// each table's text, then the CR of the empty line that ends the file.
// Together they are JoinProgramText of those lines; the parts stay valid
// until a table changes.
std::vector<std::string_view> CollectProgramText();
