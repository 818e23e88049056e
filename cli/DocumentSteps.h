#pragma once
// The steps the editor's commands take with a whole program, done on a
// window-free ProgramDocument; each reports on the terminal what the editor
// would show and returns whether the command may go on.
#include <string>

#include "program/ProgramLines.h"

class ProgramDocument;
class Terminal;

// Open: read the file, then clear every table and load the lines; the
// tables' messages about bad lines are printed in the editor's order.
// An unreadable file prints "Error leyendo el archivo" and leaves the tables.
bool OpenProgram(ProgramDocument& document, const std::string& fileName, Terminal& terminal);

// "Mezclar": read the file and merge its command rows into the tables.
bool MergeProgram(ProgramDocument& document, const std::string& fileName, Terminal& terminal);

// Clear every table and load the lines (after a read from the controller).
void LoadProgram(ProgramDocument& document, const ProgramLines& lines, Terminal& terminal);

// Save's validation: the first bad cell, as its message and then
// "CAPTION: fila N, columna HEADER".
bool ValidateProgram(const ProgramDocument& document, Terminal& terminal);
// The same for one table (a test validates only the tested table).
bool ValidateTable(const ProgramDocument& document, int table, Terminal& terminal);

// Save: the program with labels into the file, replacing it only when the
// new one is complete; "Error escribiendo el archivo" otherwise.
bool SaveProgram(const ProgramDocument& document, const std::string& fileName, Terminal& terminal);
