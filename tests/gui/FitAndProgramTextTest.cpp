// The table base fits a grid by measuring only what changed, and keeps its
// rows as program text between saves: both must give exactly what the slow
// way gives (wxGrid::AutoSize, reading every cell again) after any change.
#include <gtest/gtest.h>

#include <cctype>
#include <vector>

#include "app/FileCommands.h"
#include "program/ProgramFile.h"
#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tables/RecordLista.h"
#include "tables/syntax/NecRecords.h"
#include "tests/gui/EditorFixture.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

// The smallest sizes the user may drag rows and columns to, which wxGrid
// keeps to itself.
struct Smallest : wxGrid {
    static int Width(const wxGrid& grid, int col) {
        int (wxGrid::*get)(int) const = &Smallest::GetColMinimalWidth;
        return (grid.*get)(col);
    }
    static int Height(const wxGrid& grid, int row) {
        int (wxGrid::*get)(int) const = &Smallest::GetRowMinimalHeight;
        return (grid.*get)(row);
    }
};

// Every size AutoSize sets: columns, rows, their smallest sizes, the grid.
std::vector<int> Sizes(wxGrid& grid) {
    std::vector<int> sizes;
    for (int col = 0; col < grid.GetNumberCols(); ++col) {
        sizes.push_back(grid.GetColSize(col));
        sizes.push_back(Smallest::Width(grid, col));
    }
    for (int row = 0; row < grid.GetNumberRows(); ++row) {
        sizes.push_back(grid.GetRowSize(row));
        sizes.push_back(Smallest::Height(grid, row));
    }
    sizes.push_back(grid.GetClientSize().x);
    sizes.push_back(grid.GetClientSize().y);
    return sizes;
}

// A NEC table that lets the test change rows the ways the editor does.
class NecTable : public RecordLista {
public:
    explicit NecTable(wxWindow* parent) : RecordLista(parent, NecRecords()) {}
    using RecordLista::WriteRows;
};

Row NecRow(const std::string& label, const std::string& number, const std::string& frames) {
    return {label, number, "20DF10EF", "R", frames, ""};
}

struct FitCase {
    const char* name;
    void (*change)(NecTable& table, wxGrid& grid);
};

const FitCase kFitCases[] = {
    {"a wider label", [](NecTable&, wxGrid& grid) { grid.SetCellValue(3, 0, "una etiqueta mucho mas larga que todas"); }},
    {"the widest label made short",
     [](NecTable&, wxGrid& grid) {
         grid.SetCellValue(3, 0, "una etiqueta mucho mas larga que todas");
         grid.SetGridCursor(5, 1);
         grid.SetCellValue(3, 0, "x");
     }},
    {"a column emptied", [](NecTable&, wxGrid& grid) {
         for (int row = 0; row < grid.GetNumberRows(); ++row) grid.SetCellValue(row, 4, "");
     }},
    {"a row added", [](NecTable& table, wxGrid&) { table.AddRow(); }},
    {"rows deleted in the middle", [](NecTable&, wxGrid& grid) { grid.DeleteRows(2, 3); }},
    {"a row inserted in the middle", [](NecTable&, wxGrid& grid) { grid.InsertRows(1, 1); }},
    {"all rows cleared", [](NecTable& table, wxGrid&) { table.ClearRows(); }},
    {"the rows written anew", [](NecTable& table, wxGrid&) {
         table.WriteRows({NecRow("a", "1", "1"), NecRow("bbbbbbbbbbbbbbbbbbbbbbbb", "22222", "333")});
     }},
    {"a column dragged narrower", [](NecTable&, wxGrid& grid) { grid.SetColSize(0, 20); }},
};

class FitTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitTest, FitsAsAutoSizeDoes) {
    TableHost host;
    auto* table = new NecTable(host.Column());
    host.Add(table);
    wxGrid& grid = *table->GetGrid();
    Rows rows;
    for (int i = 1; i <= 12; ++i)
        rows.push_back(NecRow(std::string(static_cast<size_t>(i), 'W'), std::to_string(i * 37), std::to_string(i)));
    table->WriteRows(rows);
    table->Relayout();

    GetParam().change(*table, grid);
    table->Relayout();
    const std::vector<int> fitted = Sizes(grid);
    grid.AutoSize();
    EXPECT_EQ(fitted, Sizes(grid));
}

