// zentrola-cli: the editor's file and controller commands without a window,
// for scripts, version control and programming several controllers.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ControllerCommands.h"
#include "cli/FileCommands.h"
#include "cli/PortsCommand.h"
#include "cli/Terminal.h"
#include "program/Cp1252.h"

namespace {

const int kUsageStatus = 2;

struct CommandEntry {
    const char* name;
    int (*run)(const Invocation&);
};

const CommandEntry kCommandTable[] = {
    {"check", RunCheck}, {"normalize", RunNormalize}, {"merge", RunMerge}, {"write", RunWrite},
    {"read", RunRead},   {"test", RunTest},           {"ports", RunPorts},
};

int UsageFailure(const UsageError& error)
{
    std::fputs(Cp1252ToUtf8("zentrola-cli: " + std::string(error.what()) + "\n" + UsageText()).c_str(), stderr);
    return kUsageStatus;
}

int Run(const Invocation& invocation)
{
    for (const CommandEntry& entry : kCommandTable) {
        if (invocation.command == entry.name)
            return entry.run(invocation);
    }
    throw UsageError("orden desconocida: " + invocation.command);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const Invocation invocation = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (invocation.help) {
            std::fputs(Cp1252ToUtf8(UsageText()).c_str(), stdout);
            return 0;
        }
        return Run(invocation);
    } catch (const UsageError& error) {
        return UsageFailure(error);
    } catch (const std::exception& failure) {
        // Nothing the commands expect; still a failure the user must see.
        Terminal().Message(failure.what());
        return 1;
    }
}
