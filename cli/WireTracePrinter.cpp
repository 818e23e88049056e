#include "cli/WireTracePrinter.h"

#include <cstdio>
#include <sstream>

#include "cli/Terminal.h"

namespace {

const std::size_t kBytesPerHexLine = 32;

std::string Escaped(const std::string& bytes)
{
    std::string text;
    for (unsigned char byte : bytes) {
        switch (byte) {
        case '\r': text += "\\r"; break;
        case '\n': text += "\\n"; break;
        case '\t': text += "\\t"; break;
        case '"': text += "\\\""; break;
        case '\\': text += "\\\\"; break;
        default:
            if (byte < 0x20 || byte >= 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", byte);
                text += hex;
            } else {
                text += static_cast<char>(byte);
            }
        }
    }
    return text;
}

std::string Hex(const std::string& bytes)
{
    std::string text = "[" + std::to_string(bytes.size()) + "]";
    for (unsigned char byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        text += hex;
    }
    return text;
}

bool EndsWith(const std::string& text, char last)
{
    return !text.empty() && text.back() == last;
}

// The count of a block header, "BLOCK 512"; -1 when there is none.
long long HeaderCount(const std::string& header)
{
    std::istringstream fields(header);
    std::string word;
    long long count = -1;
    if (!(fields >> word >> count))
        return -1;
    return count;
}

}  // namespace

WireTracePrinter::WireTracePrinter(Terminal& terminal)
    : terminal(terminal), start(std::chrono::steady_clock::now())
{
}

void WireTracePrinter::Byte(char direction, unsigned char byte)
{
    if (!line.empty() && direction != lineDirection)
        FinishLine();
    if (crPending) {
        if (byte == '\n') {
            line += '\n';
            FinishLine();
            return;
        }
        FinishLine();
    }

    if (blockRemaining > 0 && direction == blockDirection) {
        Append(direction, byte, true);
        --blockRemaining;
        if (direction == '>')
            ++acksPending;
        if (line.size() == kBytesPerHexLine || blockRemaining == 0)
            FinishLine();
        return;
    }
    if (acksPending > 0 && direction == '<') {
        Append(direction, byte, false);
        if (--acksPending == 0)
            FinishLine();
        return;
    }

    Append(direction, byte, false);
    if (byte == '\n')
        FinishLine();
    else if (byte == '\r' && direction == '>')
        FinishLine();   // commands end with CR alone
    else if (byte == '\r')
        crPending = true;
}

void WireTracePrinter::Append(char direction, unsigned char byte, bool block)
{
    if (line.empty()) {
        lineDirection = direction;
        lineIsBlock = block;
        lineStartMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start).count();
    }
    line += static_cast<char>(byte);
}

void WireTracePrinter::FinishLine()
{
    crPending = false;
    if (line.empty())
        return;
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%8lld ms %c ", lineStartMs, lineDirection);
    terminal.TraceLine(stamp + (lineIsBlock ? Hex(line) : "\"" + Escaped(line) + "\""));
    const std::string finished = std::move(line);
    line.clear();
    if (!lineIsBlock)
        FollowProtocol(lineDirection, finished);
}

// Which bytes are a block: after a command "U..." or "D...", the first
// reply line is the discarded one and the second the block header.
void WireTracePrinter::FollowProtocol(char direction, const std::string& text)
{
    if (direction == '>') {
        if (EndsWith(text, '\r')) {
            blockCommand = (text[0] == 'U' || text[0] == 'D') ? text[0] : 0;
            repliesSinceCommand = 0;
        }
        return;
    }
    if (!blockCommand || !EndsWith(text, '\n'))
        return;
    if (++repliesSinceCommand < 2)
        return;
    const long long count = HeaderCount(text);
    if (count > 0) {
        blockDirection = blockCommand == 'U' ? '<' : '>';
        blockRemaining = count;
    }
    blockCommand = 0;
}

void WireTracePrinter::Flush()
{
    FinishLine();
}

void WireTracePrinter::EndExchange()
{
    FinishLine();
    blockCommand = 0;
    repliesSinceCommand = 0;
    blockDirection = 0;
    blockRemaining = 0;
    acksPending = 0;
}

WireTraceInstalled::WireTraceInstalled(WireTracePrinter& printer, Terminal& terminal)
    : terminal(terminal), saved(ActiveWireTrace())
{
    ActiveWireTrace() = [&printer](char direction, unsigned char byte) { printer.Byte(direction, byte); };
    terminal.SetBeforeOutput([&printer] { printer.Flush(); });
}

WireTraceInstalled::~WireTraceInstalled()
{
    terminal.SetBeforeOutput(nullptr);
    ActiveWireTrace() = saved;
}
