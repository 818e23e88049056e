// The eight table editors in the main window: their wiring, the cells they
// fill, and what "Probar" and "Aprender" do with the controller.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/textctrl.h>

#include "program/WxText.h"
#include "tables/ListaAliasIR.h"
#include "tables/ListaBotones.h"
#include "tables/ListaComandosIRCrudos.h"
#include "tables/ListaComandosIRNEC.h"
#include "tables/ListaComandosSerial.h"
#include "tables/ListaMacros.h"
#include "tables/ListaParametrosRemotos.h"
#include "tables/ListaVelocidadesSerial.h"
#include "tables/syntax/RawIrRecords.h"
#include "tests/gui/EditorFixture.h"

namespace {

using TableEditorsTest = EditorTest;

std::vector<std::string> RowTexts(Lista& table, int row) {
    std::vector<std::string> texts;
    wxGrid* grid = table.GetGrid();
    for (int col = 0; col < grid->GetNumberCols(); ++col) texts.push_back(FromWx(grid->GetCellValue(row, col)));
    return texts;
}

bool Received(const SimController& sim, const std::string& command) {
    const std::vector<std::string> commands = sim.CommandsReceived();
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

std::string Hex(const std::vector<unsigned char>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

const char* const kBadNumber = "Error de sintaxis:\nn\xFAmero no v\xE1lido";

TEST_F(TableEditorsTest, TheRegistryHoldsTheEightTablesWiredInOrder) {
    const struct {
        std::function<bool(Lista*)> isClass;
        const char* title;
        wxColour background;
        std::vector<std::string> headers;   // every grid column
        bool rowButtons;
        const char* legend;
    } tables[] = {
        {[](Lista* t) { return dynamic_cast<ListaBotones*>(t); }, "LISTA DE BOTONES", wxColour(233, 255, 230),
         {"Etiqueta", "N\xFAmero", "          Tipo          ", "Macros", "Probar"}, true, nullptr},
        {[](Lista* t) { return dynamic_cast<ListaMacros*>(t); }, "LISTA DE MACROS", wxColour(255, 229, 255),
         {"Etiqueta", "N\xFAmero de macro", "Comandos", "Probar"}, true,
         "N -> Infrarrojo NEC\nC -> Infrarojo Crudo\nS -> Comando Serial\nD -> Retardo de Tiempo\n"
         "I -> Redireccionamiento de Infrarojo\nP -> Redireccionamiento Serial"},
        {[](Lista* t) { return dynamic_cast<ListaComandosIRNEC*>(t); }, "LISTA DE COMANDOS INFRARROJOS NEC",
         wxColour(255, 255, 211),
         {"Etiqueta", "N\xFAmero de comando", "C\xF3" "digo NEC", "C\xF3" "digo repetici\xF3n",
          "Cantidad de frames", "Aprender", "Probar"},
         true, nullptr},
        {[](Lista* t) { return dynamic_cast<ListaComandosIRCrudos*>(t); }, "LISTA DE COMANDOS INFRARROJOS CRUDOS",
         wxColour(233, 233, 255), {"Etiqueta", "N\xFAmero de comando", "Aprender", "Probar"}, true, nullptr},
        {[](Lista* t) { return dynamic_cast<ListaComandosSerial*>(t); }, "LISTA DE COMANDOS SERIAL",
         wxColour(221, 255, 255), {"Etiqueta", "N\xFAmero de comando", "Comando", "Probar"}, true, nullptr},
        {[](Lista* t) { return dynamic_cast<ListaVelocidadesSerial*>(t); }, "LISTA DE VELOCIDADES SERIAL",
         wxColour(255, 255, 255), {"Port serie", "Velocidad"}, false, nullptr},
        {[](Lista* t) { return dynamic_cast<ListaAliasIR*>(t); }, "LISTA DE ALIAS INFRARROJOS",
         wxColour(255, 255, 143), {"Etiqueta", "N\xFAmero de alias", "C\xF3" "digo NEC", "Aprender"}, true, nullptr},
        {[](Lista* t) { return dynamic_cast<ListaParametrosRemotos*>(t); }, "LISTA DE PAR\xC1METROS REMOTOS",
         wxColour(255, 255, 255), {"Par\xE1metro", "Valor"}, false, nullptr},
    };
    ASSERT_EQ(Listas.size(), std::size(tables));
    for (size_t i = 0; i < Listas.size(); ++i) {
        Lista* table = Listas[i];
        const auto& expected = tables[i];
        SCOPED_TRACE(expected.title);
        EXPECT_TRUE(expected.isClass(table));
        EXPECT_EQ(table->GetParent(), frame->GetColumn());
        EXPECT_EQ(FromWx(table->GetTitle()), expected.title);
        wxGrid* grid = table->GetGrid();
        EXPECT_EQ(grid->GetDefaultCellBackgroundColour(), expected.background);
        std::vector<std::string> headers;
        for (int col = 0; col < grid->GetNumberCols(); ++col) headers.push_back(FromWx(grid->GetColLabelValue(col)));
        EXPECT_EQ(headers, expected.headers);
        EXPECT_EQ(table->FindWindow(kAddRowButtonId) != nullptr, expected.rowButtons);
        EXPECT_EQ(table->FindWindow(kDeleteRowButtonId) != nullptr, expected.rowButtons);
        wxTextCtrl* legend = nullptr;
        for (wxWindow* child : table->GetChildren())
            if (auto* text = dynamic_cast<wxTextCtrl*>(child)) legend = text;
        ASSERT_EQ(legend != nullptr, expected.legend != nullptr);
        if (legend) {
            EXPECT_EQ(FromWx(legend->GetValue()), expected.legend);
            // Every line of the legend shows: the box is at least 192 x 88
            // and never smaller than its text.
            wxClientDC dc(legend);
            dc.SetFont(legend->GetFont());
            wxCoord textWidth = 0, textHeight = 0;
            dc.GetMultiLineTextExtent(legend->GetValue(), &textWidth, &textHeight);
            const wxSize box = legend->GetSize();
            EXPECT_GE(box.x, std::max(192, textWidth));
            EXPECT_GE(box.y, std::max(88, textHeight));
        }
        EXPECT_FALSE(table->IsModified());
    }
}

TEST_F(TableEditorsTest, LoadingTheExampleFillsEveryTable) {
    LoadAllFromProgram(ExampleProgram());
    const struct {
        int rows;
        std::vector<std::string> firstRow;   // every grid column
    } tables[] = {
        {2, {"Luz sala", "1", "PULSADO", "1", ""}},
        {3, {"Encender TV", "1", "N1 D10 N2", ""}},
        {3, {"TV encender", "1", "20DF10EF", "R", "1", "", ""}},
        {1, {"Aire acondicionado", "1", "", ""}},
        {2, {"Proyector encender", "1", "PWR ON", ""}},
        {2, {"1", "9600"}},
        {2, {"Mando TV", "1", "20DF10EF", ""}},
        {12, {"HABILITADO", "N"}},
    };
    for (size_t i = 0; i < Listas.size(); ++i) {
        SCOPED_TRACE(FromWx(Listas[i]->GetTitle()));
        EXPECT_EQ(Listas[i]->GetGrid()->GetNumberRows(), tables[i].rows);
        EXPECT_EQ(RowTexts(*Listas[i], 0), tables[i].firstRow);
    }
    EXPECT_EQ(RowTexts(Get<ListaAliasIR>(), 1)[0], "Ba\xF1o");
    EXPECT_EQ(RowTexts(Get<ListaParametrosRemotos>(), 3), (std::vector<std::string>{"SSID", "Red de casa"}));
    // Tables that add rows while loading count as changed; the fixed ones
    // whose rows only took values need not.
    EXPECT_TRUE(Get<ListaBotones>().IsModified());
    EXPECT_TRUE(Get<ListaComandosIRCrudos>().IsModified());
}

TEST_F(TableEditorsTest, ChoiceColumnsAndReadOnlyCells) {
    LoadAllFromProgram({"B4 1 2 7", "N12 20DF10EF R 1", "A1 20DF10EF", "V1 9600"});
    const struct {
        Lista* table;
        int col;
        std::vector<std::string> choices;   // empty: a text column
        bool readOnly;
    } columns[] = {
        {&Get<ListaBotones>(), 2, {"PULSADO", "RETENIDO"}, false},
        {&Get<ListaBotones>(), 4, {}, true},   // Probar
        {&Get<ListaComandosIRNEC>(), 3, {"R", "N"}, false},
        {&Get<ListaComandosIRNEC>(), 5, {}, true},   // Aprender
        {&Get<ListaAliasIR>(), 3, {}, true},
        {&Get<ListaVelocidadesSerial>(), 0, {}, true},
        {&Get<ListaVelocidadesSerial>(), 1,
         {"300", "600", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}, false},
        {&Get<ListaParametrosRemotos>(), 0, {}, true},
        {&Get<ListaParametrosRemotos>(), 1, {}, false},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE(FromWx(c.table->GetTitle()) + " column " + std::to_string(c.col));
        wxGrid* grid = c.table->GetGrid();
        for (int row = 0; row < grid->GetNumberRows(); ++row) {
            EXPECT_EQ(grid->IsReadOnly(row, c.col), c.readOnly) << "row " << row;
            const wxGridCellEditorPtr editor(grid->GetCellEditor(row, c.col));
            auto* choice = dynamic_cast<wxGridCellChoiceEditor*>(editor.get());
            ASSERT_EQ(choice != nullptr, !c.choices.empty()) << "row " << row;
        }
        if (c.choices.empty()) continue;
        // The editor offers exactly the choices, in order, and no free text.
        grid->SetFocus();
        grid->SetGridCursor(0, c.col);
        grid->EnableCellEditControl();
        const wxGridCellEditorPtr editor(grid->GetCellEditor(0, c.col));
        auto* box = dynamic_cast<wxComboBox*>(editor->GetControl());
        ASSERT_NE(box, nullptr);
        std::vector<std::string> offered;
        for (const wxString& item : box->GetStrings()) offered.push_back(FromWx(item));
        EXPECT_EQ(offered, c.choices);
        EXPECT_TRUE(box->HasFlag(wxCB_READONLY));
        grid->DisableCellEditControl();
    }
}

TEST_F(TableEditorsTest, FixedTablesComeBackAfterClearing) {
    LoadAllFromProgram({"V2 115200", "R PORT 80", "R SSID Mi red"});
    LoadAllFromProgram({"V1 300"});
    auto& speeds = Get<ListaVelocidadesSerial>();
    ASSERT_EQ(speeds.GetGrid()->GetNumberRows(), 2);
    EXPECT_EQ(RowTexts(speeds, 0), (std::vector<std::string>{"1", "300"}));
    EXPECT_EQ(RowTexts(speeds, 1), (std::vector<std::string>{"2", ""}));
    auto& remote = Get<ListaParametrosRemotos>();
    EXPECT_EQ(RowTexts(remote, 5), (std::vector<std::string>{"PORT", "80"}));

    ClearAllRows();
    EXPECT_EQ(RowTexts(speeds, 0), (std::vector<std::string>{"1", ""}));
    ASSERT_EQ(remote.GetGrid()->GetNumberRows(), 12);
    EXPECT_EQ(RowTexts(remote, 3), (std::vector<std::string>{"SSID", "-"}));
    EXPECT_EQ(RowTexts(remote, 5), (std::vector<std::string>{"PORT", "9835"}));
    EXPECT_TRUE(remote.GetGrid()->IsReadOnly(11, 0));
}

// "Probar" on one row of each table that has the column: the program goes to
// the controller first, then the row's item is tried; the row ends selected.
TEST_F(TableEditorsTest, ProbarTriesTheRowAndSelectsIt) {
    const struct {
        Lista* table;
        int row;
        const char* target;
    } cases[] = {
        {&Get<ListaBotones>(), 1, "B2"},
        {&Get<ListaMacros>(), 2, "M3"},
        {&Get<ListaComandosIRNEC>(), 0, "N1"},
        {&Get<ListaComandosIRCrudos>(), 0, "C1"},
        {&Get<ListaComandosSerial>(), 1, "S2"},
    };
    LoadAllFromProgram(ExampleProgram());
    SetAllModified(false);
    SimController& controller = StartSim();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        wxGrid* grid = c.table->GetGrid();
        const int probar = grid->GetNumberCols() - 1;
        ClickCell(*grid, c.row, probar);   // any message would fail the test
        EXPECT_TRUE(Received(controller, std::string("T ") + c.target));
        const wxArrayInt selected = grid->GetSelectedRows();
        EXPECT_EQ(std::vector<int>(selected.begin(), selected.end()), std::vector<int>{c.row});
        EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(c.row, probar));
        EXPECT_FALSE(grid->IsCellEditControlShown());
        EXPECT_FALSE(c.table->IsModified());
    }
    // The program was written once, with the first test.
    const std::vector<std::string> commands = controller.CommandsReceived();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "@"), 1);
    EXPECT_EQ(controller.Stored('N').size(), 3u);
}

