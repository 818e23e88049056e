// The pieces of the shell that stand alone: the pictures, the help document,
// the busy notice and the controller feedback.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/imagpng.h>
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

// Whether the X server shows letters where the window stands,
// read by an outside screenshot tool while this process handles no events;
// nothing when the tool is missing.
std::optional<bool> ScreenShowsText(wxWindow* window) {
    const wxRect area = window->GetScreenRect();
    const wxString base = wxFileName::CreateTempFileName("zentrola-shot");
    wxRemoveFile(base);
    const wxString file = base + ".png";
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d %s", area.width,
                                              area.height, area.x, area.y, file);
    // std::system: wxExecute would let the toolkit's loop run while it waits.
    if (std::system((command + " 2>/dev/null").utf8_str()) != 0) return std::nullopt;
    wxImage image;
    {
        wxLogNull quiet;
        if (!image.LoadFile(file, wxBITMAP_TYPE_PNG)) return std::nullopt;
    }
    wxRemoveFile(file);
    // Letters: dark pixels on a light background (an unmapped window shows
    // the black screen, an unpainted one a plain light area).
    bool dark = false, light = false;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const int level = image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y);
            dark = dark || level < 300;
            light = light || level > 600;
        }
    }
    return dark && light;
}

TEST(BusyNoticeTest, DrawnAtOnceAndVisibleExactlyWhileItLives) {
    const std::string text = "Borrando (puede tardar hasta 20 seg) \xF1";
    // Controller work blocks inside an event handler of the running loop.
    wxEventLoop loop;
    wxTheApp->CallAfter([&] {
        {
            hwxBusyInfo notice(text);
            wxStaticText* label = TextShowing(ToWx(text));
            EXPECT_NE(label, nullptr);
            // Drawn before the event loop runs again.
            const std::optional<bool> drawn = label ? ScreenShowsText(label) : std::nullopt;
            if (drawn) {
                EXPECT_TRUE(*drawn);
            }
        }
        loop.Exit();
    });
    loop.Run();
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
