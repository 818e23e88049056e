#include "link/ControllerProxy.h"

#include <iterator>
#include <vector>

#include "link/LinkSettings.h"
#include "link/MvcpLink.h"
#include "link/ProgramLineForms.h"
#include "link/RawIrCode.h"
#include "link/SerialPort.h"
#include "program/TextSplit.h"

namespace {

const char* const kEraseNotice = "Borrando (puede tardar hasta 20 seg)";
const char* const kWifiNotice = "Habilitando WIFI";
const char* const kWriteNotice = "Grabando QMT . . .";
const char* const kTestNotice = "Probando . . .";
const char* const kWaitNotice = "Esperando . . .";
const char* const kReadNotice = "Leyendo QMT. . .";
const std::size_t kNoticeLength = 32;
const int kUnlistedRawIrSlots = 30;

// Used until someone installs real feedback: nothing shown, nothing fails.
class SilentFeedback : public ControllerFeedback {
public:
    void ShowMessage(const std::string&) override {}
    std::unique_ptr<BusyNotice> ShowBusy(const std::string&) override
    {
        return std::make_unique<BusyNotice>();
    }
};

class EmptyProgramSource : public ProgramSource {
public:
    ProgramLines CurrentProgram() override { return {}; }
};

bool StartsWith(const std::string& line, char kind)
{
    return !line.empty() && line[0] == kind;
}

void CommandDroppingReply(MvcpLink& link, const std::string& command)
{
    std::vector<std::string> dropped;
    link.Command(command, dropped);
}

bool IsBlockEmpty(const std::vector<unsigned char>& block)
{
    return block.empty() || block[0] == 0xFF;
}

// A serial port failure after the link is open (the controller fell silent or
// was unplugged) ends an operation exactly like a link error: its text is
// shown and the operation returns its failure value.
template <typename Result, typename Body>
Result ReportingFailures(ControllerFeedback& feedback, Result failure, Body body)
{
    try {
        return body();
    } catch (const MvcpException& e) {
        feedback.ShowMessage(e.what());
    } catch (const SerialPortException& e) {
        feedback.ShowMessage(e.what());
    }
    return failure;
}

}  // namespace

ControllerProxy& TheControllerProxy()
{
    static ControllerProxy proxy;
    return proxy;
}

void ControllerProxy::SetFeedback(ControllerFeedback* newFeedback)
{
    feedback = newFeedback;
}

void ControllerProxy::SetProgramSource(ProgramSource* newSource)
{
    source = newSource;
}

ControllerFeedback& ControllerProxy::Feedback()
{
    static SilentFeedback silent;
    return feedback ? *feedback : silent;
}

ProgramSource& ControllerProxy::Source()
{
    static EmptyProgramSource empty;
    return source ? *source : empty;
}

int ControllerProxy::WriteProgram(const ProgramLines& lines)
{
    knownProgram.clear();
    return ReportingFailures(Feedback(), -1, [&] {
        MvcpLink link(kExpectedIdentification);
        {
            auto notice = Feedback().ShowBusy(kEraseNotice);
            link.EraseProgram();
        }
        CommandDroppingReply(link, "R HABILITADO N");

        bool enableWifi = false;
        for (const std::string& line : lines) {
            auto notice = Feedback().ShowBusy(line.substr(0, kNoticeLength));
            if (StartsWith(line, 'C')) {
                SendRawIrLine(link, line);
            } else if (IsWirelessSwitchLine(line)) {
                enableWifi = EnablesWireless(line);
            } else {
                CommandDroppingReply(link, line);
            }
        }
        knownProgram = lines;

        if (enableWifi) {
            auto notice = Feedback().ShowBusy(kWifiNotice);
            CommandDroppingReply(link, "R HABILITADO Y");
        }
        return 0;
    });
}

void ControllerProxy::SendRawIrLine(MvcpLink& link, const std::string& line)
{
    const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
    if (pieces.size() != 2) {
        Feedback().ShowMessage("error de sintaxis en crudo " + line);
        return;
    }
    if (pieces[1].size() != kRawIrHexChars) {
        Feedback().ShowMessage("error en longitud de crudo serializado");
        return;
    }
    link.WriteBlock("D" + pieces[0], RawIrBytesFromHex(pieces[1]));
}

