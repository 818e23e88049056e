#include "cli/StderrFeedback.h"

#include "cli/Terminal.h"

namespace {

// A write announces each line by its first 32 characters.
const std::size_t kNoticeLength = 32;

}  // namespace

void StderrFeedback::ExpectWrite(ProgramLines lines)
{
    written = std::move(lines);
    nextLine = 0;
}

void StderrFeedback::ShowMessage(const std::string& text)
{
    terminal.Message(text);
}

std::unique_ptr<BusyNotice> StderrFeedback::ShowBusy(const std::string& text)
{
    if (nextLine < written.size() && text == written[nextLine].substr(0, kNoticeLength)) {
        ++nextLine;
        terminal.Notice("[" + std::to_string(nextLine) + "/" + std::to_string(written.size()) + "] " + text);
        // A later write of the same lines (a test writes first) counts anew.
        if (nextLine == written.size())
            nextLine = 0;
    } else {
        terminal.Notice(text);
    }
    return std::make_unique<BusyNotice>();
}
