// Operations when the controller is missing, refuses to talk, falls silent or
// is unplugged: each fails with one message, closes its notices and leaves the
// next operation free to work.
#include <functional>

#include "link/CommPortList.h"
#include "tests/link/ProxyTestSupport.h"

namespace proxytest {
namespace {

struct Operation {
    const char* name;
    std::function<bool(ControllerProxy&)> failed;
};

std::vector<Operation> Operations()
{
    return {
        {"WriteProgram", [](ControllerProxy& p) { return p.WriteProgram({"V1 9600"}) == -1; }},
        {"ReadProgram", [](ControllerProxy& p) { ProgramLines l; return p.ReadProgram(l) == -1 && l.empty(); }},
        {"TestLine", [](ControllerProxy& p) { return p.TestLine("B1") == -1; }},
        {"SendAndWait", [](ControllerProxy& p) { return p.SendAndWait("A1 L") == -1; }},
        {"ReadRawIr", [](ControllerProxy& p) { return p.ReadRawIr("1").empty(); }},
        {"QueryLines", [](ControllerProxy& p) { ProgramLines l; return p.QueryLines("A", l) == -1 && l.empty(); }},
        {"QueryRawLines", [](ControllerProxy& p) { ProgramLines l; return p.QueryLines("C1", l) == -1 && l.empty(); }},
    };
}

enum class Absence { NoPortListed, PortGone, WrongIdentification, NoIdentificationLine, Silent };

struct NoControllerCase {
    Absence absence;
    Operation operation;
};

std::string AbsenceName(Absence absence)
{
    switch (absence) {
    case Absence::NoPortListed: return "NoPortListed";
    case Absence::PortGone: return "PortGone";
    case Absence::WrongIdentification: return "WrongIdentification";
    case Absence::NoIdentificationLine: return "NoIdentificationLine";
    case Absence::Silent: return "Silent";
    }
    return "";
}

std::vector<NoControllerCase> NoControllerCases()
{
    std::vector<NoControllerCase> cases;
    for (Absence absence : {Absence::NoPortListed, Absence::PortGone, Absence::WrongIdentification,
                            Absence::NoIdentificationLine, Absence::Silent})
        for (const Operation& operation : Operations())
            cases.push_back({absence, operation});
    return cases;
}

class NoControllerTest : public ProxyFixture, public ::testing::WithParamInterface<NoControllerCase> {
protected:
    void SetUp() override
    {
        switch (GetParam().absence) {
        case Absence::NoPortListed:
            // Nothing announced and no machine port carries the device name.
            PortOverride().clear();
            CommPortListRoots(emptyDir);
            break;
        case Absence::PortGone:
            sim->Disconnect();
            break;
        case Absence::WrongIdentification:
            sim->InjectFault(SimController::Fault::WrongIdentification);
            break;
        case Absence::NoIdentificationLine:
            sim->InjectFault(SimController::Fault::NoIdentificationLine);
            break;
        case Absence::Silent:
            sim->InjectFault(SimController::Fault::Silence);
            break;
        }
    }

    void TearDown() override
    {
        if (GetParam().absence == Absence::NoPortListed)
            CommPortList::SetDiscoveryRootsForTesting("", "");
    }

    static void CommPortListRoots(const std::string& dir)
    {
        CommPortList::SetDiscoveryRootsForTesting(dir + "/sys", dir + "/ports");
    }

    const std::string emptyDir = ::testing::TempDir() + "zentrola-no-such-folder";
};

TEST_P(NoControllerTest, FailsWithHardwareNotFoundShownOnce)
{
    EXPECT_TRUE(GetParam().operation.failed(proxy));
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"hardware not found"});
    EXPECT_TRUE(proxy.KnownProgram().empty());
    ExpectNoticesBalanced();
}

