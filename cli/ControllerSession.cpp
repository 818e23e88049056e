#include "cli/ControllerSession.h"

#include "cli/CommandLine.h"
#include "link/ControllerProxy.h"
#include "link/LinkSettings.h"

ControllerSession::ControllerSession(const Invocation& invocation, Terminal& terminal)
    : savedPort(PortOverride()), feedback(terminal)
{
    PortOverride() = invocation.port;
    TheControllerProxy().SetFeedback(&feedback);
    if (invocation.trace) {
        printer = std::make_unique<WireTracePrinter>(terminal);
        trace = std::make_unique<WireTraceInstalled>(*printer, terminal);
    }
}

ControllerSession::~ControllerSession()
{
    EndExchange();
    trace.reset();
    TheControllerProxy().SetProgramSource(nullptr);
    TheControllerProxy().SetFeedback(nullptr);
    PortOverride() = savedPort;
}

void ControllerSession::SetProgramSource(ProgramSource* source)
{
    TheControllerProxy().SetProgramSource(source);
}

void ControllerSession::EndExchange()
{
    if (printer)
        printer->EndExchange();
}
