#pragma once
// The controller operations' view of the editor: messages go to the message
// dialog, busy notices to hwxBusyInfo, and the current program comes from the
// table registry without label lines.
#include "link/ControllerFeedback.h"

class WxControllerFeedback : public ControllerFeedback, public ProgramSource {
public:
    void ShowMessage(const std::string& text) override;
    std::unique_ptr<BusyNotice> ShowBusy(const std::string& text) override;
    ProgramLines CurrentProgram() override;
};

// Installs the editor's feedback and program source into TheControllerProxy().
void InstallControllerFeedback();