TEST_F(TableEditorsTest, ProbarWithABadCellShowsItAndSendsNothing) {
    const struct {
        Lista* table;
        int badRow, badCol;   // the test is on row 0
    } cases[] = {
        {&Get<ListaBotones>(), 1, 1},
        {&Get<ListaMacros>(), 0, 1},
        {&Get<ListaComandosIRNEC>(), 2, 4},
        {&Get<ListaComandosIRCrudos>(), 0, 1},
        {&Get<ListaComandosSerial>(), 1, 1},
    };
    LoadAllFromProgram(ExampleProgram());
    SimController& controller = StartSim();
    for (const auto& c : cases) {
        SCOPED_TRACE(FromWx(c.table->GetTitle()));
        wxGrid* grid = c.table->GetGrid();
        grid->SetCellValue(c.badRow, c.badCol, "7x");
        wxTEST_DIALOG(ClickCell(*grid, 0, grid->GetNumberCols() - 1), ExpectMessage(kBadNumber));
        EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(c.badRow, c.badCol));
        grid->SetCellValue(c.badRow, c.badCol, "9");
    }
    EXPECT_TRUE(controller.CommandsReceived().empty());
}

TEST_F(TableEditorsTest, AliasLearnsItsCode) {
    auto& aliases = Get<ListaAliasIR>();
    LoadAllFromProgram({"A12 00000000", "XAL12|TV"});
    SetAllModified(false);
    SimController& controller = StartSim();
    controller.SetLearnedAliasCode("A1B2C3D4");
    ClickCell(*aliases.GetGrid(), 0, 3);
    EXPECT_EQ(RowTexts(aliases, 0), (std::vector<std::string>{"TV", "12", "A1B2C3D4", ""}));
    EXPECT_EQ(controller.CommandsReceived(), (std::vector<std::string>{"*", "A12 L", "*", "A"}));
    EXPECT_TRUE(aliases.IsModified());
}

