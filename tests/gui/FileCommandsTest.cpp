// The file commands of the main window: New, Open, Merge, Save, Save As and
// the file named on the command line, with their dialogs answered by hooks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/CommandIds.h"
#include "app/FileCommands.h"
#include "tables/ListaBotones.h"
#include "tables/ListaComandosIRCrudos.h"
#include "tables/ListaComandosIRNEC.h"
#include "tables/ListaComandosSerial.h"
#include "tests/gui/EditorFixture.h"

namespace {

using FileCommandsTest = EditorTest;

const std::string kDiscardQuestion = "El programa fue modificado y no guardado. \xBF" "Desea continuar?";

enum class Dialog { Open, Save };

// Expects the program's file dialog with its settings, then picks the path,
// or cancels. With `removeAfterPicking` the picked file is gone by the time
// the command reads it, as a file on a vanished drive would be.
class ExpectProgramFileDialog : public wxExpectModalBase<wxFileDialog, ExpectProgramFileDialog> {
public:
    ExpectProgramFileDialog(Dialog kind, const wxString& path, int answer = wxID_OK, bool removeAfterPicking = false)
        : kind(kind), path(path), answer(answer), removeAfterPicking(removeAfterPicking) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        EXPECT_EQ(FromWx(dialog->GetMessage()), "Seleccione el archivo");
        EXPECT_EQ(FromWx(dialog->GetWildcard()), "Programas IR (*.zolp)|*.zolp");
        EXPECT_EQ(dialog->GetFilename(), wxString());
        EXPECT_EQ(dialog->GetParent(), MainWindow());
        const long flags = wxFD_OPEN | wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_FILE_MUST_EXIST | wxFD_CHANGE_DIR |
                           wxFD_MULTIPLE | wxFD_PREVIEW;
        const long expected = kind == Dialog::Open ? wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_CHANGE_DIR
                                                   : wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_CHANGE_DIR;
        EXPECT_EQ(dialog->GetWindowStyle() & flags, expected);
        if (answer != wxID_OK) return answer;
        dialog->SetPath(path);
        EXPECT_TRUE(YieldUntil([&] { return dialog->GetPath() == path; })) << path.utf8_str();
        if (removeAfterPicking) std::filesystem::remove(std::string(path.utf8_str()));
        return wxID_OK;
    }

private:
    Dialog kind;
    wxString path;
    int answer;
    bool removeAfterPicking;
};

