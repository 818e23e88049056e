// Faults of the controller and of the machine, each during writing, reading,
// testing and learning, through the real serial layer against the simulated
// controller. For every case: the one message the user sees, the value the
// operation returns, the caller's lines left as they were, every notice
// closed, the port closed again (a following operation works), and no wait
// beyond what the link's per-byte timeouts allow.
//
// With ZENTROLA_FAULT_TABLE=<file> the cases are also written into that file
// as a Markdown table; docs/fault-table.md is made that way.
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "link/CommPortList.h"
#include "link/SerialPort.h"
#include "tests/link/ProxyTestSupport.h"

namespace proxytest {
namespace {

using F = SimController::Fault;
using Clock = std::chrono::steady_clock;

constexpr unsigned kNormalMs = 300;
constexpr unsigned kDrainMs = 10;
// On top of each bound: a loaded machine, the sanitizers.
constexpr unsigned kSlackMs = 1500;

const char* const kNotFound = "hardware not found";

enum class Op { Write, Read, Test, LearnNec, LearnRaw };
const Op kEveryOp[] = {Op::Write, Op::Read, Op::Test, Op::LearnNec, Op::LearnRaw};

const char* OpName(Op op)
{
    switch (op) {
    case Op::Write: return "write";
    case Op::Read: return "read";
    case Op::Test: return "test";
    case Op::LearnNec: return "learn NEC";
    case Op::LearnRaw: return "learn raw IR";
    }
    return "";
}

const char* OpId(Op op)
{
    switch (op) {
    case Op::Write: return "Write";
    case Op::Read: return "Read";
    case Op::Test: return "Test";
    case Op::LearnNec: return "LearnNec";
    case Op::LearnRaw: return "LearnRaw";
    }
    return "";
}

// Every record kind, a raw IR code among them, and the wireless switch.
ProgramLines FullProgram()
{
    return {"B1 0 1", "M1 N1 D10 N1", "N1 20DF10EF R 1", "C2 " + UpperHex(PatternBytes(2)),
            "S1 PWR ON", "V1 9600", "A1 20DF10EF", "R SSID casa", "R HABILITADO Y"};
}

const char* const kLearnedNec = "20DF40BF N 2";

std::string BlockHeader(std::size_t count)
{
    return "BLOCK " + std::to_string(count) + "\r\n";
}

// The bytes of a reply to "U" after its echo line, with a header of its own.
std::string BlockReplyCounting(std::size_t count)
{
    const std::vector<unsigned char> bytes = PatternBytes(2);
    return BlockHeader(count) + std::string(bytes.begin(), bytes.end()) + "\r\nEND\r\nCRC 0000\r\nok\r\n";
}

// Bytes of a reply before its n-th block byte: the echo line and the header.
std::size_t IntoBlock(const std::string& command, std::size_t blockBytes)
{
    return command.size() + 2 + BlockHeader(512).size() + blockBytes;
}

// How the fault comes about, and before which step of the operation (the
// learn flows have two: the learn command, then reading the code back).
struct Trigger {
    enum class Kind { Controller, NoPort, HeldPort };
    Kind kind = Kind::Controller;
    F fault = F::None;
    std::string prefix;
    std::size_t afterBytes = 0;
    std::string scriptCommand;   // answered with scriptReply after its echo line
    std::string scriptReply;
    int step = 0;
};

Trigger Inject(F fault, std::string prefix, std::size_t afterBytes = 0, int step = 0)
{
    Trigger trigger;
    trigger.fault = fault;
    trigger.prefix = std::move(prefix);
    trigger.afterBytes = afterBytes;
    trigger.step = step;
    return trigger;
}

Trigger Script(std::string command, std::string reply, int step = 0)
{
    Trigger trigger;
    trigger.scriptCommand = std::move(command);
    trigger.scriptReply = std::move(reply);
    trigger.step = step;
    return trigger;
}

// The scripted reply, and the line dead after its first bytes.
Trigger ScriptThenUnplug(const std::string& command, std::string reply, std::size_t afterBytes)
{
    Trigger trigger = Script(command, std::move(reply));
    trigger.fault = F::DisconnectMidExchange;
    trigger.prefix = command;
    trigger.afterBytes = afterBytes;
    return trigger;
}

Trigger Machine(Trigger::Kind kind)
{
    Trigger trigger;
    trigger.kind = kind;
    return trigger;
}

struct Expected {
    std::string message;        // empty: nothing shown, the operation succeeds
    int waits = 0;              // per-byte timeouts waited out on the way
    bool programKnown = false;  // write, test: the lines were all sent
};

Expected Shows(std::string message) { return {std::move(message), 0, false}; }
Expected TimesOut() { return {"timeout", 1, false}; }
Expected ShowsAfterWriting(std::string message) { return {std::move(message), 0, true}; }

struct MatrixCase {
    std::string fault;
    std::string id;
    Op op;
    Trigger trigger;
    Expected expected;
};

void PrintTo(const MatrixCase& c, std::ostream* out)
{
    *out << c.fault << " / " << OpName(c.op);
}

std::vector<MatrixCase> Cases()
{
    std::vector<MatrixCase> cases;
    // The table names the command a fault hits, unless the fault names it.
    auto add = [&cases](std::string fault, const std::string& id, Op op, Trigger trigger, Expected expected) {
        const std::string& command = trigger.scriptCommand.empty() ? trigger.prefix : trigger.scriptCommand;
        if (!command.empty() && fault.find('`') == std::string::npos)
            fault += ", at `" + command + "`";
        cases.push_back({fault, id + "_" + OpId(op), op, std::move(trigger), std::move(expected)});
    };
    auto refused = [&add](Op op, const std::string& command, int step, Expected expected) {
        std::string id = command == "*" ? "Identification" : command == "@" ? "Erase" : command;
        for (char& c : id)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        add("`?` to `" + command + "`", "Refused" + id, op, Inject(F::RefuseAll, command, 0, step),
            std::move(expected));
    };

    for (Op op : kEveryOp)
        add("controller absent", "Absent", op, Machine(Trigger::Kind::NoPort), Shows(kNotFound));
    for (Op op : kEveryOp)
        add("port held by another program", "PortHeld", op, Machine(Trigger::Kind::HeldPort), Shows(kNotFound));
    for (Op op : kEveryOp)
        add("wrong identification", "WrongIdentification", op, Inject(F::WrongIdentification, ""),
            Shows(kNotFound));

    const std::string silentBefore = "silence before the reply";
    add(silentBefore, "SilenceBefore", Op::Write, Inject(F::Silence, "D2"), TimesOut());
    add(silentBefore, "SilenceBefore", Op::Read, Inject(F::Silence, "X"), TimesOut());
    add(silentBefore, "SilenceBefore", Op::Test, Inject(F::Silence, "T"), {"timeout", 1, true});
    add(silentBefore, "SilenceBefore", Op::LearnNec, Inject(F::Silence, "N5 L"), TimesOut());
    add(silentBefore, "SilenceBefore", Op::LearnRaw, Inject(F::Silence, "U6", 0, 1), TimesOut());

    const std::string silentWithin = "silence in the middle of a reply";
    add(silentWithin, "SilenceWithin", Op::Write, Inject(F::DropBytes, "D2", 100), TimesOut());
    add(silentWithin, "SilenceWithin", Op::Read, Script("N", "N1 20DF10EF R 1\r\nN2 20"), TimesOut());
    add(silentWithin, "SilenceWithin", Op::Test, Script("T B1", "o"), {"timeout", 1, true});
    add(silentWithin, "SilenceWithin", Op::LearnNec, Script("N", "N5 20DF", 1), TimesOut());
    add(silentWithin, "SilenceWithin", Op::LearnRaw, Script("U6", BlockHeader(512) + std::string(100, '\x11'), 1),
        TimesOut());

    for (Op op : kEveryOp)
        refused(op, "*", 0, Shows(kNotFound));
    refused(Op::Write, "@", 0, Shows("error: @"));
    refused(Op::Write, "R HABILITADO N", 0, Shows("error: R HABILITADO N"));
    refused(Op::Write, "N1 20DF10EF R 1", 0, Shows("error: N1 20DF10EF R 1"));
    refused(Op::Write, "D2", 0, Shows("error: D2"));
    refused(Op::Write, "R HABILITADO Y", 0, ShowsAfterWriting("error: R HABILITADO Y"));
    refused(Op::Read, "B", 0, Shows("error: B"));
    refused(Op::Read, "X", 0, Shows(""));   // read as the numbers 1 to 30
    refused(Op::Read, "U2", 0, Shows("error: U2"));
    refused(Op::Read, "R", 0, Shows("error: R"));
    refused(Op::Test, "N1 20DF10EF R 1", 0, Shows("error: N1 20DF10EF R 1"));
    refused(Op::Test, "T B1", 0, ShowsAfterWriting("error: T B1"));
    refused(Op::LearnNec, "N5 L", 0, Shows("error: N5 L"));
    refused(Op::LearnNec, "N", 1, Shows("error: N"));
    refused(Op::LearnRaw, "C6", 0, Shows("error: C6"));
    refused(Op::LearnRaw, "U6", 1, Shows("error: U6"));

    const std::string garbage = "garbage instead of the reply";
    add(garbage, "Garbage", Op::Write, Inject(F::Garbage, "N1"), TimesOut());
    add(garbage, "Garbage", Op::Read, Inject(F::Garbage, "U2"), Shows("error: U2"));   // no block header
    add(garbage, "Garbage", Op::Test, Inject(F::Garbage, "T"), {"timeout", 1, true});
    add(garbage, "Garbage", Op::LearnNec, Inject(F::Garbage, "N", 0, 1), TimesOut());
    add(garbage, "Garbage", Op::LearnRaw, Inject(F::Garbage, "U6", 0, 1), Shows("error: U6"));

    for (F fault : {F::OverlongLine, F::EndlessLine}) {
        const bool endless = fault == F::EndlessLine;
        const std::string name = endless ? "a line that never ends" : "over-long line (100000 bytes)";
        const std::string id = endless ? "EndlessLine" : "OverlongLine";
        add(name, id, Op::Write, Inject(fault, "N1"), Shows("error: N1 20DF10EF R 1"));
        add(name, id, Op::Read, Inject(fault, "B"), Shows("error: B"));
        add(name, id, Op::Test, Inject(fault, "T"), ShowsAfterWriting("error: T B1"));
        add(name, id, Op::LearnNec, Inject(fault, "N", 0, 1), Shows("error: N"));
        add(name, id, Op::LearnRaw, Inject(fault, "U6", 0, 1), Shows("error: U6"));
    }

    const std::string badAck = "wrong acknowledgement byte";
    add(badAck, "BadAck", Op::Write, Inject(F::BadAck, "D2", 40), Shows("error: D2"));
    add(badAck, "BadAck", Op::Test, Inject(F::BadAck, "D2", 40), Shows("error: D2"));

    const std::string noCount = "block header without a count";
    add(noCount, "HeaderWithoutCount", Op::Write, Inject(F::HeaderWithoutCount, "D2"), Shows("error: D2"));
    add(noCount, "HeaderWithoutCount", Op::Read, Inject(F::HeaderWithoutCount, "U2"), Shows("error: U2"));
    add(noCount, "HeaderWithoutCount", Op::Test, Inject(F::HeaderWithoutCount, "D2"), Shows("error: D2"));
    add(noCount, "HeaderWithoutCount", Op::LearnRaw, Inject(F::HeaderWithoutCount, "U6", 0, 1),
        Shows("error: U6"));

    const std::string tooMany = "count larger than the block";
    add(tooMany, "CountLarger", Op::Write, Inject(F::CountLargerThanBlock, "D2"), Shows("error: D2"));
    add(tooMany, "CountLarger", Op::Read, Script("U2", BlockReplyCounting(600)), TimesOut());
    add(tooMany, "CountLarger", Op::Test, Inject(F::CountLargerThanBlock, "D2"), Shows("error: D2"));
    add(tooMany, "CountLarger", Op::LearnRaw, Script("U6", BlockReplyCounting(600), 1), TimesOut());
    // A count no block comes near is refused before its bytes are read: the
    // link does not read on for as long as a broken controller keeps sending.
    const std::string flood = BlockHeader(1000000) + std::string(100000, '\x22');
    const std::string beyond = "count beyond any block (1000000)";
    add(beyond, "CountBeyondAnyBlock", Op::Read, Script("U2", flood), Shows("error: U2"));
    add(beyond, "CountBeyondAnyBlock", Op::LearnRaw, Script("U6", flood, 1), Shows("error: U6"));
    add("count below zero", "NegativeCount", Op::Read, Script("U2", "BLOCK -1\r\nok\r\n"), Shows("error: U2"));

    // Unplugged after 64 acknowledgements of a written block, after 200
    // bytes of a read one, and within the lines of the NEC query.
    const std::string unplugged = "disconnect in the middle of a block";
    const std::string acked = BlockHeader(512) + std::string(64, '.');
    add(unplugged, "Unplugged", Op::Write, ScriptThenUnplug("D2", acked, IntoBlock("D2", 64)),
        Shows("read port error"));
    add(unplugged, "Unplugged", Op::Read, Inject(F::DisconnectMidExchange, "U2", IntoBlock("U2", 200)),
        Shows("read port error"));
    add(unplugged, "Unplugged", Op::Test, ScriptThenUnplug("D2", acked, IntoBlock("D2", 64)),
        Shows("read port error"));
    add("disconnect in the middle of a reply", "Unplugged", Op::LearnNec,
        Inject(F::DisconnectMidExchange, "N", 3 + 6, 1), Shows("read port error"));
    add(unplugged, "Unplugged", Op::LearnRaw, Inject(F::DisconnectMidExchange, "U6", IntoBlock("U6", 200), 1),
        Shows("read port error"));
    return cases;
}

// What an operation gave its caller.
struct Outcome {
    bool failed = false;
    std::string result;       // as the table shows it
    bool listRight = false;   // on failure untouched, on success filled
};

std::string Seconds(unsigned ms)
{
    std::ostringstream text;
    text << ms / 1000 << '.' << (ms % 1000) / 100 << " s";
    return text.str();
}

// The Markdown table, when asked for.
class FaultTable {
public:
    static void Begin()
    {
        const char* path = std::getenv("ZENTROLA_FAULT_TABLE");
        if (path == nullptr || *path == '\0')
            return;
        std::ofstream out(path, std::ios::trunc);
        out << "# Fault table\n\n"
               "What the controller operations do when the controller or the machine misbehaves. Each row\n"
               "is one case of `tests/link/FaultMatrixTest.cpp`, run through the real serial layer against\n"
               "the simulated controller; the test writes this file when asked:\n\n"
               "    ZENTROLA_FAULT_TABLE=docs/fault-table.md <build>/tests/link_tests "
               "--gtest_filter='Matrix/FaultMatrixTest.*'\n\n"
               "- operation: write is `WriteProgram` of a program with every record kind, a raw IR code\n"
               "  among them; read is `ReadProgram`; test is `TestLine` of B1 while the controller holds\n"
               "  another program, so the program is written first; learn NEC is `SendAndWait` \"N5 L\",\n"
               "  then `QueryLines` \"N\"; learn raw IR is `SendAndWait` \"C6\", then `ReadRawIr` \"6\".\n"
               "- fault: where it needs one, the command it hits (a prefix: `T` is \"T B1\", `N1` the\n"
               "  program line \"N1 20DF10EF R 1\"); nothing else of the exchange goes wrong.\n"
               "- message shown: what the user sees, once; every busy notice of the operation is closed\n"
               "  again.\n"
               "- result: the value returned. The caller's lines are left as they were, so the tables stay\n"
               "  unchanged; a read or a query appends nothing. A write that failed after every line was\n"
               "  sent still counts its program as the controller's, so a test does not write it again.\n"
               "- port free afterwards: right after the operation the port opens exclusively, and the same\n"
               "  operation then succeeds against a healthy controller (after an unplug, once it is\n"
               "  plugged in again; after another program held the port, once it let go).\n"
               "- time bound: the longest the operation may take, in the link's per-byte read timeouts:\n"
               "  *normal* (10 s as shipped) and *drain* (100 ms, the quiet gap that ends the draining\n"
               "  before each command); the seconds are those as shipped. The bytes' own time on the line\n"
               "  comes on top. The test runs with "
            << kNormalMs << " ms and " << kDrainMs
            << " ms and holds each case to its\n"
               "  bound plus one more normal period and "
            << Seconds(kSlackMs) << ".\n\n"
               "| fault | operation | message shown | result | port free afterwards | time bound |\n"
               "|---|---|---|---|---|---|\n";
        Path() = path;
    }

