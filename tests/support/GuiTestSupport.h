#pragma once
// Helpers for tests of the windows: waiting on conditions while the event
// loop runs, answering the program's dialogs, and driving grids the way the
// mouse and keyboard do.
#include <functional>
#include <string>
#include <vector>

#include <wx/filedlg.h>
#include <wx/grid.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "app/MessageDialog.h"

// Runs the event loop until the condition holds; false if it never did
// within the guard time (a hang guard, not a timing check).
bool YieldUntil(const std::function<bool()>& condition, int guardMilliseconds = 5000);

// Lets pending events and repaints run.
void YieldBriefly();

// The Windows-1252 text shown by a message dialog.
std::string MessageText(wxDialog* box);

// Expects one ShowMessage with this exact text (Windows-1252); answers Aceptar.
class ExpectMessage : public wxExpectModalBase<hMessageBox, ExpectMessage> {
public:
    explicit ExpectMessage(std::string text) : text(std::move(text)) {}

protected:
    int OnInvoked(hMessageBox* box) const override;

private:
    std::string text;
};

// Expects one wxMessageBox with this caption and message (Windows-1252) and
// gives the answer (wxYES, wxNO, wxOK...).
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    ExpectMessageBox(std::string caption, std::string message, int answer);

protected:
    int OnInvoked(wxMessageDialog* dialog) const override;

private:
    std::string caption;
    std::string message;
    int answer;
};

// Expects one file dialog and picks this path (or cancels with wxID_CANCEL).
// The dialog learns the path only once the event loop has run.
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog> {
public:
    explicit ExpectFileDialog(const wxString& path, int answer = wxID_OK) : path(path), answer(answer) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override;

private:
    wxString path;
    int answer;
};

// Answers every ShowMessage while it lives and keeps the texts, in order.
class MessageRecorder : public wxModalDialogHook {
public:
    MessageRecorder() { Register(); }
    ~MessageRecorder() override { Unregister(); }
    const std::vector<std::string>& Texts() const { return texts; }

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

private:
    std::vector<std::string> texts;
};

// A left click on a cell, delivered to the grid's cell window as the mouse
// would deliver it.
void ClickCell(wxGrid& grid, int row, int col);

// A press of a button, as its click delivers it.
void PressButton(wxWindow& button);

// Opens the cell's editor and types the text into it, without committing.
void TypeIntoCell(wxGrid& grid, int row, int col, const wxString& text);
