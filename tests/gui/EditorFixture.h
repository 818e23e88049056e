#pragma once
// A whole editor for tests: the main window with its eight tables, the
// controller operations reporting through the editor's own dialogs, a
// private temporary folder, and links that reach a simulated controller only
// when a test starts one (otherwise no controller is found).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include <wx/filefn.h>

#include "app/MainWindow.h"
#include "app/MyFrame.h"
#include "app/WxControllerFeedback.h"
#include "link/ControllerProxy.h"
#include "link/LinkSettings.h"
#include "program/ProgramFile.h"
#include "program/WxText.h"
#include "sim/SimController.h"
#include "tables/Lista.h"
#include "tables/Listas.h"
#include "tests/support/GuiTestSupport.h"

class EditorTest : public testing::Test {
protected:
    void SetUp() override {
        savedTimeouts = ActiveLinkTimeouts();
        savedPort = PortOverride();
        savedDirectory = wxGetCwd();
        ActiveLinkTimeouts().normalMs = 2000;
        ActiveLinkTimeouts().drainMs = 30;
        PortOverride() = "/nonexistent/zentrola-test-port";
        InstallControllerFeedback();

        std::string pattern = (std::filesystem::temp_directory_path() / "zentrola-gui-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;

        OpenFrame(wxString());
    }

    void TearDown() override {
        CloseFrame();
        sim.reset();
        wxSetWorkingDirectory(savedDirectory);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ActiveLinkTimeouts() = savedTimeouts;
        PortOverride() = savedPort;
    }

    void OpenFrame(const wxString& startupFile) {
        frame = new MyFrame(wxASCII_STR("Zentrola"), startupFile);
        SetMainWindow(frame);
        frame->Show();
        YieldBriefly();
    }

    void CloseFrame() {
        if (!frame) return;
        frame->Destroy();
        frame = nullptr;
        YieldBriefly();
        SetMainWindow(nullptr);
    }

    // The registry's table of that class.
    template <class Table>
    Table& Get() {
        for (Lista* table : Listas)
            if (auto* found = dynamic_cast<Table*>(table)) return *found;
        throw std::logic_error("no such table");
    }

    // A simulated controller that the next links reach, holding nothing, and
    // a controller proxy that knows it holds nothing.
    SimController& StartSim() {
        SimController::Options options;
        options.announce = false;
        sim = std::make_unique<SimController>(options);
        PortOverride() = sim->DevicePath();
        ProgramLines none;
        EXPECT_TRUE(TheControllerProxy().ReadFromController(none));
        sim->ClearRecording();
        return *sim;
    }

    // A menu or toolbar command, as the window receives it.
    void Command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(frame);
        frame->ProcessWindowEvent(event);
    }

    // A file in the test's folder (the path in UTF-8).
    wxString PathOf(const std::string& name) const { return wxString::FromUTF8((folder / name).string()); }

    wxString WriteFile(const std::string& name, const ProgramLines& lines) const {
        EXPECT_TRUE(WriteProgramFile((folder / name).string(), lines));
        return PathOf(name);
    }

    // The example program that holds every kind of record.
    static ProgramLines ExampleProgram() {
        ProgramLines lines;
        EXPECT_TRUE(ReadProgramFile(ExamplePath(), lines));
        return lines;
    }
    static std::string ExamplePath() { return ZENTROLA_SOURCE_DIR "/examples/ejemplo.zolp"; }

    static bool AllTablesModified() {
        for (Lista* table : Listas)
            if (!table->IsModified()) return false;
        return true;
    }

    MyFrame* frame = nullptr;
    std::unique_ptr<SimController> sim;
    std::filesystem::path folder;

private:
    LinkTimeouts savedTimeouts;
    std::string savedPort;
    wxString savedDirectory;
};
