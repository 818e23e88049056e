// Reading the program from a controller played from the fuzz input (see
// ScriptedChannel.h), then loading what was read into the tables, as the
// editor's read command does.
//
// Properties:
// - a failed read shows one message and leaves the caller's lines as they
//   were; a successful one appends exactly the lines it now knows as the
//   controller's program;
// - every line read is non-empty and holds no CR or LF; lines of kinds other
//   than S and R have single spaces between fields and none at either end;
// - whatever was read loads, validates and collects without failing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScriptedChannel.h"
#include "link/ControllerProxy.h"
#include "link/LinkSettings.h"
#include "tables/syntax/ProgramDocument.h"

namespace {

using fuzzwire::ScriptedChannel;
using fuzzwire::ScriptedController;

class CountingFeedback : public ControllerFeedback {
public:
    void ShowMessage(const std::string&) override { ++messages; }
    std::unique_ptr<BusyNotice> ShowBusy(const std::string&) override
    {
        return std::make_unique<BusyNotice>();
    }
    int messages = 0;
};

void CheckReadLine(const std::string& line)
{
    FUZZ_CHECK(!line.empty());
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    if (line[0] == 'S' || line[0] == 'R')
        return;
    FUZZ_CHECK(line.front() != ' ' && line.back() != ' ');
    FUZZ_CHECK(line.find("  ") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptedController controller(std::string(reinterpret_cast<const char*>(data), size));
    ActiveChannelOpener() = [&controller] { return std::make_unique<ScriptedChannel>(controller); };

    CountingFeedback feedback;
    ControllerProxy proxy;
    proxy.SetFeedback(&feedback);
    const std::string before = "Zalready here";
    ProgramLines lines{before};
    const int result = proxy.ReadProgram(lines);
    ActiveChannelOpener() = nullptr;

    FUZZ_CHECK(!lines.empty() && lines[0] == before);
    if (result != 0) {
        FUZZ_CHECK(result == -1 && feedback.messages == 1);
        FUZZ_CHECK(lines.size() == 1 && proxy.KnownProgram().empty());
        return 0;
    }
    FUZZ_CHECK(feedback.messages == 0);
    const ProgramLines read(lines.begin() + 1, lines.end());
    FUZZ_CHECK(read == proxy.KnownProgram());
    for (const std::string& line : read)
        CheckReadLine(line);

    ProgramDocument document;
    Messages messages;
    document.LoadAll(read, messages);
    document.Validate();
    document.Collect(true);
    document.Collect(false);
    return 0;
}
