// The controller's side of the wire, played from the fuzz input (see
// ScriptedChannel.h), against the link's exchanges in the order an operation
// uses them: a text command, a refused-or-accepted test, a block read, a block
// write with its acknowledgements, the erase and the raw IR list.
//
// Properties:
// - only MvcpException and SerialPortException leave an exchange, and an
//   MvcpException names the command it was about;
// - data lines are never empty, never start with ".", hold no CR or LF and
//   are never longer than the link's limit;
// - a block read that succeeds holds exactly the bytes that followed the
//   header, as many as the header counted;
// - a block write sends nothing but a prefix of the caller's block, never
//   more bytes than acknowledgements it waits for allow, and when it
//   succeeds every byte sent was answered by "." or "/".
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScriptedChannel.h"
#include "link/LinkSettings.h"
#include "link/MvcpLink.h"

namespace {

using fuzzwire::ScriptedChannel;
using fuzzwire::ScriptedController;
using Wire = std::vector<std::pair<char, char>>;

std::vector<unsigned char> PatternBlock()
{
    std::vector<unsigned char> block(512);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<unsigned char>(i * 37 + 11);
    return block;
}

template <typename Exchange>
bool Guarded(const std::string& command, Exchange exchange)
{
    try {
        exchange();
        return true;
    } catch (const MvcpException& e) {
        FUZZ_CHECK(std::string(e.what()) == "error: " + command);
    } catch (const SerialPortException&) {
    }
    return false;
}

// Where the exchange of the command starts: just after its CR was written.
std::size_t AfterCommand(const Wire& wire, std::size_t from, const std::string& command)
{
    std::string written;
    for (std::size_t i = from; i < wire.size(); ++i) {
        if (wire[i].first != '>')
            continue;
        written += wire[i].second;
        if (written == command + "\r")
            return i + 1;
        FUZZ_CHECK(written.size() <= command.size());
    }
    return wire.size();
}

// Reads one reply line from the wire as the controller sent it (CRs dropped),
// moving past it.
std::string LineRead(const Wire& wire, std::size_t& at)
{
    std::string line;
    for (; at < wire.size(); ++at) {
        if (wire[at].first != '<')
            continue;
        if (wire[at].second == '\n') {
            ++at;
            return line;
        }
        if (wire[at].second != '\r')
            line += wire[at].second;
    }
    return line;
}

void TextCommand(MvcpLink& link, const std::string& command)
{
    std::vector<std::string> lines{"kept"};
    Guarded(command, [&] { link.Command(command, lines); });
    FUZZ_CHECK(!lines.empty() && lines[0] == "kept");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        FUZZ_CHECK(!lines[i].empty() && lines[i][0] != '.');
        FUZZ_CHECK(lines[i].find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(lines[i].size() <= MvcpLink::kMaxLineLength);
    }
}

void BlockRead(MvcpLink& link, ScriptedController& controller)
{
    const std::string command = "U7";
    std::vector<unsigned char> block(3, 0);
    const std::size_t from = controller.wire.size();
    if (!Guarded(command, [&] { link.ReadBlock(command, block); }))
        return;
    const Wire& wire = controller.wire;
    std::size_t at = AfterCommand(wire, from, command);
    LineRead(wire, at);
    std::istringstream header(LineRead(wire, at));
    std::string word;
    long long count = -1;
    FUZZ_CHECK(header >> word >> count);
    FUZZ_CHECK(block.size() == static_cast<std::size_t>(count < 0 ? 0 : count));
    for (unsigned char byte : block) {
        FUZZ_CHECK(at < wire.size() && wire[at].first == '<');
        FUZZ_CHECK(static_cast<unsigned char>(wire[at++].second) == byte);
    }
}

void BlockWrite(MvcpLink& link, ScriptedController& controller)
{
    const std::string command = "D7";
    const std::vector<unsigned char> block = PatternBlock();
    const std::size_t from = controller.wire.size();
    const bool succeeded = Guarded(command, [&] { link.WriteBlock(command, block); });
    const Wire& wire = controller.wire;
    std::size_t at = AfterCommand(wire, from, command);
    LineRead(wire, at);
    LineRead(wire, at);
    std::size_t sent = 0;
    std::size_t answered = 0;
    for (; at < wire.size(); ++at) {
        if (wire[at].first == '>') {
            FUZZ_CHECK(sent < block.size());
            FUZZ_CHECK(static_cast<unsigned char>(wire[at].second) == block[sent]);
            ++sent;
            // Groups of 32 go out before their acknowledgements are read.
            FUZZ_CHECK(sent <= answered + 32);
        } else if (answered < sent) {
            const char ack = wire[at].second;
            if (succeeded)
                FUZZ_CHECK(ack == '.' || ack == '/');
            ++answered;
        }
    }
    if (succeeded)
        FUZZ_CHECK(answered == sent);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptedController controller(std::string(reinterpret_cast<const char*>(data), size));
    ActiveChannelOpener() = [&controller] { return std::make_unique<ScriptedChannel>(controller); };
    try {
        MvcpLink link("");
        TextCommand(link, "*");
        TextCommand(link, "T B5");
        BlockRead(link, controller);
        BlockWrite(link, controller);
        Guarded("@", [&] { link.EraseProgram(); });
        TextCommand(link, "X");
    } catch (const MvcpException& e) {
        FUZZ_CHECK(std::string(e.what()) == "hardware not found");
    }
    ActiveChannelOpener() = nullptr;
    return 0;
}
