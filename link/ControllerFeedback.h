#pragma once
// What the controller operations need from whoever runs them: a way to tell
// the user something, a busy notice that lasts as long as its object, and the
// program the tables hold now. The editor fills these with its message dialog,
// its busy window and the table registry; the command-line tool with its own.
#include <memory>
#include <string>

#include "program/ProgramLines.h"

class BusyNotice {
public:
    virtual ~BusyNotice() = default;
};

class ControllerFeedback {
public:
    virtual ~ControllerFeedback() = default;
    // Shows a message (Windows-1252) and returns when the user has seen it.
    virtual void ShowMessage(const std::string& text) = 0;
    // Shows a notice (Windows-1252) until the returned object is destroyed.
    virtual std::unique_ptr<BusyNotice> ShowBusy(const std::string& text) = 0;
};

class ProgramSource {
public:
    virtual ~ProgramSource() = default;
    // The current program without label lines, as it would be written.
    virtual ProgramLines CurrentProgram() = 0;
};