std::string Bytes(const wxString& path) {
    std::ifstream file(std::string(path.utf8_str()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

ProgramLines Lines(const wxString& path) {
    ProgramLines lines;
    EXPECT_TRUE(ReadProgramFile(std::string(path.utf8_str()), lines));
    return lines;
}

TEST_F(FileCommandsTest, SaveAsksOnceThenWritesWithoutAsking) {
    LoadAllFromProgram({"N1 20DF10EF R 1", "XNL1|TV"});
    const wxString path = PathOf("casa.zolp");
    wxTEST_DIALOG(Command(wxID_SAVE), ExpectProgramFileDialog(Dialog::Save, path));
    EXPECT_EQ(frame->GetCurrentFileName(), path);
    EXPECT_FALSE(AnyModified());
    EXPECT_EQ(Lines(path), CollectProgramLines(false));

    auto& nec = Get<ListaComandosIRNEC>();
    nec.GetGrid()->SetCellValue(0, 0, "Tele");
    nec.SetModified(true);
    Command(wxID_SAVE);   // no dialog this time: any would fail the test
    EXPECT_EQ(Lines(path)[1], "XNL1|Tele");
    EXPECT_FALSE(AnyModified());
}

TEST_F(FileCommandsTest, SaveAsAlwaysAsks) {
    const wxString first = PathOf("uno.zolp");
    wxTEST_DIALOG(Command(wxID_SAVEAS), ExpectProgramFileDialog(Dialog::Save, first));
    EXPECT_EQ(frame->GetCurrentFileName(), first);
    // A name outside ASCII reaches the file system in UTF-8.
    const wxString second = PathOf("A\xC3\xB1o \xC3\xB1.zolp");
    wxTEST_DIALOG(Command(wxID_SAVEAS), ExpectProgramFileDialog(Dialog::Save, second));
    EXPECT_EQ(frame->GetCurrentFileName(), second);
    EXPECT_TRUE(std::filesystem::exists(folder / "A\xC3\xB1o \xC3\xB1.zolp"));
    EXPECT_EQ(Bytes(second), Bytes(first));
}

TEST_F(FileCommandsTest, ASyntaxErrorWritesNothingAndAsksNothing) {
    const wxString path = WriteFile("casa.zolp", {"B1 0 1"});
    const std::string before = Bytes(path);
    LoadAllFromProgram({"N1 20DF1 R 1"});
    const struct {
        const char* how;
        int command;
        wxString fileName;
    } cases[] = {
        {"Save, name known", wxID_SAVE, path},
        {"Save, no name", wxID_SAVE, wxString()},
        {"Save As", wxID_SAVEAS, path},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        frame->SetCurrentFileName(c.fileName);
        wxTEST_DIALOG(Command(c.command), ExpectMessage("Error de sintaxis:\ncodigo no v\xE1lido"));
        EXPECT_EQ(Bytes(path), before);
        EXPECT_EQ(frame->GetCurrentFileName(), c.fileName);
        EXPECT_TRUE(Get<ListaComandosIRNEC>().IsModified());
    }
}

// A character the program file cannot hold (Windows-1252) in a cell that has
// no rule of its own is never changed silently: Save stops with a message
// naming the table and row, puts the cursor on the cell and writes nothing.
TEST_F(FileCommandsTest, ACharacterTheFileCannotHoldStopsTheSave) {
    const wxString path = WriteFile("casa.zolp", {"B1 0 1"});
    const std::string before = Bytes(path);
    LoadAllFromProgram({"S1 PWR ON", "S2 PWR OFF"});
    wxGrid* grid = Get<ListaComandosSerial>().GetGrid();
    grid->SetCellValue(1, 2, wxString::FromUTF8("PWR \xCE\xA9"));   // Greek capital omega
    frame->SetCurrentFileName(path);
    wxTEST_DIALOG(Command(wxID_SAVE),
                  ExpectMessage("Error de sintaxis:\ncaracter no representable en LISTA DE COMANDOS SERIAL, fila 2"));
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(grid->GetGridCursorRow(), 1);
    EXPECT_EQ(grid->GetGridCursorCol(), 2);
}

TEST_F(FileCommandsTest, AFileThatCannotBeWrittenIsReported) {
    LoadAllFromProgram({"S1 PWR ON"});
    const wxString path = PathOf("no-such-folder/casa.zolp");
    frame->SetCurrentFileName(path);
    wxTEST_DIALOG(Command(wxID_SAVE), ExpectMessage("Error escribiendo el archivo"));
    EXPECT_EQ(frame->GetCurrentFileName(), path);
    EXPECT_TRUE(AnyModified());
}

TEST_F(FileCommandsTest, CancellingADialogChangesNothing) {
    LoadAllFromProgram({"N1 20DF10EF R 1", "XNL1|TV"});
    SetAllModified(false);
    Get<ListaComandosSerial>().SetModified(true);
    const ProgramLines program = CollectProgramLines(false);
    const struct {
        const char* how;
        int command;
        Dialog dialog;
        bool asksFirst;
    } cases[] = {
        {"Abrir", wxID_OPEN, Dialog::Open, true},
        {"Mezclar", kMergeCommand, Dialog::Open, false},
        {"Guardar", wxID_SAVE, Dialog::Save, false},
        {"Guardar como", wxID_SAVEAS, Dialog::Save, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        if (c.asksFirst) {
            wxTEST_DIALOG(Command(c.command), ExpectMessageBox("ATENCION", kDiscardQuestion, wxYES),
                          ExpectProgramFileDialog(c.dialog, wxString(), wxID_CANCEL));
        } else {
            wxTEST_DIALOG(Command(c.command), ExpectProgramFileDialog(c.dialog, wxString(), wxID_CANCEL));
        }
        EXPECT_EQ(frame->GetCurrentFileName(), wxString());
        EXPECT_EQ(CollectProgramLines(false), program);
        EXPECT_TRUE(Get<ListaComandosSerial>().IsModified());
        EXPECT_FALSE(Get<ListaComandosIRNEC>().IsModified());
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(FileCommandsTest, OpenReplacesTheTables) {
    LoadAllFromProgram({"N9 20DF10EF R 1", "S9 X"});
    SetAllModified(false);
    const wxString path = WriteFile("casa.zolp", {"N1 11111111 N 2", "XNL1|Radio"});
    wxTEST_DIALOG(Command(wxID_OPEN), ExpectProgramFileDialog(Dialog::Open, path));   // nothing changed: no question
    EXPECT_EQ(frame->GetCurrentFileName(), path);
    EXPECT_EQ(CollectProgramLines(false)[0], "N1 11111111 N 2");
    EXPECT_EQ(Get<ListaComandosSerial>().GetGrid()->GetNumberRows(), 0);
    EXPECT_FALSE(AnyModified());
}

TEST_F(FileCommandsTest, OpenWithChangesAnsweredNoKeepsEverything) {
    LoadAllFromProgram({"N9 20DF10EF R 1"});
    frame->SetCurrentFileName(PathOf("antes.zolp"));
    const ProgramLines program = CollectProgramLines(false);
    wxTEST_DIALOG(Command(wxID_OPEN), ExpectMessageBox("ATENCION", kDiscardQuestion, wxNO));
    EXPECT_EQ(CollectProgramLines(false), program);
    EXPECT_EQ(frame->GetCurrentFileName(), PathOf("antes.zolp"));
    EXPECT_TRUE(AnyModified());
}

TEST_F(FileCommandsTest, OpenOfAFileThatCannotBeReadEmptiesTheName) {
    LoadAllFromProgram({"N9 20DF10EF R 1"});
    SetAllModified(false);
    frame->SetCurrentFileName(PathOf("antes.zolp"));
    const ProgramLines program = CollectProgramLines(false);
    const wxString path = WriteFile("borrado.zolp", {"N1 11111111 N 2"});
    wxTEST_DIALOG(Command(wxID_OPEN), ExpectProgramFileDialog(Dialog::Open, path, wxID_OK, true),
                  ExpectMessage("Error leyendo el archivo"));
    EXPECT_EQ(frame->GetCurrentFileName(), wxString());
    EXPECT_EQ(CollectProgramLines(false), program);
    EXPECT_FALSE(AnyModified());
}

TEST_F(FileCommandsTest, MergeAddsCommandRowsAndMarksEveryTable) {
    LoadAllFromProgram({"N1 20DF10EF R 1", "C1 AA", "S1 PWR ON", "B1 0 1"});
    SetAllModified(false);
    frame->SetCurrentFileName(PathOf("casa.zolp"));
    const wxString path = WriteFile("otro.zolp", {"B7 1 2", "M7 N1", "N7 11111111 N 2", "XNL7|Radio", "C7 BB",
                                                  "S7 VOL  UP", "V1 9600", "A7 00FF00FF", "R PORT 80"});
    const ProgramLines before = CollectProgramLines(true);
    wxTEST_DIALOG(Command(kMergeCommand), ExpectProgramFileDialog(Dialog::Open, path));
    EXPECT_EQ(frame->GetCurrentFileName(), PathOf("casa.zolp"));
    EXPECT_TRUE(AllTablesModified());

    ProgramLines expected = before;
    expected.insert(expected.begin() + 4, "S7 VOL  UP");
    expected.insert(expected.begin() + 3, "C7 BB");
    expected.insert(expected.begin() + 2, "N7 11111111 N 2");
    EXPECT_EQ(CollectProgramLines(true), expected);
    EXPECT_EQ(Get<ListaComandosIRNEC>().GetGrid()->GetCellValue(1, 0), "Radio");
    EXPECT_EQ(Get<ListaComandosIRCrudos>().RawCodes(), (std::vector<std::string>{"AA", "BB"}));
}

TEST_F(FileCommandsTest, MergeOfAFileThatCannotBeReadChangesNothing) {
    LoadAllFromProgram({"N1 20DF10EF R 1"});
    SetAllModified(false);
    const ProgramLines program = CollectProgramLines(false);
    wxTEST_DIALOG(EXPECT_FALSE(MergeProgramFile(PathOf("missing.zolp"))), ExpectMessage("Error leyendo el archivo"));
    EXPECT_EQ(CollectProgramLines(false), program);
    EXPECT_FALSE(AnyModified());
}

TEST_F(FileCommandsTest, NewClearsTablesFlagsAndName) {
    LoadAllFromProgram(ExampleProgram());
    frame->SetCurrentFileName(PathOf("casa.zolp"));
    wxTEST_DIALOG(Command(wxID_NEW), ExpectMessageBox("ATENCION", kDiscardQuestion, wxYES));
    EXPECT_EQ(frame->GetCurrentFileName(), wxString());
    EXPECT_FALSE(AnyModified());
    // Twelve remote parameters at their defaults, no speed, no other row.
    EXPECT_EQ(CollectProgramLines(false).size(), 12u);
    Command(wxID_NEW);   // nothing changed since: no question
}

TEST_F(FileCommandsTest, TheExampleSurvivesOpenAndSaveByteForByte) {
    const wxString example = wxString::FromUTF8(ExamplePath());
    wxTEST_DIALOG(Command(wxID_OPEN), ExpectProgramFileDialog(Dialog::Open, example));
    ASSERT_EQ(frame->GetCurrentFileName(), example);
    const wxString copy = PathOf("copia.zolp");
    wxTEST_DIALOG(Command(wxID_SAVEAS), ExpectProgramFileDialog(Dialog::Save, copy));
    EXPECT_EQ(Bytes(copy), Bytes(example));
}

TEST_F(FileCommandsTest, TheStartupFileIsOpenedWithTheWindow) {
    const wxString path = WriteFile("inicio.zolp", {"N1 11111111 N 2", "XNL1|Radio"});
    CloseFrame();
    OpenFrame(path);
    EXPECT_EQ(frame->GetCurrentFileName(), path);
    EXPECT_EQ(Get<ListaComandosIRNEC>().GetGrid()->GetCellValue(0, 0), "Radio");
    EXPECT_FALSE(AnyModified());
}

TEST_F(FileCommandsTest, AStartupFileThatCannotBeReadIsReportedOnceTheWindowStands) {
    CloseFrame();
    MessageRecorder messages;
    OpenFrame(PathOf("missing.zolp"));
    EXPECT_TRUE(YieldUntil([&] { return !messages.Texts().empty(); }));
    YieldBriefly();
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Error leyendo el archivo"}));
    EXPECT_EQ(frame->GetCurrentFileName(), wxString());
    EXPECT_EQ(Get<ListaBotones>().GetGrid()->GetNumberRows(), 0);
    EXPECT_FALSE(AnyModified());
}

}  // namespace
