// The controller commands of the main window against the simulated
// controller: writing the whole program and reading it back.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/CommandIds.h"
#include "tables/ListaAliasIR.h"
#include "tables/ListaBotones.h"
#include "tables/ListaComandosIRNEC.h"
#include "tests/gui/EditorFixture.h"

namespace {

using ControllerCommandsTest = EditorTest;

const std::string kDiscardQuestion = "El programa fue modificado y no guardado. \xBF" "Desea continuar?";

ProgramLines WithoutLabels(ProgramLines lines) {
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](const std::string& line) { return line[0] == 'X'; }),
                lines.end());
    return lines;
}

TEST_F(ControllerCommandsTest, AProgramWithEveryKindGoesInAndComesBack) {
    const ProgramLines example = ExampleProgram();
    LoadAllFromProgram(example);
    SetAllModified(false);
    Get<ListaComandosIRNEC>().SetModified(true);
    frame->SetCurrentFileName(PathOf("casa.zolp"));
    SimController& controller = StartSim();

    Command(kWriteToControllerCommand);
    EXPECT_EQ(TheControllerProxy().KnownProgram(), WithoutLabels(example));
    EXPECT_EQ(controller.Stored('N').size(), 3u);
    EXPECT_EQ(controller.RawCodes().count("1"), 1u);
    // Writing is not saving.
    EXPECT_EQ(frame->GetCurrentFileName(), PathOf("casa.zolp"));
    EXPECT_TRUE(Get<ListaComandosIRNEC>().IsModified());
    EXPECT_FALSE(Get<ListaBotones>().IsModified());

    SetAllModified(false);
    Command(wxID_NEW);
    Command(kReadFromControllerCommand);
    EXPECT_EQ(CollectProgramLines(true), WithoutLabels(example));
    // The controller holds no labels: every row has its table's default one.
    EXPECT_EQ(Get<ListaAliasIR>().GetGrid()->GetCellValue(1, 0), "ALIASIR2");
    EXPECT_FALSE(AnyModified());
    EXPECT_EQ(frame->GetCurrentFileName(), wxString());
}

TEST_F(ControllerCommandsTest, ASyntaxErrorNeverOpensThePort) {
    LoadAllFromProgram({"B1 0 1", "N1 20DF10EF X 1"});
    SimController& controller = StartSim();
    wxTEST_DIALOG(Command(kWriteToControllerCommand), ExpectMessage("Error de sintaxis:\nvalor no permitido"));
    EXPECT_TRUE(controller.CommandsReceived().empty());
    EXPECT_TRUE(controller.BytesIn().empty());
}

TEST_F(ControllerCommandsTest, FailuresShowTheCauseThenTheirOwnMessageAndChangeNothing) {
    const struct {
        int command;
        const char* message;
    } cases[] = {
        {kWriteToControllerCommand, "Error escribiendo el dispositivo"},
        {kReadFromControllerCommand, "Error leyendo el dispositivo"},
    };
    LoadAllFromProgram({"B1 0 1", "XBL1|Luz"});
    SetAllModified(false);
    frame->SetCurrentFileName(PathOf("casa.zolp"));
    const ProgramLines program = CollectProgramLines(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        MessageRecorder messages;
        Command(c.command);   // no controller attached
        EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"hardware not found", c.message}));
        EXPECT_EQ(CollectProgramLines(false), program);
        EXPECT_FALSE(AnyModified());
        EXPECT_EQ(frame->GetCurrentFileName(), PathOf("casa.zolp"));
    }
}

TEST_F(ControllerCommandsTest, ReadingWithChangesAsksFirst) {
    LoadAllFromProgram({"B1 0 1", "XBL1|Luz"});
    SimController& controller = StartSim();
    controller.Store("N4 20DF10EF R 1");
    const ProgramLines program = CollectProgramLines(false);

    wxTEST_DIALOG(Command(kReadFromControllerCommand), ExpectMessageBox("ATENCION", kDiscardQuestion, wxNO));
    EXPECT_TRUE(controller.CommandsReceived().empty());
    EXPECT_EQ(CollectProgramLines(false), program);
    EXPECT_TRUE(AnyModified());

    wxTEST_DIALOG(Command(kReadFromControllerCommand), ExpectMessageBox("ATENCION", kDiscardQuestion, wxYES));
    EXPECT_EQ(Get<ListaBotones>().GetGrid()->GetNumberRows(), 0);
    EXPECT_EQ(Get<ListaComandosIRNEC>().GetGrid()->GetCellValue(0, 0), "IRNEC4");
    EXPECT_FALSE(AnyModified());
}

}  // namespace
