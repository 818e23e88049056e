#include "link/ProgramLineForms.h"

#include "program/TextSplit.h"

namespace {

bool StartsWith(const std::string& line, char kind) {
    return !line.empty() && line[0] == kind;
}

}  // namespace

bool IsWirelessSwitchLine(const std::string& line) {
    return StartsWith(line, 'R') && line.find("HABILITADO") != std::string::npos;
}

bool EnablesWireless(const std::string& switchLine) {
    return switchLine.find_first_of("Yy") != std::string::npos;
}

std::string NormalisedReadLine(const std::string& line) {
    if (StartsWith(line, 'S') || StartsWith(line, 'R')) return line;
    std::string joined;
    for (const std::string& piece : SplitAtSpaces(line)) {
        if (!joined.empty()) joined += ' ';
        joined += piece;
    }
    return joined;
}
