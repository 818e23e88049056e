#pragma once
// The controller operations: write the whole program, read it back, test one
// item, learn codes. Each operation opens its own link, shows its busy
// notices, reports failures to the user and returns success or failure.
#include <string>

#include "link/ControllerFeedback.h"
#include "program/ProgramLines.h"

class MvcpLink;

class ControllerProxy {
public:
    int WriteProgram(const ProgramLines& lines);
    int ReadProgram(ProgramLines& lines);
    int TestLine(const std::string& target);
    int SendAndWait(const std::string& command);
    std::string ReadRawIr(const std::string& number);
    int QueryLines(const std::string& command, ProgramLines& lines);
    bool WriteToController(const ProgramLines& lines);
    bool ReadFromController(ProgramLines& lines);

    const ProgramLines& KnownProgram() const { return knownProgram; }

    // Whoever runs the operations installs these (not owned).
    void SetFeedback(ControllerFeedback* feedback);
    void SetProgramSource(ProgramSource* source);

private:
    // The installed ones, or silent stand-ins while none is installed.
    ControllerFeedback& Feedback();
    ProgramSource& Source();

    void SendRawIrLine(MvcpLink& link, const std::string& line);
    ProgramLines ListRawIrSlots(MvcpLink& link);
    void ReadAllRawIr(MvcpLink& link, ProgramLines& lines);

    ProgramLines knownProgram;
    ControllerFeedback* feedback = nullptr;
    ProgramSource* source = nullptr;
};

ControllerProxy& TheControllerProxy();
