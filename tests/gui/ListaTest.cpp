// The table base: layout, button cells, click routing, row buttons, fitting.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/stattext.h>

#include "program/WxText.h"
#include "tables/TestButtonRenderer.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

class ListaTest : public testing::Test {
protected:
    void SetUp() override {
        table = new ProbeLista(host.Column(), 'N');
        host.Add(table);
        grid = table->GetGrid();
    }
    void AddRows(std::initializer_list<const char*> labels) {
        int number = grid->GetNumberRows();
        for (const char* label : labels) table->AddRecord(label, std::to_string(++number), "A");
        table->Relayout();
    }
    wxButton* Button(int id) { return dynamic_cast<wxButton*>(table->FindWindow(id)); }

    TableHost host;
    ProbeLista* table = nullptr;
    wxGrid* grid = nullptr;
};

TEST_F(ListaTest, BuildsColumnsCaptionAndRowButtons) {
    const char* const headers[] = {"Etiqueta", "N\xFAmero", "Tipo", "Aprender", "Probar"};
    ASSERT_EQ(grid->GetNumberCols(), 5);
    for (int col = 0; col < 5; ++col) EXPECT_EQ(FromWx(grid->GetColLabelValue(col)), headers[col]);
    EXPECT_EQ(grid->GetRowLabelSize(), 32);
    EXPECT_FALSE(table->IsModified());

    bool captionFound = false;
    for (wxWindow* child : table->GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            captionFound = captionFound || text->GetLabel() == "LISTA N";
    }
    EXPECT_TRUE(captionFound);

    const struct { int id; const char* label; } buttons[] = {{1000, "Agregar"}, {1010, "Eliminar"}};
    for (const auto& expected : buttons) {
        wxButton* button = Button(expected.id);
        ASSERT_NE(button, nullptr) << expected.label;
        EXPECT_EQ(button->GetLabel(), expected.label);
        EXPECT_EQ(button->GetSize(), wxSize(80, 24));
    }
}

TEST_F(ListaTest, NewRowsHaveBlankLabelsButtonCellsAndChoiceEditors) {
    AddRows({"uno", "dos"});
    ASSERT_EQ(grid->GetNumberRows(), 2);
    EXPECT_TRUE(table->IsModified());
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(grid->GetRowLabelValue(row), "");
        for (int col : {3, 4}) {
            EXPECT_TRUE(grid->IsReadOnly(row, col)) << row << "," << col;
            wxGridCellRendererPtr renderer(grid->GetCellRenderer(row, col));
            EXPECT_NE(dynamic_cast<TestButtonRenderer*>(renderer.get()), nullptr);
            int horizontal = 0, vertical = 0;
            grid->GetCellAlignment(row, col, &horizontal, &vertical);
            EXPECT_EQ(horizontal, wxALIGN_CENTRE);
            EXPECT_EQ(vertical, wxALIGN_CENTRE);
        }
        for (int col : {0, 1, 2}) EXPECT_FALSE(grid->IsReadOnly(row, col));
        wxGridCellEditorPtr editor(grid->GetCellEditor(row, 2));
        EXPECT_NE(dynamic_cast<wxGridCellChoiceEditor*>(editor.get()), nullptr);
    }
}

TEST_F(ListaTest, AddRowWithValuesLeavesButtonCellsEmpty) {
    table->AddRowWithValues({"Sala", "7", "B", "ignored"});
    EXPECT_EQ(grid->GetCellValue(0, 0), "Sala");
    EXPECT_EQ(grid->GetCellValue(0, 2), "B");
    EXPECT_EQ(grid->GetCellValue(0, 3), "");
    EXPECT_EQ(grid->GetCellValue(0, 4), "");
}

TEST_F(ListaTest, ClicksOnButtonCellsRouteWithoutMovingTheCursor) {
    AddRows({"uno", "dos", "tres"});
    const struct {
        int col;
        std::vector<int> tested;
        std::vector<std::pair<int, int>> buttons;
        wxGridCellCoords cursorAfter;
    } cases[] = {
        {4, {1}, {}, {0, 0}},          // "Probar": TestRow
        {3, {}, {{1, 3}}, {0, 0}},     // Button column: OnButtonCell
        {0, {}, {}, {1, 0}},           // plain cell: an ordinary grid click
        {2, {}, {}, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.col);
        table->testedRows.clear();
        table->buttonCells.clear();
        grid->SetGridCursor(0, 0);
        ClickCell(*grid, 1, c.col);
        EXPECT_EQ(table->testedRows, c.tested);
        EXPECT_EQ(table->buttonCells, c.buttons);
        EXPECT_EQ(grid->GetGridCursorCoords(), c.cursorAfter);
        EXPECT_FALSE(grid->IsCellEditControlShown());
    }
}

TEST_F(ListaTest, WithoutTestColumnTheLastColumnIsAnOrdinaryButtonColumn) {
    auto* plain = new ProbeLista(host.Column(), 'M', false);
    host.Add(plain);
    plain->AddRecord("uno", "1", "A");
    ASSERT_EQ(plain->GetGrid()->GetNumberCols(), 4);
    ClickCell(*plain->GetGrid(), 0, 3);
    EXPECT_TRUE(plain->testedRows.empty());
    EXPECT_EQ(plain->buttonCells, (std::vector<std::pair<int, int>>{{0, 3}}));
}

