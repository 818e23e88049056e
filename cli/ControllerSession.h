#pragma once
// Everything a controller command sets up around the core's operations, for
// as long as the command runs: the port named by --port, the stderr feedback,
// the program source of a test and, with --trace, the wire printer.
#include <memory>
#include <string>

#include "cli/StderrFeedback.h"
#include "cli/WireTracePrinter.h"
#include "link/ControllerFeedback.h"

struct Invocation;
class Terminal;

class ControllerSession {
public:
    ControllerSession(const Invocation& invocation, Terminal& terminal);
    ~ControllerSession();
    ControllerSession(const ControllerSession&) = delete;
    ControllerSession& operator=(const ControllerSession&) = delete;

    StderrFeedback& Feedback() { return feedback; }
    // Not owned; must outlive the session's operations.
    void SetProgramSource(ProgramSource* source);
    // After each operation: the trace line in progress is printed.
    void EndExchange();

private:
    std::string savedPort;
    StderrFeedback feedback;
    std::unique_ptr<WireTracePrinter> printer;
    std::unique_ptr<WireTraceInstalled> trace;
};
