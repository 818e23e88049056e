#include "program/CellChecker.h"

#include <wx/grid.h>

#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tables/Lista.h"

CellChecker::CellChecker(wxGrid& grid) : grid(grid) {}

CellChecker::CellChecker(wxGrid& grid, std::string caption) : grid(grid), caption(std::move(caption)) {}

void CellChecker::CheckName(int row, int col) { Apply(row, col, CellRule::Name); }
void CellChecker::CheckNumber(int row, int col) { Apply(row, col, CellRule::Number); }
void CellChecker::CheckChoice(int row, int col, const std::vector<std::string>& choices) {
    Apply(row, col, CellRule::Choice, choices);
}
void CellChecker::CheckNumberList(int row, int col) { Apply(row, col, CellRule::NumberList); }
void CellChecker::CheckMacroSteps(int row, int col) { Apply(row, col, CellRule::MacroSteps); }
void CellChecker::CheckHexCode(int row, int col) { Apply(row, col, CellRule::HexCode); }
void CellChecker::CheckIpChars(int row, int col) { Apply(row, col, CellRule::IpChars); }
void CellChecker::CheckNoSpaces(int row, int col) { Apply(row, col, CellRule::NoSpaces); }
void CellChecker::CheckEncodable(int row, int col) { Apply(row, col, CellRule::None); }

void CellChecker::Check(const CellCheck& check) { Apply(check.row, check.col, check.rule, check.choices); }

void CellChecker::Apply(int row, int col, CellRule rule, const std::vector<std::string>& choices) {
    bool lossy = false;
    // Characters the code page cannot hold read as '?', which every rule with
    // a character set rejects with its own reason; the rules that accept any
    // other character need the message of their own.
    const std::string text = FromWx(grid.GetCellValue(row, col), &lossy);
    if (lossy && (rule == CellRule::None || rule == CellRule::NoSpaces))
        Fail(row, col, UnencodableCellMessage(Caption(), row + 1));
    if (const std::optional<std::string> reason = BrokenRule(rule, text, choices))
        Fail(row, col, SintaxErrorMessage(*reason));
}

void CellChecker::Fail(int row, int col, const std::string& message) {
    grid.SetFocus();
    grid.GoToCell(row, col);
    throw SintaxErrorException(message);
}

std::string CellChecker::Caption() const {
    if (caption) return *caption;
    if (const auto* lista = dynamic_cast<const Lista*>(grid.GetParent())) return FromWx(lista->GetTitle());
    return std::string();
}