INSTANTIATE_TEST_SUITE_P(Cases, NoControllerTest, ::testing::ValuesIn(NoControllerCases()),
                         [](const auto& info) {
                             return AbsenceName(info.param.absence) + "_" + info.param.operation.name;
                         });

class WriteFirstTest : public ProxyFixture {};

TEST_F(WriteFirstTest, TestThatMustWriteFirstShowsTheMissingControllerOnceFromTheWrite)
{
    sim->Disconnect();
    source.program = {"B1 0 1"};
    EXPECT_EQ(proxy.TestLine("B1"), -1);
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Grabando QMT . . .", "!hardware not found",
                                                         "-Grabando QMT . . ."}));
}

// The link opened; then the controller misbehaves in the middle of a write.
struct MidWriteCase {
    const char* name;
    SimController::Fault fault;
    const char* commandPrefix;
    std::size_t afterBytes;
    const char* message;
    bool programKnown;     // the lines were all sent before the failure
};

class MidWriteFailureTest : public ProxyFixture, public ::testing::WithParamInterface<MidWriteCase> {};

TEST_P(MidWriteFailureTest, EndsTheWriteAndTheNextOperationWorks)
{
    const ProgramLines program = {"B1 0 1", "C2 " + UpperHex(PatternBytes(2)), "N1 20DF10EF R 1",
                                  "R HABILITADO Y"};
    sim->InjectFault(GetParam().fault, GetParam().commandPrefix, GetParam().afterBytes);

    EXPECT_EQ(proxy.WriteProgram(program), -1);

    EXPECT_EQ(feedback.messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(feedback.events.back(), std::string("!") + GetParam().message);   // after the notices went
    ExpectNoticesBalanced();
    EXPECT_EQ(proxy.KnownProgram(), GetParam().programKnown ? program : ProgramLines());

    if (sim->Connected()) {
        sim->ClearFault();
    } else {
        sim = std::make_unique<SimController>(QuietOptions());
        PortOverride() = sim->DevicePath();
    }
    feedback.messages.clear();
    EXPECT_EQ(proxy.WriteProgram(program), 0);
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(sim->RawCodes().count("2"), 1u);
    EXPECT_EQ(proxy.KnownProgram(), program);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidWriteFailureTest,
    ::testing::Values(
        MidWriteCase{"SilentAtLine", SimController::Fault::Silence, "N1", 0, "timeout", false},
        MidWriteCase{"SilentDuringErase", SimController::Fault::Silence, "@", 0, "timeout", false},
        MidWriteCase{"BlockBytesSwallowed", SimController::Fault::DropBytes, "D2", 100, "timeout", false},
        MidWriteCase{"RefusedWifiSwitch", SimController::Fault::RefuseAll, "R HABILITADO Y", 0,
                     "error: R HABILITADO Y", true},
        MidWriteCase{"BadAcknowledgement", SimController::Fault::BadAck, "D2", 40, "error: D2", false},
        MidWriteCase{"HeaderWithoutCount", SimController::Fault::HeaderWithoutCount, "D2", 0, "error: D2", false},
        MidWriteCase{"UnpluggedInBlock", SimController::Fault::DisconnectMidExchange, "D2", 20, "read port error", false},
        MidWriteCase{"UnpluggedAtLine", SimController::Fault::DisconnectMidExchange, "B1", 3, "read port error", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TheControllerProxyTest, IsOneInstanceAndRunsSilentlyWithoutFeedback)
{
    TimeoutsShortened timeouts;
    EXPECT_EQ(&TheControllerProxy(), &TheControllerProxy());

    SimController sim(QuietOptions());
    PortOverride() = sim.DevicePath();
    sim.InjectFault(SimController::Fault::RefuseAll, "T");
    EXPECT_EQ(TheControllerProxy().TestLine("B1"), -1);   // nothing installed: empty program, no window
    sim.Disconnect();
    EXPECT_FALSE(TheControllerProxy().WriteToController({"B1 0 1"}));
}

}  // namespace
}  // namespace proxytest
