#include "cli/WriteVerification.h"

#include <cctype>
#include <map>

#include "link/ProgramLineForms.h"
#include "program/TextSplit.h"

namespace {

bool StartsWith(const std::string& line, char kind)
{
    return !line.empty() && line[0] == kind;
}

// "C3 aa55..." as a read gives it back, or "" for a code that reads as empty.
std::string RawIrAsRead(const std::string& line)
{
    const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
    if (pieces.size() != 2)
        return NormalisedReadLine(line);
    std::string code = pieces[1];
    for (char& c : code)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (code.compare(0, 2, "FF") == 0)
        return {};
    return "C" + pieces[0] + " " + code;
}

}  // namespace

ProgramLines ExpectedReadBack(const ProgramLines& written)
{
    ProgramLines expected;
    bool enableWifi = false;
    std::size_t switchPosition = std::string::npos;
    for (const std::string& line : written) {
        std::string asRead;
        if (IsWirelessSwitchLine(line)) {
            enableWifi = EnablesWireless(line);
            if (switchPosition == std::string::npos)
                switchPosition = expected.size();
            continue;
        }
        if (StartsWith(line, 'C'))
            asRead = RawIrAsRead(line);
        else
            asRead = NormalisedReadLine(line);
        if (!asRead.empty())
            expected.push_back(asRead);
    }
    const std::string wireless = enableWifi ? "R HABILITADO Y" : "R HABILITADO N";
    if (switchPosition == std::string::npos)
        expected.push_back(wireless);
    else
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(switchPosition), wireless);
    return expected;
}

std::vector<LineDifference> CompareReadBack(const ProgramLines& expected, const ProgramLines& read)
{
    std::map<std::string, int> unmatchedRead;
    for (const std::string& line : read)
        ++unmatchedRead[line];

    std::vector<LineDifference> differences;
    std::map<std::string, int> matchedExpected;
    for (const std::string& line : expected) {
        auto found = unmatchedRead.find(line);
        if (found != unmatchedRead.end() && found->second > 0) {
            --found->second;
            ++matchedExpected[line];
        } else {
            differences.push_back({'-', line});
        }
    }
    for (const std::string& line : read) {
        auto matched = matchedExpected.find(line);
        if (matched != matchedExpected.end() && matched->second > 0)
            --matched->second;
        else
            differences.push_back({'+', line});
    }
    return differences;
}