TEST_F(TableEditorsTest, AliasLearnFailureFillsOnlyAnEmptyCode) {
    auto& aliases = Get<ListaAliasIR>();
    LoadAllFromProgram({"A13 X", "A14 11111111"});
    aliases.GetGrid()->SetCellValue(0, 2, "");
    SetAllModified(false);
    for (int row : {0, 1}) {
        wxTEST_DIALOG(ClickCell(*aliases.GetGrid(), row, 3), ExpectMessage("hardware not found"));
    }
    EXPECT_EQ(RowTexts(aliases, 0)[2], "FFFFFFFF");
    EXPECT_EQ(RowTexts(aliases, 1)[2], "11111111");
    EXPECT_TRUE(aliases.IsModified());
}

TEST_F(TableEditorsTest, NecLearnsCodeRepeatAndFrames) {
    auto& nec = Get<ListaComandosIRNEC>();
    LoadAllFromProgram({"N12 00000000 N 2", "N5 11111111 N 1"});
    SetAllModified(false);
    SimController& controller = StartSim();
    controller.SetLearnedNecFields("20DF10EF R 3");
    ClickCell(*nec.GetGrid(), 0, 5);
    EXPECT_EQ(RowTexts(nec, 0), (std::vector<std::string>{"IRNEC12", "12", "20DF10EF", "R", "3", "", ""}));
    EXPECT_EQ(RowTexts(nec, 1)[2], "11111111");
    EXPECT_EQ(controller.CommandsReceived(), (std::vector<std::string>{"*", "N12 L", "*", "N"}));
    EXPECT_TRUE(nec.IsModified());
}

