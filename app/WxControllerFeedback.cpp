#include "app/WxControllerFeedback.h"

#include "app/BusyNotice.h"
#include "app/MessageDialog.h"
#include "link/ControllerProxy.h"
#include "tables/Listas.h"

namespace {

class WxBusyNotice : public BusyNotice {
public:
    explicit WxBusyNotice(const std::string& text) : notice(text) {}

private:
    hwxBusyInfo notice;
};

}  // namespace

void WxControllerFeedback::ShowMessage(const std::string& text) { ::ShowMessage(text); }

std::unique_ptr<BusyNotice> WxControllerFeedback::ShowBusy(const std::string& text) {
    return std::make_unique<WxBusyNotice>(text);
}

ProgramLines WxControllerFeedback::CurrentProgram() { return CollectProgramLines(true); }

void InstallControllerFeedback() {
    static WxControllerFeedback feedback;
    TheControllerProxy().SetFeedback(&feedback);
    TheControllerProxy().SetProgramSource(&feedback);
}
