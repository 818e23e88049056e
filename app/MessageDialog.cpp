#include "app/MessageDialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/intl.h>
#include <wx/stattext.h>

#include "app/MainWindow.h"
#include "app/MyFrame.h"
#include "program/WxText.h"

const wxSize kMessageBoxSize(200, 120);

namespace {

// Room kept right of the text, and between the text and the button's top
// (the button stands 64 pixels above the bottom edge).
const int kTextRightMargin = 10;
const int kBelowText = 64;
const int kTextTop = 20;

wxSize ScreenLimit(const wxWindow* near) {
    const int index = near ? wxDisplay::GetFromWindow(near) : 0;
    return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea().GetSize();
}

}  // namespace

wxSize MessageBoxSizeFor(const wxSize& given, const wxSize& textSize, const wxSize& limit) {
    // The text starts at a quarter of the width, so it needs 4/3 of its width.
    const int neededWidth = ((textSize.x + kTextRightMargin) * 4 + 2) / 3;
    const int neededHeight = kTextTop + textSize.y + kBelowText;
    wxSize size(std::max(given.x, neededWidth), std::max(given.y, neededHeight));
    if (limit.x > 0) size.x = std::max(given.x, std::min(size.x, limit.x));
    if (limit.y > 0) size.y = std::max(given.y, std::min(size.y, limit.y));
    return size;
}

wxPoint MessageBoxPosition(const wxRect& mainWindow, const wxSize& boxSize) {
    return wxPoint(mainWindow.x + mainWindow.width / 2 - boxSize.x / 2,
                   mainWindow.y + mainWindow.height / 3 - boxSize.y / 2);
}

hMessageBox::hMessageBox(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                         const wxSize& size, long style)
    : wxDialog(parent, id, wxASCII_STR("Zentrola"), pos, size, style) {
    auto* label = new wxStaticText(this, wxID_ANY, text, wxPoint(size.x / 4, kTextTop));
    auto* button = new wxButton(this, wxID_OK, _("Aceptar"), wxPoint(size.x / 2 - 40, size.y - 64), wxSize(80, 24));
    const wxSize fitted = MessageBoxSizeFor(size, label->GetBestSize(), ScreenLimit(parent));
    if (fitted != size) {
        SetSize(fitted);
        label->Move(fitted.x / 4, kTextTop);
        button->Move(fitted.x / 2 - 40, fitted.y - 64);
    }
}

void ShowMessage(const std::string& text) {
    wxWindow* main = MainWindow();
    hMessageBox box(main, wxID_ANY, ToWx(text), wxDefaultPosition, kMessageBoxSize,
                    wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU);
    if (main)
        box.Move(MessageBoxPosition(main->GetRect(), box.GetSize()));
    else
        box.CentreOnScreen();
    box.ShowModal();
}