    static void Row(const std::vector<std::string>& cells)
    {
        if (Path().empty())
            return;
        std::ofstream out(Path(), std::ios::app);
        out << '|';
        for (const std::string& cell : cells)
            out << ' ' << cell << " |";
        out << '\n';
    }

private:
    static std::string& Path()
    {
        static std::string path;
        return path;
    }
};

class FaultMatrixTest : public ProxyFixture, public ::testing::WithParamInterface<MatrixCase> {
protected:
    static void SetUpTestSuite() { FaultTable::Begin(); }

    FaultMatrixTest()
    {
        ActiveLinkTimeouts().normalMs = kNormalMs;
        ActiveLinkTimeouts().drainMs = kDrainMs;
        source.program = FullProgram();
        Prepare(*sim);
    }

    ~FaultMatrixTest() override { CommPortList::SetDiscoveryRootsForTesting("", ""); }

    // What the controller holds and learns in every case.
    static void Prepare(SimController& controller)
    {
        for (const std::string& line : FullProgram())
            if (line[0] != 'C')
                controller.Store(line);
        controller.SetRawCode("2", PatternBytes(2));
        controller.SetLearnedNecFields(kLearnedNec);
        controller.SetLearnedRawCode(PatternBytes(60));
    }

    void Arm(const Trigger& trigger)
    {
        switch (trigger.kind) {
        case Trigger::Kind::NoPort: {
            // Nothing announced, and no port of the machine has the name.
            const std::string nowhere = ::testing::TempDir() + "zentrola-no-such-folder";
            PortOverride().clear();
            CommPortList::SetDiscoveryRootsForTesting(nowhere + "/sys", nowhere + "/ports");
            break;
        }
        case Trigger::Kind::HeldPort:
            holder = std::make_unique<SerialPort>(sim->DevicePath(), 9600, 8, 2);
            break;
        case Trigger::Kind::Controller:
            if (!trigger.scriptCommand.empty())
                sim->ScriptReply(trigger.scriptCommand, trigger.scriptReply);
            if (trigger.fault != F::None)
                sim->InjectFault(trigger.fault, trigger.prefix, trigger.afterBytes);
            break;
        }
    }

