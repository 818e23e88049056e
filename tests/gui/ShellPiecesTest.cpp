// The pieces of the shell that stand alone: the pictures, the help document,
// the busy notice and the controller feedback.
#include <gtest/gtest.h>

#include <optional>

#include <wx/file.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/utils.h>
#include <wx/stattext.h>

#include "app/BusyNotice.h"
#include "app/HelpDocument.h"
#include "app/MainWindow.h"
#include "app/WxControllerFeedback.h"
#include "program/WxText.h"
#include "resources/Resources.h"
#include "tables/Listas.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

TEST(ResourcesTest, PicturesByName) {
    const struct {
        const char* name;
        wxSize size;
    } bitmaps[] = {
        {"new", {16, 15}}, {"open", {16, 15}}, {"save", {16, 15}}, {"help", {16, 15}}, {"tocontroller", {15, 16}},
    };
    for (const auto& b : bitmaps) {
        const wxBitmap bitmap = LoadResourceBitmap(b.name);
        ASSERT_TRUE(bitmap.IsOk()) << b.name;
        EXPECT_EQ(bitmap.GetSize(), b.size) << b.name;
    }
    EXPECT_FALSE(LoadResourceBitmap("COPY").IsOk());

    const wxIconBundle icons = LoadResourceIcon("AAICON");
    ASSERT_EQ(icons.GetIconCount(), 2u);
    EXPECT_TRUE(icons.GetIconOfExactSize(wxSize(32, 32)).IsOk());
    EXPECT_TRUE(icons.GetIconOfExactSize(wxSize(16, 16)).IsOk());
    EXPECT_TRUE(LoadResourceIcon("OTHER").IsEmpty());
}

class HelpDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        root = wxFileName::CreateTempFileName("zentrola-help");
        wxRemoveFile(root);
        ASSERT_TRUE(wxFileName::Mkdir(root + "/bin", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
        ASSERT_TRUE(wxFileName::Mkdir(root + "/share/zentrola", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
        executable = root + "/bin/zentrola";
    }
    void TearDown() override { wxFileName::Rmdir(root, wxPATH_RMDIR_RECURSIVE); }
    static void Touch(const wxString& path) { wxFile().Create(path, true); }

    wxString root;
    wxString executable;
};

TEST_F(HelpDocumentTest, BesideTheExecutableFirstThenTheDataFolder) {
    EXPECT_EQ(FindHelpDocument(executable), "");
    Touch(root + "/share/zentrola/Zentrola.pdf");
    EXPECT_EQ(FindHelpDocument(executable), root + "/share/zentrola/Zentrola.pdf");
    Touch(root + "/bin/Zentrola.pdf");
    EXPECT_EQ(FindHelpDocument(executable), root + "/bin/Zentrola.pdf");
}

// The static text showing this text, if any.
wxStaticText* TextShowing(const wxString& text) {
    for (wxWindow* top : wxTopLevelWindows) {
        if (!top->IsShown()) continue;
        for (wxWindow* child : top->GetChildren()) {
            for (wxWindow* inner : child->GetChildren())
                if (auto* label = dynamic_cast<wxStaticText*>(inner); label && label->GetLabel() == text) return label;
            if (auto* label = dynamic_cast<wxStaticText*>(child); label && label->GetLabel() == text) return label;
        }
    }
    return nullptr;
}

wxWindow* WindowShowing(const wxString& text) {
    wxStaticText* label = TextShowing(text);
    return label ? wxGetTopLevelParent(label) : nullptr;
}

// Whether the X server shows dark pixels (letters) where the window stands,
// read by an outside screenshot tool while this process handles no events;
// nothing when the tool is missing.
std::optional<bool> ScreenShowsText(wxWindow* window) {
    const wxRect area = window->GetScreenRect();
    const wxString file = wxFileName::CreateTempFileName("zentrola-shot") + ".png";
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d %s", area.width,
                                              area.height, area.x, area.y, file);
    wxArrayString output, errors;
    if (wxExecute(command, output, errors, wxEXEC_SYNC | wxEXEC_NOEVENTS) != 0) return std::nullopt;
    wxImage image;
    {
        wxLogNull quiet;
        if (!image.LoadFile(file, wxBITMAP_TYPE_PNG)) return std::nullopt;
    }
    wxRemoveFile(file);
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) < 100 && image.GetGreen(x, y) < 100 && image.GetBlue(x, y) < 100) return true;
    return false;
}

TEST(BusyNoticeTest, DrawnAtOnceAndVisibleExactlyWhileItLives) {
    const std::string text = "Borrando (puede tardar hasta 20 seg) \xF1";
    {
        hwxBusyInfo notice(text);
        wxStaticText* label = TextShowing(ToWx(text));
        ASSERT_NE(label, nullptr);
        // Drawn before the event loop runs again.
        const std::optional<bool> drawn = ScreenShowsText(label);
        if (drawn) {
            EXPECT_TRUE(*drawn);
        }
        fprintf(stderr, "DRAWN %d %d\n", drawn.has_value(), drawn.value_or(false));
    }
    YieldBriefly();
    EXPECT_EQ(WindowShowing(ToWx(text)), nullptr);
}

TEST(ControllerFeedbackTest, ReachesTheDialogTheNoticeAndTheTables) {
    TableHost host;
    auto* table = new ProbeLista(host.Column(), 'N');
    host.Add(table);
    table->AddRecord("TV", "3", "B");
    const std::vector<Lista*> saved = Listas;
    Listas = {table};

    WxControllerFeedback feedback;
    EXPECT_EQ(feedback.CurrentProgram(), (ProgramLines{"N3 B"}));
    {
        MessageRecorder messages;
        feedback.ShowMessage("timeout \xE1");
        EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"timeout \xE1"}));
    }
    {
        std::unique_ptr<BusyNotice> notice = feedback.ShowBusy("Probando . . .");
        EXPECT_NE(WindowShowing("Probando . . ."), nullptr);
    }
    YieldBriefly();
    EXPECT_EQ(WindowShowing("Probando . . ."), nullptr);
    Listas = saved;
}

// The file-dialog answer that other tests rely on: the dialog learns the
// picked path only after the event loop ran, and the helper waits for it.
TEST(ExpectFileDialogTest, TheDialogReturnsThePickedPath) {
    const wxString path = wxFileName::GetTempDir() + "/elegido.zolp";
    for (long style : {long(wxFD_SAVE | wxFD_OVERWRITE_PROMPT), long(wxFD_OPEN)}) {
        wxFileDialog dialog(nullptr, "Seleccione el archivo", "", "", "*.zolp", style);
        int answer = wxID_NONE;
        if (style & wxFD_OPEN) wxFile().Create(path, true);
        wxTEST_DIALOG(answer = dialog.ShowModal(), ExpectFileDialog(path));
        EXPECT_EQ(answer, wxID_OK);
        EXPECT_EQ(dialog.GetPath(), path);
    }
    wxRemoveFile(path);
}

}  // namespace
