#pragma once
// What the record tables' "Probar" and "Aprender" cells have in common.
#include <string>

class RecordLista;

// "Probar": the whole table is checked first (a bad cell is shown and nothing
// is sent); then the controller tries the row's item, and the row ends up
// selected alone with the cursor in its "Probar" cell, whatever the outcome.
void TestRecordRow(RecordLista& table, int row);

// Before a learn: the row's number cell must hold a number. False (after the
// message was shown, with the cursor on the cell) when it does not.
bool LearnNumberIsValid(RecordLista& table, int row);

// The text of a cell as program text (Windows-1252).
std::string CellText(const RecordLista& table, int row, int col);