int ControllerProxy::TestLine(const std::string& target)
{
    const ProgramLines current = Source().CurrentProgram();
    if (current != knownProgram) {
        auto notice = Feedback().ShowBusy(kWriteNotice);
        if (WriteProgram(current) != 0)
            return -1;
    }
    auto notice = Feedback().ShowBusy(kTestNotice);
    return ReportingFailures(Feedback(), -1, [&] {
        MvcpLink link(kExpectedIdentification);
        CommandDroppingReply(link, "T " + target);
        return 0;
    });
}

int ControllerProxy::SendAndWait(const std::string& command)
{
    return ReportingFailures(Feedback(), -1, [&] {
        MvcpLink link(kExpectedIdentification);
        auto notice = Feedback().ShowBusy(kWaitNotice);
        CommandDroppingReply(link, command);
        return 0;
    });
}

std::string ControllerProxy::ReadRawIr(const std::string& number)
{
    return ReportingFailures(Feedback(), std::string(), [&] {
        MvcpLink link(kExpectedIdentification);
        std::vector<unsigned char> block;
        link.ReadBlock("U" + number, block);
        return IsBlockEmpty(block) ? std::string() : RawIrLine(number, block);
    });
}

ProgramLines ControllerProxy::ListRawIrSlots(MvcpLink& link)
{
    std::vector<std::string> reply;
    try {
        link.Command("X", reply);
    } catch (const MvcpException&) {
        ProgramLines all;
        for (int number = 1; number <= kUnlistedRawIrSlots; ++number)
            all.push_back(std::to_string(number));
        return all;
    }
    ProgramLines numbers;
    for (const std::string& line : reply) {
        std::vector<std::string> pieces = SplitAtSpaces(line);
        numbers.insert(numbers.end(), std::make_move_iterator(pieces.begin()),
                       std::make_move_iterator(pieces.end()));
    }
    return numbers;
}

void ControllerProxy::ReadAllRawIr(MvcpLink& link, ProgramLines& lines)
{
    for (const std::string& number : ListRawIrSlots(link)) {
        std::vector<unsigned char> block;
        link.ReadBlock("U" + number, block);
        if (!IsBlockEmpty(block))
            lines.push_back(RawIrLine(number, block));
    }
}

int ControllerProxy::ReadProgram(ProgramLines& lines)
{
    // Stays up until the end, also while a failure is shown.
    auto notice = Feedback().ShowBusy(kReadNotice);
    knownProgram.clear();
    return ReportingFailures(Feedback(), -1, [&] {
        MvcpLink link(kExpectedIdentification);
        std::vector<std::string> collected;
        for (const char* command : {"B", "M", "N"})
            link.Command(command, collected);
        ReadAllRawIr(link, collected);
        for (const char* command : {"S", "V", "A", "R"})
            link.Command(command, collected);

        // Appended only now, so a failure leaves the caller's list as it was.
        ProgramLines read;
        for (const std::string& line : collected) {
            std::string normalised = NormalisedReadLine(line);
            if (!normalised.empty())
                read.push_back(std::move(normalised));
        }
        lines.insert(lines.end(), read.begin(), read.end());
        knownProgram = std::move(read);
        return 0;
    });
}

int ControllerProxy::QueryLines(const std::string& command, ProgramLines& lines)
{
    return ReportingFailures(Feedback(), -1, [&] {
        MvcpLink link(kExpectedIdentification);
        ProgramLines reply;
        if (StartsWith(command, 'C'))
            ReadAllRawIr(link, reply);
        else
            link.Command(command, reply);
        lines.insert(lines.end(), reply.begin(), reply.end());
        return 0;
    });
}

bool ControllerProxy::WriteToController(const ProgramLines& lines)
{
    return WriteProgram(lines) == 0;
}

bool ControllerProxy::ReadFromController(ProgramLines& lines)
{
    return ReadProgram(lines) == 0;
}