TEST_F(TableEditorsTest, NecLearnFailureLeavesTheRow) {
    auto& nec = Get<ListaComandosIRNEC>();
    LoadAllFromProgram({"N12 00000000 N 2"});
    SetAllModified(false);
    wxTEST_DIALOG(ClickCell(*nec.GetGrid(), 0, 5), ExpectMessage("hardware not found"));
    EXPECT_EQ(RowTexts(nec, 0), (std::vector<std::string>{"IRNEC12", "12", "00000000", "N", "2", "", ""}));
    EXPECT_TRUE(nec.IsModified());
}

TEST_F(TableEditorsTest, LearnWithABadNumberSendsNothing) {
    LoadAllFromProgram({"A1 20DF10EF", "N1 20DF10EF R 1", "C1"});
    SetAllModified(false);
    SimController& controller = StartSim();
    const struct {
        Lista* table;
        int learnCol;
    } cases[] = {
        {&Get<ListaAliasIR>(), 3},
        {&Get<ListaComandosIRNEC>(), 5},
        {&Get<ListaComandosIRCrudos>(), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FromWx(c.table->GetTitle()));
        wxGrid* grid = c.table->GetGrid();
        grid->SetCellValue(0, 1, "1a");
        wxTEST_DIALOG(ClickCell(*grid, 0, c.learnCol), ExpectMessage(kBadNumber));
        EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(0, 1));
        EXPECT_FALSE(c.table->IsModified());
    }
    EXPECT_TRUE(controller.CommandsReceived().empty());
}