INSTANTIATE_TEST_SUITE_P(Changes, FitTest, testing::ValuesIn(kFitCases),
                         [](const testing::TestParamInfo<FitCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// After a committed edit the grid is fitted once the cursor has moved on.
TEST(FitAfterEditTest, ACommittedEditIsFittedWhenTheCursorMoves) {
    TableHost host;
    auto* table = new NecTable(host.Column());
    host.Add(table);
    wxGrid& grid = *table->GetGrid();
    table->WriteRows({NecRow("a", "1", "1"), NecRow("b", "2", "2"), NecRow("c", "3", "3")});
    table->Relayout();
    TypeIntoCell(grid, 1, 0, "una etiqueta bastante larga");
    grid.SetGridCursor(2, 1);
    YieldBriefly();
    const std::vector<int> fitted = Sizes(grid);
    grid.AutoSize();
    EXPECT_EQ(fitted, Sizes(grid));
}

// Keeps one hidden field per row beside the grid, as the raw IR table does.
class HiddenTable : public RecordLista {
public:
    explicit HiddenTable(wxWindow* parent) : RecordLista(parent, SampleListKind()) {}
    std::vector<std::string> hidden;

protected:
    void ReadHiddenFields(int row, Row& fields) const override { fields.push_back(hidden.at(static_cast<size_t>(row))); }
    void WriteHiddenFields(int row, const Row& fields) override {
        hidden.resize(std::max<size_t>(hidden.size(), static_cast<size_t>(row) + 1));
        hidden[static_cast<size_t>(row)] = fields.back();
    }
};

TEST(ProgramTextTest, SavedLinesFollowEveryChangeOfCellsAndHiddenFields) {
    TableHost host;
    auto* table = new HiddenTable(host.Column());
    host.Add(table);
    table->LoadFromProgram({"Q1 NO h1 uno", "Q2 S\xCD h2 dos"});
    EXPECT_EQ(table->SaveToProgram(), (ProgramLines{"Q1 NO h1 uno", "Q2 S\xCD h2 dos"}));
    EXPECT_TRUE(table->Validate());

    table->GetGrid()->SetCellValue(1, 1, ToWx("tres \xF1"));
    table->hidden[0] = "h9";
    EXPECT_EQ(table->SaveToProgram(), (ProgramLines{"Q1 NO h9 uno", "Q2 S\xCD h2 tres \xF1"}));
    EXPECT_EQ(table->ProgramText(), "Q1 NO h9 uno\rQ2 S\xCD h2 tres \xF1\r");

    // A table that passed its checks is checked again once a cell changed.
    table->GetGrid()->SetCellValue(1, 0, "2x");
    EXPECT_THROW(table->Validate(), SintaxErrorException);
    EXPECT_EQ(table->GetGrid()->GetGridCursorRow(), 1);
    EXPECT_EQ(table->GetGrid()->GetGridCursorCol(), 0);
}

TEST(ProgramTextTest, ABadCellLoadedFromAFileIsStillReported) {
    TableHost host;
    auto* table = new HiddenTable(host.Column());
    host.Add(table);
    table->LoadFromProgram({"Q1 NO h1 uno", "Q2x NO h2 dos"});
    EXPECT_THROW(table->Validate(), SintaxErrorException);
    EXPECT_EQ(table->GetGrid()->GetGridCursorRow(), 1);
    EXPECT_EQ(table->GetGrid()->GetGridCursorCol(), 0);
}

class RegistryTextTest : public EditorTest {};

std::string Joined(const std::vector<std::string_view>& parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

TEST_F(RegistryTextTest, TheFileTextIsTheJoinedLinesOfEveryTable) {
    frame->SetCurrentFileName(wxString::FromUTF8(ExamplePath()));
    ASSERT_TRUE(OpenProgramFile(*frame));
    EXPECT_EQ(Joined(CollectProgramText()), JoinProgramText(CollectProgramLines(false)));

    wxGrid* grid = Listas.at(2)->GetGrid();
    grid->SetCellValue(0, 0, "otra etiqueta");
    const std::string text = Joined(CollectProgramText());
    EXPECT_EQ(text, JoinProgramText(CollectProgramLines(false)));
    EXPECT_NE(text.find("|otra etiqueta\r"), std::string::npos);

    // Saving writes exactly those bytes.
    const std::string path = (folder / "saved.zolp").string();
    ASSERT_TRUE(WriteProgramText(path, CollectProgramText()));
    ProgramLines back;
    ASSERT_TRUE(ReadProgramFile(path, back));
    EXPECT_EQ(back, CollectProgramLines(false));
}

}  // namespace
