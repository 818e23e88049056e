// The controller commands of the main window: read the program from the
// controller and write it into the controller.
#include "app/ConfirmDiscardChanges.h"
#include "app/MessageDialog.h"
#include "app/MyFrame.h"
#include "link/ControllerProxy.h"
#include "program/SintaxErrorException.h"
#include "tables/Listas.h"

// Writing is not saving: the modified flags and the file name stay.
void MyFrame::OnWriteToController(wxCommandEvent&) {
    try {
        ValidateAll();
    } catch (const SintaxErrorException& error) {
        ShowMessage(error.what());
        return;
    }
    if (!TheControllerProxy().WriteToController(CollectProgramLines(true)))
        ShowMessage("Error escribiendo el dispositivo");
}

// The program read comes from no file, so a later Save asks for a name.
void MyFrame::OnReadFromController(wxCommandEvent&) {
    if (ConfirmDiscardChanges()) return;
    ProgramLines lines;
    if (!TheControllerProxy().ReadFromController(lines)) {
        ShowMessage("Error leyendo el dispositivo");
        return;
    }
    ClearAllRows();
    LoadAllFromProgram(lines);
    SetAllModified(false);
    SetCurrentFileName(wxString());
}
