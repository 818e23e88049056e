#include "app/ConfirmDiscardChanges.h"

#include <wx/msgdlg.h>

#include "app/MainWindow.h"
#include "app/MyFrame.h"
#include "program/WxText.h"
#include "tables/Listas.h"

bool ConfirmDiscardChanges() {
    if (!AnyModified()) return false;
    const int answer = wxMessageBox(ToWx("El programa fue modificado y no guardado. \xBF" "Desea continuar?"),
                                    wxASCII_STR("ATENCION"), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION,
                                    MainWindow());
    return answer != wxYES;
}
