#pragma once
// The tool's arguments: a command, its operands and the options of the
// controller commands.
#include <stdexcept>
#include <string>
#include <vector>

// Arguments the tool cannot run with. The text (Windows-1252) says what is
// wrong; the usage text follows it on stderr.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& text) : std::runtime_error(text) {}
};

struct Invocation {
    std::string command;
    std::vector<std::string> operands;
    std::string port;       // --port DEVICE; empty: search the ports by name
    bool trace = false;     // --trace
    bool verify = false;    // --verify
    bool help = false;      // --help, -h, or the command "help"
};

// Options may stand anywhere after the command. Throws UsageError.
Invocation ParseCommandLine(const std::vector<std::string>& arguments);

// Windows-1252.
std::string UsageText();
