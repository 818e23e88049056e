#include "app/MyFrame.h"

#include <algorithm>

#include <wx/display.h>
#include <wx/menu.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/ConfirmDiscardChanges.h"
#include "app/MainWindow.h"
#include "program/WxText.h"
#include "resources/Resources.h"
#include "tables/Lista.h"
#include "tables/Listas.h"

wxBEGIN_EVENT_TABLE(MyFrame, wxFrame)
    EVT_MENU(wxID_NEW, MyFrame::OnNew)
    EVT_MENU(wxID_OPEN, MyFrame::OnOpen)
    EVT_MENU(kMergeCommand, MyFrame::OnMerge)
    EVT_MENU(wxID_SAVE, MyFrame::OnSave)
    EVT_MENU(wxID_SAVEAS, MyFrame::OnSaveAs)
    EVT_MENU(kReadFromControllerCommand, MyFrame::OnReadFromController)
    EVT_MENU(kWriteToControllerCommand, MyFrame::OnWriteToController)
    EVT_MENU(wxID_EXIT, MyFrame::OnQuit)
    EVT_MENU(kHelpCommand, MyFrame::OnHelp)
    EVT_MENU(wxID_ABOUT, MyFrame::OnAbout)
    EVT_CLOSE(MyFrame::OnClose)
wxEND_EVENT_TABLE()

MyFrame::MyFrame(const wxString& title, const wxString& startupFile)
    : wxFrame(nullptr, wxID_ANY, title, wxPoint(64, 0), wxDefaultSize, wxDEFAULT_FRAME_STYLE),
      currentFileName(startupFile) {
    SetIcons(LoadResourceIcon("AAICON"));
    BuildMenus();
    CreateStatusBar(2);
    BuildToolBar();
    BuildColumn();
}

MyFrame::~MyFrame() {
    // The tables die with the column; nothing may reach them afterwards.
    Listas.clear();
    if (MainWindow() == this) SetMainWindow(nullptr);
}

void MyFrame::BuildMenus() {
    auto* fileMenu = new wxMenu;
    fileMenu->Append(wxID_NEW, ToWx("&Nuevo\tAlt-N"), ToWx("Crea un nuevo programa"));
    fileMenu->Append(wxID_OPEN, ToWx("&Abrir\tAlt-A"), ToWx("Carga un programa desde disco"));
    fileMenu->Append(kMergeCommand, ToWx("&Mezclar\tAlt-M"), ToWx("Mezcla con un programa desde disco"));
    fileMenu->Append(wxID_SAVE, ToWx("&Guardar\tAlt-G"), ToWx("Guarda el programa en disco"));
    fileMenu->Append(wxID_SAVEAS, ToWx("Guardar &como ...\tAlt-C"),
                     ToWx("Guarda el programa en disco con otro nombre"));
    fileMenu->AppendSeparator();
    fileMenu->Append(kReadFromControllerCommand, ToWx("&Recuperar desde el controlador"),
                     ToWx("Obtiene el programa grabado en la memoria en el controlador"));
    fileMenu->Append(kWriteToControllerCommand, ToWx("&Grabar en el controlador"),
                     ToWx("Graba el programa en la memoria del controlador"));
    fileMenu->AppendSeparator();
    fileMenu->Append(wxID_EXIT, ToWx("&Salir\tAlt-X"), ToWx("Sale del programa"));

    auto* helpMenu = new wxMenu;
    helpMenu->Append(kHelpCommand, ToWx("Ver la ayuda"), ToWx("Abre el archivo de ayuda"));
    helpMenu->AppendSeparator();
    helpMenu->Append(wxID_ABOUT, ToWx("&Acerca de Zentrola"),
                     ToWx("Muestra informaci\xF3n de la versi\xF3n"));

    auto* menuBar = new wxMenuBar;
    menuBar->Append(fileMenu, ToWx("&Archivo"));
    menuBar->Append(helpMenu, ToWx("A&yuda"));
    SetMenuBar(menuBar);
}

void MyFrame::BuildToolBar() {
    wxToolBar* toolBar = CreateToolBar(wxTB_VERTICAL | wxTB_FLAT | wxTB_TEXT | wxNO_BORDER, kToolBarId);
    struct Tool {
        int id;
        const char* label;
        const char* bitmap;
        const char* shortHelp;
        const char* longHelp;
    };
    const Tool tools[] = {
        {wxID_NEW, "Nuevo", "new", "Nuevo", "Crea un nuevo programa"},
        {wxID_OPEN, "Abrir", "open", "Abrir", "Carga un programa desde disco"},
        {wxID_SAVE, "Guardar", "save", "Guardar", "Guarda el programa en disco"},
        {0, nullptr, nullptr, nullptr, nullptr},
        {kWriteToControllerCommand, "Grabar", "tocontroller", "&Grabar en el controlador",
         "Graba el programa en la memoria del controlador"},
        {0, nullptr, nullptr, nullptr, nullptr},
        {kHelpCommand, "Ayuda", "help", "Ayuda", "Muestra la ayuda"},
    };
    for (const Tool& tool : tools) {
        if (!tool.label) {
            toolBar->AddSeparator();
            continue;
        }
        toolBar->AddTool(tool.id, ToWx(tool.label), LoadResourceBitmap(tool.bitmap), wxNullBitmap,
                         wxITEM_NORMAL, ToWx(tool.shortHelp), ToWx(tool.longHelp));
    }
    toolBar->Realize();
}

void MyFrame::BuildColumn() {
    column = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL);
    column->SetBackgroundColour(wxColour(160, 160, 160));
    column->SetScrollRate(0, 10);
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    CreateListas(column);
    for (Lista* table : Listas) {
        sizer->Add(30, 30, 0);
        sizer->Add(table, 0, wxRIGHT, 10);
    }
    SetAllModified(false);
    sizer->Add(30, 30, 0);
    column->SetSizer(sizer);

    if (!currentFileName.empty()) OpenStartupFile();

    // The frame fits the tables (within the display); the vertical toolbar
    // stands beside the column and needs its own height as well.
    wxSize fitting = sizer->ComputeFittingClientSize(this);
    if (wxToolBar* toolBar = GetToolBar()) fitting.y = std::max(fitting.y, toolBar->GetBestSize().y);
    // The whole frame, menu and status bars included, stays on the display:
    // a frame taller than the screen would hide its status bar and could not
    // be made smaller (the fitted size is also its minimum).
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect work = wxDisplay(display == wxNOT_FOUND ? 0u : unsigned(display)).GetClientArea();
    fitting.DecTo(work.GetSize() - (GetSize() - GetClientSize()));
    SetMinClientSize(fitting);
    SetClientSize(fitting);
}

void MyFrame::OnQuit(wxCommandEvent&) { Close(true); }

void MyFrame::OnClose(wxCloseEvent&) {
    if (ConfirmDiscardChanges()) return;
    Destroy();
}
