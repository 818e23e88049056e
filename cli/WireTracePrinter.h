#pragma once
// The --trace option: every byte exchanged with the controller, printed on
// stderr as lines. A command line or a reply line (ended by CR or LF, a CR LF
// pair staying together) becomes one quoted line with its control bytes
// escaped; the raw bytes of a block, as announced by the block header that
// answers "U" or "D", are printed as hex, 32 to a line, and the
// acknowledgements of each group as one line. Each line carries the time of
// its first byte in ms since the printer started and the direction: '>' to
// the controller, '<' from it.
#include <chrono>
#include <string>

#include "link/LinkSettings.h"

class Terminal;

class WireTracePrinter {
public:
    explicit WireTracePrinter(Terminal& terminal);

    void Byte(char direction, unsigned char byte);

    // Prints the line in progress.
    void Flush();
    // At the end of an operation: prints the line in progress and forgets
    // any block that a failure cut short.
    void EndExchange();

private:
    void Append(char direction, unsigned char byte, bool block);
    void FinishLine();
    void FollowProtocol(char direction, const std::string& text);

    Terminal& terminal;
    const std::chrono::steady_clock::time_point start;

    std::string line;             // bytes of the line in progress
    char lineDirection = 0;
    bool lineIsBlock = false;
    bool crPending = false;       // a reply line ended by CR; an LF may follow
    long long lineStartMs = 0;

    char blockCommand = 0;        // 'U' or 'D' while its header is awaited
    int repliesSinceCommand = 0;  // reply lines since the last command line
    char blockDirection = 0;
    long long blockRemaining = 0;
    long long acksPending = 0;    // acknowledgements owed for block bytes sent
};

// Installs a printer as the wire observer and as the terminal's output hook
// for its lifetime.
class WireTraceInstalled {
public:
    WireTraceInstalled(WireTracePrinter& printer, Terminal& terminal);
    ~WireTraceInstalled();
    WireTraceInstalled(const WireTraceInstalled&) = delete;
    WireTraceInstalled& operator=(const WireTraceInstalled&) = delete;

private:
    Terminal& terminal;
    WireTrace saved;
};
