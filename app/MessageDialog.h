#pragma once
// The program's own message dialog and the one routine that shows every
// error and notice to the user.
#include <string>

#include <wx/dialog.h>

// A message with an "Aceptar" button, titled "Zentrola". The text stands at
// (width / 4, 20) and the button at (width / 2 - 40, height - 64); a text
// that would not fit makes the dialog grow (never beyond the screen).
class hMessageBox : public wxDialog {
public:
    hMessageBox(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                const wxSize& size, long style);
};

// The smallest size of 200 x 120 pixels.
extern const wxSize kMessageBoxSize;

// The size that shows a text of `textSize` whole: at least `given`, at most
// `limit`.
wxSize MessageBoxSizeFor(const wxSize& given, const wxSize& textSize, const wxSize& limit);

// Where a message dialog of `boxSize` stands over the main window's outer
// rectangle: centred horizontally, its centre at one third of the height.
wxPoint MessageBoxPosition(const wxRect& mainWindow, const wxSize& boxSize);

// Shows the text (Windows-1252) modally over the main window; centred on the
// screen while there is no main window yet.
void ShowMessage(const std::string& text);
