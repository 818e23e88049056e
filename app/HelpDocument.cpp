#include "app/HelpDocument.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/MyFrame.h"

wxString FindHelpDocument(const wxString& executablePath) {
    const wxString name = wxASCII_STR("Zentrola.pdf");
    const wxFileName executable(executablePath);

    const wxFileName beside(executable.GetPath(wxPATH_GET_VOLUME), name);
    if (beside.FileExists()) return beside.GetFullPath();

    wxFileName installed(executable.GetPath(wxPATH_GET_VOLUME), name);
    if (installed.GetDirCount() > 0) {
        installed.RemoveLastDir();
        installed.AppendDir(wxASCII_STR("share"));
        installed.AppendDir(wxASCII_STR("zentrola"));
        if (installed.FileExists()) return installed.GetFullPath();
    }
    return wxString();
}

void MyFrame::OnHelp(wxCommandEvent&) {
    const wxString document = FindHelpDocument(wxStandardPaths::Get().GetExecutablePath());
    if (document.empty()) return;
    wxLogNull quiet;   // a missing viewer is not reported
    wxLaunchDefaultApplication(document);
}
