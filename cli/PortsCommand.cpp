#include "cli/PortsCommand.h"

#include <cstdio>
#include <string>
#include <vector>

#include "cli/PortAccess.h"
#include "cli/Terminal.h"
#include "link/CommPortList.h"

int RunPorts(const Invocation&)
{
    Terminal terminal;
    std::vector<std::string> ids;
    std::vector<std::string> names;
    try {
        CommPortList list;
        list.InitializeCom();
        list.ListPorts(ids, names);
    } catch (const CommPortListException& failure) {
        terminal.Message(failure.what());
        return 1;
    }
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const std::string name = i < names.size() ? names[i] : std::string();
        std::printf("%s\t%s\t%s\n", ids[i].c_str(), name.c_str(), PortAccessText(ids[i]).c_str());
    }
    std::fflush(stdout);
    return 0;
}
