// The GUI suite's entry: starts wxWidgets once for the whole process, sends
// its log to stderr, turns its asserts into test failures and answers any
// modal dialog that no test expected with Cancel (and a failure), so a
// headless run never hangs on a window nobody will close.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

class UnexpectedDialogGuard : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_str() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wxWidgets assert in " << func.utf8_str() << ": " << cond.utf8_str() << " " << msg.utf8_str();
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(GuiTestApp);

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wxWidgets (is there a display?)\n");
        return 2;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxSetAssertHandler(FailOnAssert);
    wxTheApp->CallOnInit();
    UnexpectedDialogGuard guard;
    guard.Register();

    const int result = RUN_ALL_TESTS();

    guard.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