TEST_F(TableEditorsTest, RawIrLearnsItsCode) {
    auto& raw = Get<ListaComandosIRCrudos>();
    LoadAllFromProgram({"C3", "XCL3|Radio"});
    SetAllModified(false);
    SimController& controller = StartSim();
    std::vector<unsigned char> learned(512);
    for (size_t i = 0; i < learned.size(); ++i) learned[i] = static_cast<unsigned char>(i * 7);
    controller.SetLearnedRawCode(learned);
    ClickCell(*raw.GetGrid(), 0, 2);
    ASSERT_EQ(raw.RawCodes().size(), 1u);
    EXPECT_EQ(raw.RawCodes()[0], Hex(learned));
    EXPECT_EQ(RowTexts(raw, 0), (std::vector<std::string>{"Radio", "3", "", ""}));
    EXPECT_EQ(controller.CommandsReceived(), (std::vector<std::string>{"*", "C3", "*", "U3"}));
    EXPECT_TRUE(raw.IsModified());
}

TEST_F(TableEditorsTest, RawIrLearnWithoutACodeKeepsTheRowsCode) {
    auto& raw = Get<ListaComandosIRCrudos>();
    LoadAllFromProgram({"C3 ABCD"});
    // The controller holds no code under the number afterwards.
    SimController& controller = StartSim();
    controller.SetLearnedRawCode(std::vector<unsigned char>(512, 0xFF));
    wxTEST_DIALOG(ClickCell(*raw.GetGrid(), 0, 2), ExpectMessage("Error de sintaxis: "));
    EXPECT_EQ(raw.RawCodes()[0], "ABCD");
    // No controller at all.
    sim.reset();
    wxTEST_DIALOG(ClickCell(*raw.GetGrid(), 0, 2), ExpectMessage("hardware not found"));
    EXPECT_EQ(raw.RawCodes()[0], "ABCD");
}

TEST_F(TableEditorsTest, RawCodesStayInStepWithTheRows) {
    auto& raw = Get<ListaComandosIRCrudos>();
    wxGrid* grid = raw.GetGrid();
    LoadAllFromProgram({"C1 AA", "C2 BB", "C3 CC"});
    EXPECT_EQ(raw.RawCodes(), (std::vector<std::string>{"AA", "BB", "CC"}));

    grid->SelectRow(1);
    PressButton(*raw.FindWindow(kDeleteRowButtonId));
    EXPECT_EQ(raw.RawCodes(), (std::vector<std::string>{"AA", "CC"}));

    PressButton(*raw.FindWindow(kAddRowButtonId));
    ASSERT_EQ(grid->GetNumberRows(), 3);
    EXPECT_EQ(raw.RawCodes(), (std::vector<std::string>{"AA", "CC", EmptyRawCode()}));
    grid->SetCellValue(2, 1, "9");

    MergeAllFromProgram({"C7 DD", "XCL7|Luz", "C8 x y"});
    EXPECT_EQ(raw.RawCodes(), (std::vector<std::string>{"AA", "CC", EmptyRawCode(), "DD", EmptyRawCode()}));
    EXPECT_EQ(raw.SaveToProgram(),
              (ProgramLines{"C1 AA", "XCL1|IRCRUDO1", "C3 CC", "XCL3|IRCRUDO3", "C9 " + EmptyRawCode(), "XCL9|",
                            "C7 DD", "XCL7|Luz", "C8 " + EmptyRawCode(), "XCL8|IRCRUDO8"}));

    ClearAllRows();
    EXPECT_EQ(grid->GetNumberRows(), 0);
    EXPECT_TRUE(raw.RawCodes().empty());
    LoadAllFromProgram({"C5 EE"});
    EXPECT_EQ(raw.RawCodes(), (std::vector<std::string>{"EE"}));
}

}  // namespace
