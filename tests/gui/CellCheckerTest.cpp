// The checker on a real grid: a bad cell gets the focus and the cursor (the
// table's select-cell handling runs), and the exception carries the message.
#include <gtest/gtest.h>

#include "program/CellChecker.h"
#include "program/CellRules.h"
#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

class CellCheckerTest : public testing::Test {
protected:
    void SetUp() override {
        table = new ProbeLista(host.Column(), 'N');
        host.Add(table);
        for (int i = 0; i < 4; ++i) table->AddRecord("", "", "");
        table->Relayout();
        grid = table->GetGrid();
        grid->Bind(wxEVT_GRID_SELECT_CELL, [this](wxGridEvent& event) {
            selected.emplace_back(event.GetRow(), event.GetCol());
            event.Skip();
        });
        grid->SetGridCursor(0, 0);
        selected.clear();
    }

    // The message of the failure, or "" when the cell passed.
    std::string Run(const CellCheck& check, const wxString& text) {
        grid->SetCellValue(check.row, check.col, text);
        CellChecker checker(*grid);
        try {
            checker.Check(check);
        } catch (const SintaxErrorException& error) {
            return error.what();
        }
        return "";
    }

    TableHost host;
    ProbeLista* table = nullptr;
    wxGrid* grid = nullptr;
    std::vector<std::pair<int, int>> selected;
};

const std::string kPrefix = "Error de sintaxis:\n";

TEST_F(CellCheckerTest, ABadCellGetsFocusAndCursorThroughTheSelectionEvent) {
    const struct {
        CellRule rule;
        const char* text;   // Windows-1252
        const char* reason;  // null: passes
        std::vector<std::string> choices;
    } cases[] = {
        {CellRule::Name, "Ba\xF1o 1", nullptr, {}},
        {CellRule::Name, "Sal\xF3n", "caracter no permitido", {}},
        {CellRule::Number, "12", nullptr, {}},
        {CellRule::Number, " 12", "n\xFAmero no v\xE1lido", {}},
        {CellRule::Choice, "RETENIDO", nullptr, {"PULSADO", "RETENIDO"}},
        {CellRule::Choice, "retenido", "valor no permitido", {"PULSADO", "RETENIDO"}},
        {CellRule::HexCode, "00ff00FF", nullptr, {}},
        {CellRule::HexCode, "FF00FF", "codigo no v\xE1lido", {}},
        {CellRule::NoSpaces, "Planta baja", "no se permiten espacios", {}},
        {CellRule::IpChars, "1.2.3.4 ", "ip no v\xE1lida", {}},
        {CellRule::MacroSteps, "N5 D10 c3", nullptr, {}},
        {CellRule::MacroSteps, "N5,D10", "comando no v\xE1lido", {}},
        {CellRule::NumberList, "1  2 3", nullptr, {}},
        {CellRule::NumberList, "1,2", "valor no permitido", {}},
        {CellRule::None, "\x80 \xFF", nullptr, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        grid->SetGridCursor(0, 0);
        selected.clear();
        const std::string message = Run({2, 1, c.rule, c.choices}, ToWx(c.text));
        if (!c.reason) {
            EXPECT_EQ(message, "");
            EXPECT_TRUE(selected.empty());
            EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(0, 0));
            continue;
        }
        EXPECT_EQ(message, kPrefix + c.reason);
        EXPECT_EQ(selected, (std::vector<std::pair<int, int>>{{2, 1}}));
        EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(2, 1));
        EXPECT_EQ(grid->GetCellValue(2, 1), ToWx(c.text));   // the content stays as it was
    }
}

TEST_F(CellCheckerTest, ABadCellTakesTheKeyboardFocus) {
    wxWindow* elsewhere = table->FindWindow(1000);
    ASSERT_NE(elsewhere, nullptr);
    elsewhere->SetFocus();
    YieldBriefly();
    EXPECT_NE(Run({3, 0, CellRule::Name, {}}, "a.b"), "");
    YieldUntil([&] { return wxWindow::FindFocus() != elsewhere; }, 2000);
    wxWindow* focus = wxWindow::FindFocus();
    EXPECT_TRUE(focus == grid || (focus && focus->GetParent() == grid)) << "focus is not on the grid";
}

TEST_F(CellCheckerTest, CharactersTheCodePageCannotHold) {
    const wxString omega = wxString::FromUTF8("Ohm \xCE\xA9");
    const std::string unencodable = UnencodableCellMessage("LISTA N", 4);
    const struct {
        CellRule rule;
        std::string message;
    } cases[] = {
        {CellRule::None, unencodable},
        {CellRule::NoSpaces, unencodable},
        {CellRule::Name, kPrefix + "caracter no permitido"},
        {CellRule::Number, kPrefix + "n\xFAmero no v\xE1lido"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.rule));
        grid->SetGridCursor(0, 0);
        EXPECT_EQ(Run({3, 0, c.rule, {}}, omega), c.message);
        EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(3, 0));
    }
}

TEST_F(CellCheckerTest, TheCaptionCanBeGiven) {
    grid->SetCellValue(1, 1, wxString::FromUTF8("\xE2\x86\x92"));
    CellChecker checker(*grid, "OTRA");
    try {
        checker.CheckNoSpaces(1, 1);
        FAIL();
    } catch (const SintaxErrorException& error) {
        EXPECT_EQ(error.what(), UnencodableCellMessage("OTRA", 2));
    }
}

}  // namespace
