#pragma once
// Checks cells of one table grid against the cell rules. The first cell that
// breaks its rule gets the keyboard focus and the grid cursor (moved as a
// user's selection moves it), and SintaxErrorException carries the message.
#include <optional>
#include <string>
#include <vector>

#include "program/CellRules.h"
#include "tables/syntax/RecordKind.h"

class wxGrid;

class CellChecker {
public:
    // The caption names the table in the message for a character the code
    // page cannot hold; without one it is taken from the grid's table editor.
    explicit CellChecker(wxGrid& grid);
    CellChecker(wxGrid& grid, std::string caption);

    void CheckName(int row, int col);
    void CheckNumber(int row, int col);
    void CheckChoice(int row, int col, const std::vector<std::string>& choices);
    void CheckNumberList(int row, int col);
    void CheckMacroSteps(int row, int col);
    void CheckHexCode(int row, int col);
    void CheckIpChars(int row, int col);
    void CheckNoSpaces(int row, int col);
    // Any text the code page can hold.
    void CheckEncodable(int row, int col);

    void Check(const CellCheck& check);

private:
    void Apply(int row, int col, CellRule rule, const std::vector<std::string>& choices = {});
    [[noreturn]] void Fail(int row, int col, const std::string& message);
    std::string Caption() const;

    wxGrid& grid;
    std::optional<std::string> caption;
};
