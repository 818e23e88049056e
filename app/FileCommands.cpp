// The file commands of the main window: New, Open, Merge, Save, Save As, and
// opening the file named on the command line.
#include "app/FileCommands.h"

#include <optional>

#include <wx/filedlg.h>

#include "app/ConfirmDiscardChanges.h"
#include "app/FileSystemName.h"
#include "app/MessageDialog.h"
#include "app/MyFrame.h"
#include "program/ProgramFile.h"
#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tables/Listas.h"

const char* const kFileReadError = "Error leyendo el archivo";

namespace {

const char* const kFileWriteError = "Error escribiendo el archivo";
const char* const kDialogMessage = "Seleccione el archivo";
const char* const kProgramWildcard = "Programas IR (*.zolp)|*.zolp";
constexpr long kOpenDialogStyle = wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_CHANGE_DIR;
constexpr long kSaveDialogStyle = wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_CHANGE_DIR;

// The path chosen in a file dialog; nothing when it was not closed with OK.
std::optional<wxString> ChooseProgramFile(wxWindow* parent, long style) {
    wxFileDialog dialog(parent, ToWx(kDialogMessage), wxString(), wxString(), ToWx(kProgramWildcard), style);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetPath();
}

// Save and Save As: check every table, find the file name (asking for one
// when told to or when there is none), write the whole program with labels.
void SaveProgram(MyFrame& frame, bool alwaysAsk) {
    try {
        ValidateAll();
    } catch (const SintaxErrorException& error) {
        ShowMessage(error.what());
        return;
    }
    if (alwaysAsk || frame.GetCurrentFileName().empty()) {
        const std::optional<wxString> path = ChooseProgramFile(&frame, kSaveDialogStyle);
        if (!path) return;
        frame.SetCurrentFileName(*path);
    }
    if (WriteProgramText(FileSystemName(frame.GetCurrentFileName()), CollectProgramText()))
        SetAllModified(false);
    else
        ShowMessage(kFileWriteError);
}

}  // namespace

bool OpenProgramFile(MyFrame& frame) {
    ProgramLines lines;
    if (!ReadProgramFile(FileSystemName(frame.GetCurrentFileName()), lines)) {
        frame.SetCurrentFileName(wxString());
        return false;
    }
    ClearAllRows();
    LoadAllFromProgram(lines);
    SetAllModified(false);
    return true;
}

bool MergeProgramFile(const wxString& fileName) {
    ProgramLines lines;
    if (!ReadProgramFile(FileSystemName(fileName), lines)) {
        ShowMessage(kFileReadError);
        return false;
    }
    MergeAllFromProgram(lines);
    SetAllModified(true);
    return true;
}

// Runs while the window is being built, before it is shown: a failure is
// told once the window stands.
void MyFrame::OpenStartupFile() {
    if (!OpenProgramFile(*this)) CallAfter([] { ShowMessage(kFileReadError); });
}

void MyFrame::OnNew(wxCommandEvent&) {
    if (ConfirmDiscardChanges()) return;
    ClearAllRows();
    SetAllModified(false);
    SetCurrentFileName(wxString());
}

void MyFrame::OnOpen(wxCommandEvent&) {
    if (ConfirmDiscardChanges()) return;
    const std::optional<wxString> path = ChooseProgramFile(this, kOpenDialogStyle);
    if (!path) return;
    SetCurrentFileName(*path);
    if (!OpenProgramFile(*this)) ShowMessage(kFileReadError);
}

void MyFrame::OnMerge(wxCommandEvent&) {
    const std::optional<wxString> path = ChooseProgramFile(this, kOpenDialogStyle);
    if (!path) return;
    MergeProgramFile(*path);
}

void MyFrame::OnSave(wxCommandEvent&) { SaveProgram(*this, false); }

void MyFrame::OnSaveAs(wxCommandEvent&) { SaveProgram(*this, true); }