    // The other program lets go, the controller behaves (plugged in again).
    void Disarm()
    {
        holder.reset();
        CommPortList::SetDiscoveryRootsForTesting("", "");
        sim->ClearFault();
        sim->ClearScripts();
        replugged = !sim->Connected();
        if (replugged) {
            sim = std::make_unique<SimController>(QuietOptions());
            Prepare(*sim);
        }
        PortOverride() = sim->DevicePath();
    }

    bool PortOpensExclusively() const
    {
        try {
            SerialPort probe(sim->DevicePath(), 9600, 8, 2);
            return true;
        } catch (const SerialPortException&) {
            return false;
        }
    }

    // Runs the operation; before(step) comes before each of its steps.
    Outcome Run(Op op, const std::function<void(int)>& before)
    {
        const ProgramLines kept = {"kept"};
        auto listed = [](const ProgramLines& lines, const std::string& line) { return Count(lines, line) == 1; };
        switch (op) {
        case Op::Write: {
            before(0);
            const int result = proxy.WriteProgram(source.program);
            return {result != 0, Returned(result), true};
        }
        case Op::Read: {
            before(0);
            ProgramLines lines = kept;
            const int result = proxy.ReadProgram(lines);
            if (result != 0)
                return {true, "`-1`, list unchanged", lines == kept};
            return {false, "`0`", lines.front() == "kept" && listed(lines, "B1 0 1") &&
                                      listed(lines, source.program[3])};
        }
        case Op::Test: {
            before(0);
            const int result = proxy.TestLine("B1");
            return {result != 0, Returned(result), true};
        }
        case Op::LearnNec: {
            before(0);
            if (proxy.SendAndWait("N5 L") != 0)
                return {true, "`SendAndWait` `-1`, nothing queried", true};
            before(1);
            ProgramLines lines = kept;
            if (proxy.QueryLines("N", lines) != 0)
                return {true, "`QueryLines` `-1`, list unchanged", lines == kept};
            return {false, "`0`", lines.front() == "kept" && listed(lines, std::string("N5 ") + kLearnedNec)};
        }
        case Op::LearnRaw: {
            before(0);
            if (proxy.SendAndWait("C6") != 0)
                return {true, "`SendAndWait` `-1`, nothing read", true};
            before(1);
            const std::string code = proxy.ReadRawIr("6");
            if (code.empty())
                return {true, "`ReadRawIr` empty text", true};
            return {false, "`0`", code == "C6 " + UpperHex(PatternBytes(60))};
        }
        }
        return {};
    }

