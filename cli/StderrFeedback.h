#pragma once
// What the controller operations show, printed on stderr: messages as
// messages, busy notices as progress lines. The notices of the program lines
// a write sends carry their position, "[12/140] N12 20DF10EF R 1".
#include <cstddef>
#include <memory>
#include <string>

#include "link/ControllerFeedback.h"
#include "program/ProgramLines.h"

class Terminal;

class StderrFeedback : public ControllerFeedback {
public:
    explicit StderrFeedback(Terminal& terminal) : terminal(terminal) {}

    // The lines the next write sends, in order, so that their notices can
    // be numbered.
    void ExpectWrite(ProgramLines lines);

    void ShowMessage(const std::string& text) override;
    std::unique_ptr<BusyNotice> ShowBusy(const std::string& text) override;

private:
    Terminal& terminal;
    ProgramLines written;
    std::size_t nextLine = 0;
};
