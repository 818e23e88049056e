#pragma once
// Applies terminal settings straight through the kernel, without the C
// library's tcsetattr. That one reads the settings back and reports
// EINVAL when a request changed nothing visible but asked for parity: a
// pseudo-terminal accepts PARENB and always reports it cleared, so the
// second open of the same pseudo-terminal would fail.
#include <cstddef>

struct TerminalFlags {
    unsigned iflag;
    unsigned oflag;
    unsigned cflag;
    unsigned lflag;
    unsigned char line;
    const unsigned char* cc;   // control characters, in the C library's order
    std::size_t ccCount;
};

// True when the kernel took the settings (TCSETS: at once).
bool SetTerminalFlags(int fd, const TerminalFlags& flags);
