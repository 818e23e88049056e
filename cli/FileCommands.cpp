#include "cli/FileCommands.h"

#include "cli/CommandLine.h"
#include "cli/DocumentSteps.h"
#include "cli/Terminal.h"
#include "tables/syntax/ProgramDocument.h"

namespace {

int Status(const Terminal& terminal)
{
    return terminal.AnyMessage() ? 1 : 0;
}

}  // namespace

int RunCheck(const Invocation& invocation)
{
    Terminal terminal;
    ProgramDocument document;
    if (OpenProgram(document, invocation.operands[0], terminal))
        ValidateProgram(document, terminal);
    return Status(terminal);
}

int RunNormalize(const Invocation& invocation)
{
    Terminal terminal;
    ProgramDocument document;
    if (OpenProgram(document, invocation.operands[0], terminal) && ValidateProgram(document, terminal))
        SaveProgram(document, invocation.operands[1], terminal);
    return Status(terminal);
}

// A second file that cannot be read stops the command: the output would
// silently lack its commands.
int RunMerge(const Invocation& invocation)
{
    Terminal terminal;
    ProgramDocument document;
    if (OpenProgram(document, invocation.operands[0], terminal) &&
        MergeProgram(document, invocation.operands[1], terminal) && ValidateProgram(document, terminal))
        SaveProgram(document, invocation.operands[2], terminal);
    return Status(terminal);
}
