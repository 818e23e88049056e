#include "app/MyApp.h"

#include "app/MainWindow.h"
#include "app/MyFrame.h"
#include "app/WxControllerFeedback.h"
#include "link/MvcpLink.h"

wxString StartupFileName(const wxArrayString& arguments) {
    return arguments.size() == 2 ? arguments[1] : wxString();
}

bool MyApp::OnInit() {
    try {
        ProbeController();
    } catch (...) {
        // Silent whatever it finds: the controller commands report their own.
    }
    InstallControllerFeedback();
    auto* frame = new MyFrame(wxASCII_STR("Zentrola"), StartupFileName(argv.GetArguments()));
    SetMainWindow(frame);
    frame->Show(true);
    return true;
}
