#pragma once
// The main window: menus, a vertical toolbar, a two-field status bar and one
// scrolling column that stacks every table editor of the registry.
#include <wx/frame.h>

class wxScrolledWindow;

class MyFrame : public wxFrame {
public:
    MyFrame(const wxString& title, const wxString& startupFile);
    ~MyFrame() override;

    // The program file the tables belong to; empty for none.
    const wxString& GetCurrentFileName() const { return currentFileName; }
    void SetCurrentFileName(const wxString& name) { currentFileName = name; }

    wxScrolledWindow* GetColumn() const { return column; }

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildColumn();
    // Opens the file named on the command line into the tables.
    void OpenStartupFile();

    // File commands.
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnMerge(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    // Controller commands.
    void OnReadFromController(wxCommandEvent& event);
    void OnWriteToController(wxCommandEvent& event);
    // The window's own.
    void OnQuit(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    wxString currentFileName;
    wxScrolledWindow* column = nullptr;

    wxDECLARE_EVENT_TABLE();
};