TEST_F(ListaTest, AgregarNeverAddsUnderABlankLastRow) {
    wxButton* add = Button(1000);
    PressButton(*add);
    EXPECT_EQ(grid->GetNumberRows(), 1);
    PressButton(*add);
    EXPECT_EQ(grid->GetNumberRows(), 1);

    const struct { int col; const char* text; bool adds; } cases[] = {
        {0, "x", true}, {1, " 5", true}, {2, "A", true},
        {0, "   ", false}, {1, "\t", false},
        {3, "x", true},     // any column but the last counts
        {4, "x", false},    // the last grid column is not looked at
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int last = grid->GetNumberRows() - 1;
        for (int col = 0; col < grid->GetNumberCols(); ++col) grid->SetCellValue(last, col, "");
        grid->SetCellValue(last, c.col, c.text);
        PressButton(*add);
        EXPECT_EQ(grid->GetNumberRows(), last + 1 + (c.adds ? 1 : 0));
        if (c.adds) grid->DeleteRows(last + 1, 1);
    }
}

TEST_F(ListaTest, AgregarCountsTextStillBeingTyped) {
    PressButton(*Button(1000));
    TypeIntoCell(*grid, 0, 0, "Sala");
    PressButton(*Button(1000));
    EXPECT_EQ(grid->GetCellValue(0, 0), "Sala");
    EXPECT_EQ(grid->GetNumberRows(), 2);
}

TEST_F(ListaTest, EliminarDeletesOnlyTheFirstSelectedRow) {
    AddRows({"a", "b", "c", "d"});
    table->SetModified(false);
    grid->SelectRow(3);
    grid->SelectRow(1, true);
    const int first = grid->GetSelectedRows()[0];
    const wxString firstLabel = grid->GetCellValue(first, 0);
    PressButton(*Button(1010));
    ASSERT_EQ(grid->GetNumberRows(), 3);
    EXPECT_TRUE(table->IsModified());
    std::vector<wxString> left;
    for (int row = 0; row < 3; ++row) left.push_back(grid->GetCellValue(row, 0));
    EXPECT_EQ(std::count(left.begin(), left.end(), firstLabel), 0);
    EXPECT_EQ(std::count(left.begin(), left.end(), wxString("a")), 1);
    EXPECT_EQ(std::count(left.begin(), left.end(), wxString("c")), 1);
}

TEST_F(ListaTest, EliminarWithoutAWholeRowSelectedDoesNothing) {
    AddRows({"a", "b"});
    table->SetModified(false);
    grid->SelectBlock(0, 0, 1, 1);
    PressButton(*Button(1010));
    EXPECT_EQ(grid->GetNumberRows(), 2);
    EXPECT_FALSE(table->IsModified());
}

TEST_F(ListaTest, ClearRowsKeepsTheModifiedFlag) {
    table->ClearRows();   // nothing to clear
    EXPECT_EQ(grid->GetNumberRows(), 0);
    AddRows({"a", "b"});
    for (bool flag : {false, true}) {
        table->SetModified(flag);
        table->ClearRows();
        EXPECT_EQ(grid->GetNumberRows(), 0);
        EXPECT_EQ(table->IsModified(), flag);
        AddRows({"a"});
    }
}

TEST_F(ListaTest, ACommittedEditSetsModified) {
    AddRows({"a"});
    table->SetModified(false);
    TypeIntoCell(*grid, 0, 0, "b");
    EXPECT_FALSE(table->IsModified());
    grid->SaveEditControlValue();
    EXPECT_TRUE(table->IsModified());
}

TEST_F(ListaTest, TheGridAlwaysShowsAllRowsAndWholeTexts) {
    AddRows({"a"});
    const wxSize oneRow = grid->GetSize();
    AddRows({"b", "c"});
    EXPECT_GT(grid->GetSize().y, oneRow.y);
    EXPECT_GE(grid->GetSize().y, grid->GetColLabelSize() + 3 * grid->GetRowSize(0));

    // A longer text typed into a cell widens its column when the cursor moves on.
    const int narrow = grid->GetColSize(0);
    TypeIntoCell(*grid, 0, 0, "una etiqueta mucho mas larga que las otras");
    grid->SetGridCursor(1, 1);
    EXPECT_TRUE(YieldUntil([&] { return grid->GetColSize(0) > narrow; }));
    EXPECT_GE(grid->GetColSize(0), grid->GetTextExtent(grid->GetCellValue(0, 0)).x);

    // So does a text put in by the program, at the next move of the cursor.
    const int before = grid->GetColSize(1);
    grid->SetCellValue(2, 1, "12345678901234567890");
    grid->SetGridCursor(2, 2);
    EXPECT_GT(grid->GetColSize(1), before);

    // A column the user dragged narrower is fitted again at the next move.
    const int fitted = grid->GetColSize(0);
    grid->SetColSize(0, 20);
    wxGridSizeEvent dragged(grid->GetId(), wxEVT_GRID_COL_SIZE, grid, 0);
    grid->GetEventHandler()->ProcessEvent(dragged);
    grid->SetGridCursor(2, 1);
    EXPECT_EQ(grid->GetColSize(0), fitted);
}

}  // namespace
