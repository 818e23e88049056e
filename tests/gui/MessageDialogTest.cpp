// The message dialog: where it stands, what it holds, how it grows.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/stattext.h>

#include "app/MainWindow.h"
#include "app/MessageDialog.h"
#include "app/MyFrame.h"
#include "program/WxText.h"
#include "tables/Listas.h"
#include "tests/support/GuiTestSupport.h"

namespace {

TEST(MessageBoxPlacementTest, CentredAcrossAtAThirdOfTheMainWindow) {
    const struct {
        wxRect main;
        wxSize box;
        wxPoint at;
    } cases[] = {
        {{100, 50, 800, 600}, {200, 120}, {400, 190}},
        {{64, 0, 701, 451}, {200, 120}, {314, 90}},
        {{0, 0, 100, 90}, {200, 120}, {-50, -30}},
        {{100, 50, 800, 600}, {300, 160}, {350, 170}},   // a grown dialog stays centred
    };
    for (const auto& c : cases) EXPECT_EQ(MessageBoxPosition(c.main, c.box), c.at);
}

TEST(MessageBoxSizeTest, GrowsOnlyForTextThatWouldNotFit) {
    const wxSize limit(1600, 1200);
    const struct {
        wxSize text;
        wxSize size;
    } cases[] = {
        {{100, 17}, {200, 120}},
        {{140, 36}, {200, 120}},     // two lines of an ordinary message fit
        {{290, 17}, {400, 120}},     // text at a quarter of the width, 10 pixels spare
        {{140, 70}, {200, 154}},     // the button stays 64 pixels above the bottom, below the text
        {{5000, 2000}, {1600, 1200}},  // never beyond the screen
    };
    for (const auto& c : cases) EXPECT_EQ(MessageBoxSizeFor(kMessageBoxSize, c.text, limit), c.size);
}

class ShowMessageTest : public testing::Test {
protected:
    void SetUp() override {
        saved = Listas;
        frame = new MyFrame("Zentrola", "");
        frame->SetMinSize(wxDefaultSize);
        frame->SetSize(100, 50, 800, 600);
        frame->Show();
        ASSERT_TRUE(YieldUntil([&] { return frame->GetRect() == wxRect(100, 50, 800, 600); }));
        SetMainWindow(frame);
    }
    void TearDown() override {
        frame->Destroy();
        YieldBriefly();
        Listas = saved;
        SetMainWindow(nullptr);
    }
    MyFrame* frame = nullptr;
    std::vector<Lista*> saved;
};

// Answers one message dialog, after taking its layout.
class InspectMessage : public wxExpectModalBase<hMessageBox, InspectMessage> {
public:
    struct Seen {
        wxString title;
        wxRect rect;
        wxRect text;
        wxString label;
        wxRect button;
        wxString buttonLabel;
        bool modalParentIsMain = false;
    };
    explicit InspectMessage(Seen& seen) : seen(&seen) {}

protected:
    int OnInvoked(hMessageBox* box) const override {
        seen->title = box->GetTitle();
        seen->rect = box->GetRect();
        seen->modalParentIsMain = box->GetParent() == MainWindow();
        for (wxWindow* child : box->GetChildren()) {
            if (auto* text = dynamic_cast<wxStaticText*>(child)) {
                seen->text = text->GetRect();
                seen->label = text->GetLabel();
            } else if (auto* button = dynamic_cast<wxButton*>(child)) {
                EXPECT_EQ(button->GetId(), wxID_OK);
                seen->button = button->GetRect();
                seen->buttonLabel = button->GetLabel();
            }
        }
        return wxID_OK;
    }

private:
    Seen* seen;
};

TEST_F(ShowMessageTest, StandsOverTheMainWindowWithTextAndButtonInPlace) {
    InspectMessage::Seen seen;
    wxTEST_DIALOG(ShowMessage("Error de sintaxis:\nn\xFAmero no v\xE1lido"), InspectMessage(seen));
    EXPECT_EQ(seen.title, "Zentrola");
    EXPECT_TRUE(seen.modalParentIsMain);
    EXPECT_EQ(seen.rect, wxRect(400, 190, 200, 120));
    EXPECT_EQ(seen.text.GetPosition(), wxPoint(50, 20));
    EXPECT_EQ(seen.label, ToWx("Error de sintaxis:\nn\xFAmero no v\xE1lido"));
    EXPECT_EQ(seen.button, wxRect(60, 56, 80, 24));
    EXPECT_EQ(seen.buttonLabel, "Aceptar");
}

TEST_F(ShowMessageTest, ALongMessageGrowsTheDialogAndShowsWhole) {
    const std::string line = "Error de sintaxis: N12 00FF00FF R 1 con un texto que no cabe en el cuadro";
    const std::string text = line + "\n" + line + "\n" + line + "\n" + line;
    InspectMessage::Seen seen;
    wxTEST_DIALOG(ShowMessage(text), InspectMessage(seen));
    const wxSize size = seen.rect.GetSize();
    EXPECT_GT(size.x, 200);
    EXPECT_GT(size.y, 120);
    EXPECT_EQ(seen.rect.GetPosition(), MessageBoxPosition(frame->GetRect(), size));
    EXPECT_EQ(seen.text.GetPosition(), wxPoint(size.x / 4, 20));
    EXPECT_LE(seen.text.GetRight(), size.x);
    EXPECT_EQ(seen.button, wxRect(size.x / 2 - 40, size.y - 64, 80, 24));
    EXPECT_LE(seen.text.GetBottom(), seen.button.GetTop());
}

TEST(ShowMessageWithoutMainWindowTest, CentredOnTheScreen) {
    ASSERT_EQ(MainWindow(), nullptr);
    InspectMessage::Seen seen;
    wxTEST_DIALOG(ShowMessage("Error de sintaxis: N1"), InspectMessage(seen));
    const wxRect screen = wxDisplay(0u).GetGeometry();
    EXPECT_NEAR(seen.rect.GetLeft() + seen.rect.width / 2, screen.width / 2, 2);
    EXPECT_NEAR(seen.rect.GetTop() + seen.rect.height / 2, screen.height / 2, 2);
}

}  // namespace