    // Write and test: whether the controller counts as holding the program.
    std::string Returned(int result) const
    {
        std::string text = "`" + std::to_string(result) + "`";
        if (result != 0 && !proxy.KnownProgram().empty())
            text += ", program counted as written";
        return text;
    }

    ProgramLines ExpectedKnownProgram(const MatrixCase& c) const
    {
        return c.expected.programKnown ? FullProgram() : ProgramLines();
    }

    std::unique_ptr<SerialPort> holder;
    bool replugged = false;
};

TEST_P(FaultMatrixTest, FailsOnceWithinItsTimeoutsAndFreesThePort)
{
    const MatrixCase& c = GetParam();
    const bool fails = !c.expected.message.empty();

    const Clock::time_point start = Clock::now();
    const Outcome outcome = Run(c.op, [&](int step) {
        if (step == c.trigger.step)
            Arm(c.trigger);
    });
    const auto elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();

    // Every drain ends on a quiet gap: one per command, one more per link
    // (each starts with "*"), and one after a refused block.
    const std::vector<std::string> commands = sim->CommandsReceived();
    const unsigned drains = static_cast<unsigned>(commands.size() + Count(commands, "*") + 1);
    const unsigned waits = static_cast<unsigned>(c.expected.waits);
    const unsigned boundMs = (waits + 1) * kNormalMs + drains * kDrainMs + kSlackMs;
    EXPECT_LE(elapsedMs, boundMs);

    EXPECT_EQ(outcome.failed, fails);
    EXPECT_EQ(feedback.messages, fails ? std::vector<std::string>{c.expected.message} : std::vector<std::string>());
    ExpectNoticesBalanced();
    EXPECT_TRUE(outcome.listRight);
    EXPECT_EQ(source.program, FullProgram());
    if (c.op == Op::Write || c.op == Op::Test || fails) {
        EXPECT_EQ(proxy.KnownProgram(), ExpectedKnownProgram(c));
    }
    const std::vector<std::string> shown = feedback.messages;

    Disarm();
    const bool portFree = PortOpensExclusively();
    EXPECT_TRUE(portFree);
    feedback = RecordingFeedback();
    const Outcome next = Run(c.op, [](int) {});
    EXPECT_FALSE(next.failed);
    EXPECT_TRUE(next.listRight);
    EXPECT_TRUE(feedback.messages.empty());
    ExpectNoticesBalanced();

    const LinkTimeouts shipped;
    std::string bound = waits == 0 ? "" : (waits == 1 ? "normal + " : std::to_string(waits) + " normal + ");
    bound += std::to_string(drains) + (drains == 1 ? " drain (" : " drains (") + Seconds(waits * shipped.normalMs + drains * shipped.drainMs) + ")";
    std::string freed = portFree && !next.failed && feedback.messages.empty() ? "yes" : "**no**";
    if (replugged)
        freed += ", once plugged in again";
    else if (c.trigger.kind == Trigger::Kind::HeldPort)
        freed += ", once the other program let go";
    std::string message = shown.empty() ? "(none)" : "\"" + shown.front() + "\"";
    for (std::size_t i = 1; i < shown.size(); ++i)
        message += ", \"" + shown[i] + "\"";
    FaultTable::Row({c.fault, OpName(c.op), message, outcome.failed ? outcome.result : "`0`", freed, bound});
}

INSTANTIATE_TEST_SUITE_P(Matrix, FaultMatrixTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<MatrixCase>& info) { return info.param.id; });

}  // namespace
}  // namespace proxytest
