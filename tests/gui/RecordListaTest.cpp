// A table driven by a record kind: the grid holds what the kind loads, gives
// back what the user edited, and is checked in the kind's order.
#include <gtest/gtest.h>

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tables/RecordLista.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

// Keeps the hidden field of each row beside the grid, as the raw IR table does.
class HiddenKeepingLista : public RecordLista {
public:
    HiddenKeepingLista(wxWindow* parent, const RecordKind& kind) : RecordLista(parent, kind) {}
    std::vector<std::string> hidden;

protected:
    void ReadHiddenFields(int row, Row& fields) const override { fields.push_back(hidden.at(row)); }
    void WriteHiddenFields(int row, const Row& fields) override {
        hidden.resize(std::max<size_t>(hidden.size(), row + 1));
        hidden[row] = fields.back();
    }
};

class RecordListaTest : public testing::Test {
protected:
    void SetUp() override {
        list = new HiddenKeepingLista(host.Column(), SampleListKind());
        fixed = new RecordLista(host.Column(), SampleFixedKind());
        host.Add(list);
        host.Add(fixed);
    }
    TableHost host;
    HiddenKeepingLista* list = nullptr;
    RecordLista* fixed = nullptr;
};

const ProgramLines kProgram = {
    "Q1 S\xCD abc Luz del ba\xF1o",
    "F DOS 22",
    "Q2 NO",                  // refused by the kind
    "Q3 NO \x81\x8D z",
    "FUNO 11",
};

TEST_F(RecordListaTest, DeclaresWhatTheKindDeclares) {
    EXPECT_EQ(list->GetTitle(), ToWx("LISTA DE PRUEBAS \xD1"));
    const std::vector<ColumnSpec> columns = list->GetColumns();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].header, ToWx("N\xFAmero"));
    ASSERT_EQ(columns[2].choiceCount, 2);
    EXPECT_EQ(columns[2].choices[0], ToWx("S\xCD"));
    EXPECT_EQ(columns[2].choices, list->GetColumns()[2].choices);   // built once
    EXPECT_EQ(list->GetGrid()->GetNumberCols(), 4);                  // plus "Probar"
    EXPECT_EQ(list->GetGrid()->GetDefaultCellBackgroundColour(), wxColour(221, 255, 255));
    EXPECT_EQ(list->GetGrid()->GetNumberRows(), 0);
}

TEST_F(RecordListaTest, FixedRowsReadOnlyColumnsAndLegend) {
    wxGrid* grid = fixed->GetGrid();
    ASSERT_EQ(grid->GetNumberRows(), 2);
    ASSERT_EQ(grid->GetNumberCols(), 2);
    EXPECT_EQ(grid->GetCellValue(1, 0), "DOS");
    EXPECT_EQ(grid->GetCellValue(1, 1), "2");
    for (int row = 0; row < 2; ++row) {
        EXPECT_TRUE(grid->IsReadOnly(row, 0));
        EXPECT_FALSE(grid->IsReadOnly(row, 1));
    }
    EXPECT_EQ(fixed->FindWindow(1000), nullptr);
    wxTextCtrl* legend = nullptr;
    for (wxWindow* child : fixed->GetChildren())
        if (auto* text = dynamic_cast<wxTextCtrl*>(child)) legend = text;
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->GetValue(), ToWx("Leyenda\n\xF1"));
    EXPECT_EQ(legend->GetSize(), wxSize(192, 88));
    EXPECT_FALSE(legend->IsEditable());
    EXPECT_TRUE(legend->IsMultiLine());
}

TEST_F(RecordListaTest, LoadShowsEachRefusedLineAndSavesTheSameBytes) {
    MessageRecorder messages;
    list->LoadFromProgram(kProgram);
    fixed->LoadFromProgram(kProgram);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Error de sintaxis: Q2 NO"}));

    ASSERT_EQ(list->GetGrid()->GetNumberRows(), 2);
    EXPECT_EQ(list->GetGrid()->GetCellValue(0, 1), ToWx("Luz del ba\xF1o"));
    EXPECT_EQ(list->hidden, (std::vector<std::string>{"abc", "\x81\x8D"}));
    EXPECT_EQ(list->SaveToProgram(), (ProgramLines{"Q1 S\xCD abc Luz del ba\xF1o", "Q3 NO \x81\x8D z"}));

    ASSERT_EQ(fixed->GetGrid()->GetNumberRows(), 2);
    EXPECT_EQ(fixed->SaveToProgram(), (ProgramLines{"FUNO 11", "FDOS 22"}));
}

TEST_F(RecordListaTest, MergeAppendsAndClearRestoresTheFixedRows) {
    MessageRecorder messages;
    list->LoadFromProgram({"Q1 NO a x"});
    list->MergeFromProgram({"Q5 NO b y"});
    EXPECT_EQ(list->SaveToProgram(), (ProgramLines{"Q1 NO a x", "Q5 NO b y"}));
    fixed->MergeFromProgram({"FUNO 9"});   // the kind takes no part in Merge
    EXPECT_EQ(fixed->GetGrid()->GetCellValue(0, 1), "1");

    fixed->LoadFromProgram({"FUNO 9"});
    fixed->ClearRows();
    EXPECT_EQ(fixed->SaveToProgram(), (ProgramLines{"FUNO 1", "FDOS 2"}));
    EXPECT_TRUE(fixed->GetGrid()->IsReadOnly(0, 0));
    list->ClearRows();
    EXPECT_EQ(list->GetGrid()->GetNumberRows(), 0);
}

TEST_F(RecordListaTest, AgregarAddsTheKindsNewRow) {
    PressButton(*list->FindWindow(1000));
    ASSERT_EQ(list->GetGrid()->GetNumberRows(), 1);
    EXPECT_EQ(list->GetGrid()->GetCellValue(0, 2), "NO");
    EXPECT_EQ(list->hidden, (std::vector<std::string>{"hidden"}));
}

TEST_F(RecordListaTest, ValidateStopsAtTheKindsFirstFailingCheck) {
    MessageRecorder messages;
    list->LoadFromProgram({"Q1 NO a x", "Q2 NO b y", "Q3 NO c z"});
    wxGrid* grid = list->GetGrid();
    EXPECT_TRUE(list->Validate());
    const struct {
        int row, col;
        wxString text;
        std::string message;
        wxGridCellCoords at;
    } cases[] = {
        {2, 2, "si", "Error de sintaxis:\nvalor no permitido", {2, 2}},
        {1, 0, "2a", "Error de sintaxis:\nn\xFAmero no v\xE1lido", {1, 0}},
        {0, 1, wxString::FromUTF8("\xE2\x82\xAC y \xE2\x84\xA6"), UnencodableCellMessage("LISTA DE PRUEBAS \xD1", 1), {0, 1}},
    };
    for (const auto& c : cases) {
        grid->SetCellValue(c.row, c.col, c.text);
        try {
            list->Validate();
            ADD_FAILURE() << c.message;
        } catch (const SintaxErrorException& error) {
            EXPECT_EQ(error.what(), c.message);
        }
        EXPECT_EQ(grid->GetGridCursorCoords(), c.at);
    }
}

}  // namespace
