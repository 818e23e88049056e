#include "tests/support/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "program/WxText.h"

bool YieldUntil(const std::function<bool()>& condition, int guardMilliseconds) {
    wxStopWatch watch;
    while (!condition()) {
        if (watch.Time() > guardMilliseconds) return false;
        wxTheApp->Yield(true);
        wxMilliSleep(1);
    }
    return true;
}

void YieldBriefly() {
    for (int i = 0; i < 5; ++i) wxTheApp->Yield(true);
}

std::string MessageText(wxDialog* box) {
    for (wxWindow* child : box->GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) return FromWx(text->GetLabel());
    }
    return std::string();
}

int ExpectMessage::OnInvoked(hMessageBox* box) const {
    EXPECT_EQ(MessageText(box), text);
    return wxID_OK;
}

ExpectMessageBox::ExpectMessageBox(std::string caption, std::string message, int answer)
    : caption(std::move(caption)), message(std::move(message)), answer(answer) {}

int ExpectMessageBox::OnInvoked(wxMessageDialog* dialog) const {
    EXPECT_EQ(FromWx(dialog->GetCaption()), caption);
    EXPECT_EQ(FromWx(dialog->GetMessage()), message);
    switch (answer) {
        case wxYES: return wxID_YES;
        case wxNO: return wxID_NO;
        case wxOK: return wxID_OK;
        case wxCANCEL: return wxID_CANCEL;
        default: return answer;
    }
}

int ExpectFileDialog::OnInvoked(wxFileDialog* dialog) const {
    if (answer != wxID_OK) return answer;
    dialog->SetPath(path);
    EXPECT_TRUE(YieldUntil([&] { return dialog->GetPath() == path; }))
        << "the file dialog never took the path " << path.utf8_str();
    return answer;
}

int MessageRecorder::Enter(wxDialog* dialog) {
    if (!dynamic_cast<hMessageBox*>(dialog)) return wxID_NONE;
    texts.push_back(MessageText(dialog));
    return wxID_OK;
}

namespace {

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& at) {
    wxMouseEvent event(type);
    event.SetEventObject(window);
    event.SetPosition(at);
    event.m_leftDown = type == wxEVT_LEFT_DOWN;
    window->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

void ClickCell(wxGrid& grid, int row, int col) {
    const wxRect cell = grid.CellToRect(row, col);
    const wxPoint centre = grid.CalcScrolledPosition(cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2));
    wxWindow* cells = grid.GetGridWindow();
    SendMouse(cells, wxEVT_LEFT_DOWN, centre);
    SendMouse(cells, wxEVT_LEFT_UP, centre);
    YieldBriefly();
}

void PressButton(wxWindow& button) {
    wxCommandEvent click(wxEVT_BUTTON, button.GetId());
    click.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(click);
}

void TypeIntoCell(wxGrid& grid, int row, int col, const wxString& text) {
    grid.SetFocus();
    grid.SetGridCursor(row, col);
    grid.EnableCellEditControl();
    ASSERT_TRUE(grid.IsCellEditControlShown());
    const wxGridCellEditorPtr editor(grid.GetCellEditor(row, col));
    auto* control = dynamic_cast<wxTextCtrl*>(editor->GetControl());
    ASSERT_NE(control, nullptr);
    control->SetValue(text);
}
