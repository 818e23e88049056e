// The controller link against the simulated controller, over a real
// pseudo-terminal and the real serial port.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "link/MvcpLink.h"
#include "link/SerialPort.h"
#include "LinkTestSupport.h"

namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<unsigned char>;

std::string MvcpText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const MvcpException& failure) {
        return failure.what();
    } catch (const std::exception& other) {
        return std::string("not an MvcpException: ") + other.what();
    }
    return "no exception";
}

Bytes EveryByteValueTwice()
{
    Bytes bytes(512);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i);
    return bytes;
}

// What the link wrote after the last command line it sent.
Bytes BytesAfterCommand(const Bytes& in, const std::string& command)
{
    const std::string line = command + "\r";
    auto at = std::search(in.begin(), in.end(), line.begin(), line.end());
    if (at == in.end())
        return {};
    return Bytes(at + static_cast<long>(line.size()), in.end());
}

// ---------------------------------------------------------------------------
// Reply framing: the bytes after the echo line, and the data lines the link
// makes of them.

struct FramingCase {
    const char* name;
    std::string reply;
    Lines lines;
};

void PrintTo(const FramingCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReplyFramingTest : public LinkTest, public ::testing::WithParamInterface<FramingCase> {};

TEST_P(ReplyFramingTest, DataLinesAreThoseBeforeOk)
{
    StartSim().ScriptReply("Q", GetParam().reply);
    MvcpLink link(kExpectedIdentification);
    Lines lines = {"kept"};
    link.Command("Q", lines);
    Lines expected = {"kept"};
    expected.insert(expected.end(), GetParam().lines.begin(), GetParam().lines.end());
    EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyFramingTest,
    ::testing::Values(
        FramingCase{"JustOk", "ok\r\n", {}},
        FramingCase{"DotAndEmptyLinesDropped", "A1 12\r\n.\r\n\r\n...\r\n.x y\r\nA1.\r\nok\r\n", {"A1 12", "A1."}},
        FramingCase{"OnlyExactOkEnds", "OK\r\nok \r\n ok\r\n? x\r\nok\r\n", {"OK", "ok ", " ok", "? x"}},
        FramingCase{"CarriageReturnsDroppedAnywhere", "A1 12\r\nA\r1 1\r2\r\n\r\r\nok\r\r\n", {"A1 12", "A1 12"}},
        FramingCase{"LineFeedAloneEndsALine", "x\ny\nok\n", {"x", "y"}},
        FramingCase{"HighBytesAndZeroPass", std::string("Ba\xF1o\r\n\x01\x00\xFF\r\nok\r\n", 15),
                    {"Ba\xF1o", std::string("\x01\x00\xFF", 3)}}),
    [](const ::testing::TestParamInfo<FramingCase>& info) { return info.param.name; });

class CommandTest : public LinkTest {};

TEST_F(CommandTest, RefusedCommandNamesTheCommand)
{
    StartSim();
    MvcpLink link(kExpectedIdentification);
    Lines lines;
    EXPECT_EQ(MvcpText([&] { link.Command("T B5", lines); }), "error: T B5");
    // The link stays usable after a refusal.
    sim->Store("B5 0 1");
    link.Command("T B5", lines);
    EXPECT_TRUE(lines.empty());
}

TEST_F(CommandTest, CommandGoesOutAsItsBytesAndOneCarriageReturn)
{
    StartSim();
    MvcpLink link(kExpectedIdentification);
    sim->ClearRecording();
    Lines lines;
    link.Command("S1 Ba\xF1o  ON ", lines);
    const std::string sent = "S1 Ba\xF1o  ON \r";
    EXPECT_EQ(sim->BytesIn(), Bytes(sent.begin(), sent.end()));
    EXPECT_EQ(sim->Stored('S'), Lines{"S1 Ba\xF1o  ON "});
}

TEST_F(CommandTest, StaleInputIsDrainedBeforeEachCommand)
{
    ActiveLinkTimeouts().drainMs = 100;
    StartSim().Store("B1 0 1");
    const std::string stale = "B9 stale\r\nok\r\n";
    // Waiting before the link exists and between exchanges.
    sim->SendUnsolicited(stale);
    ASSERT_TRUE(WaitUntil([&] { return sim->BytesOut().size() == stale.size(); }));
    MvcpLink link(kExpectedIdentification);
    const std::size_t sent = sim->BytesOut().size();
    sim->SendUnsolicited(stale);
    ASSERT_TRUE(WaitUntil([&] { return sim->BytesOut().size() == sent + stale.size(); }));
    Lines lines;
    link.Command("B", lines);
    EXPECT_EQ(lines, Lines{"B1 0 1"});
}

TEST_F(CommandTest, EraseWaitsForASlowController)
{
    SimController::Options options;
    options.eraseDelayMs = 300;
    StartSim(options);
    sim->Store("B1 0 1");
    MvcpLink link(kExpectedIdentification);
    link.EraseProgram();
    EXPECT_TRUE(sim->Stored('B').empty());
    EXPECT_EQ(sim->CommandsReceived(), (Lines{"*", "@"}));
}

TEST_F(CommandTest, OverlongLineFailsTheExchangeInsteadOfGrowing)
{
    StartSim().ScriptReply("Q", std::string(MvcpLink::kMaxLineLength, 'a') + "\r\n" +
                                    std::string(MvcpLink::kMaxLineLength + 1, 'b') + "\r\nok\r\n");
    MvcpLink link(kExpectedIdentification);
    Lines lines;
    EXPECT_EQ(MvcpText([&] { link.Command("Q", lines); }), "error: Q");
    ASSERT_EQ(lines.size(), 1u);   // a line of exactly the bound is still a line
    EXPECT_EQ(lines[0].size(), MvcpLink::kMaxLineLength);
}

TEST_F(CommandTest, EveryByteIsTracedInItsDirection)
{
    StartSim();
    std::string trace;
    ActiveWireTrace() = [&](char direction, unsigned char byte) {
        trace += direction;
        trace += static_cast<char>(byte);
    };
    MvcpLink link(kExpectedIdentification);
    EXPECT_EQ(trace, ">*>\r<*<\r<\n<Q<M<T<4<7<1< <2<0<1<2<.<0<2<.<0<7<\r<\n<o<k<\r<\n");
}

// ---------------------------------------------------------------------------
// Construction.

struct IdentificationCase {
    const char* name;
    std::string answered;
    std::string expected;
    bool found;
};

void PrintTo(const IdentificationCase& c, std::ostream* out)
{
    *out << c.name;
}

class IdentificationTest : public LinkTest, public ::testing::WithParamInterface<IdentificationCase> {};

TEST_P(IdentificationTest, OnlyTheExactLineIsAccepted)
{
    SimController::Options options;
    options.identification = GetParam().answered;
    StartSim(options);
    const std::string text = MvcpText([&] { MvcpLink link(GetParam().expected); });
    EXPECT_EQ(text, GetParam().found ? "no exception" : "hardware not found");
    // Whatever happened, the port was closed again.
    MvcpLink next("");
}

INSTANTIATE_TEST_SUITE_P(
    Identifications, IdentificationTest,
    ::testing::Values(IdentificationCase{"Expected", "QMT471 2012.02.07", "QMT471 2012.02.07", true},
                      IdentificationCase{"OtherFirmware", "QMT471 2013.01.01", "QMT471 2012.02.07", false},
                      IdentificationCase{"LetterCase", "qmt471 2012.02.07", "QMT471 2012.02.07", false},
                      IdentificationCase{"TrailingSpace", "QMT471 2012.02.07 ", "QMT471 2012.02.07", false}),
    [](const ::testing::TestParamInfo<IdentificationCase>& info) { return info.param.name; });

class ConstructionTest : public LinkTest {};

TEST_F(ConstructionTest, WithoutIdentificationNothingIsSent)
{
    StartSim();
    { MvcpLink link(""); }
    ProbeController();
    EXPECT_TRUE(sim->BytesIn().empty());
}

TEST_F(ConstructionTest, ProbeDropsAMissingController)
{
    PortOverride() = (folder.path / "no-such-port").string();
    ProbeController();
    EXPECT_EQ(MvcpText([] { MvcpLink link(""); }), "hardware not found");
}

TEST_F(ConstructionTest, BusyPortIsHardwareNotFound)
{
    StartSim();
    SerialPort holder(sim->DevicePath(), 9600, 8, 2);
    EXPECT_EQ(MvcpText([] { MvcpLink link(kExpectedIdentification); }), "hardware not found");
}

TEST_F(ConstructionTest, LinksFollowEachOtherOnOnePort)
{
    StartSim();
    for (int i = 0; i < 3; ++i) {
        MvcpLink link(kExpectedIdentification);
        Lines lines;
        link.Command("B", lines);
    }
    EXPECT_EQ(sim->CommandsReceived(), (Lines{"*", "B", "*", "B", "*", "B"}));
}

TEST_F(ConstructionTest, PacedControllerIsUnderstood)
{
    SimController::Options options;
    options.paced = true;
    StartSim(options);
    sim->Store("N1 20DF10EF R 1");
    MvcpLink link(kExpectedIdentification);
    Lines lines;
    link.Command("N", lines);
    EXPECT_EQ(lines, Lines{"N1 20DF10EF R 1"});
}

// ---------------------------------------------------------------------------
// Blocks.

class BlockTest : public LinkTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(BlockTest, WrittenBlockIsTakenByCountWithAcknowledgements)
{
    const std::size_t count = GetParam();
    StartSim().SetBlockSize(count);
    const Bytes code = EveryByteValueTwice();
    std::string directions;
    MvcpLink link(kExpectedIdentification);
    sim->ClearRecording();
    ActiveWireTrace() = [&](char direction, unsigned char) { directions += direction; };
    link.WriteBlock("D7", code);

    EXPECT_EQ(sim->RawCodes().at("7"), Bytes(code.begin(), code.begin() + static_cast<long>(count)));
    EXPECT_EQ(BytesAfterCommand(sim->BytesIn(), "D7"), Bytes(code.begin(), code.begin() + static_cast<long>(count)));

    // Groups of 32 bytes, each answered by 32 acknowledgements, then single
    // bytes each answered by one.
    std::string expected;
    for (std::size_t i = 0; i < count / 32; ++i)
        expected += std::string(32, '>') + std::string(32, '<');
    for (std::size_t i = 0; i < count % 32; ++i)
        expected += "><";
    const std::string command = "D7\r";
    const std::string echo = "D7\r\n";
    const std::string header = "BLOCK " + std::to_string(count) + "\r\n";
    const std::size_t blockStart = command.size() + echo.size() + header.size();
    ASSERT_GE(directions.size(), blockStart);
    EXPECT_EQ(directions.substr(blockStart, expected.size()), expected);
}

TEST_P(BlockTest, ReadBlockIsTakenByCount)
{
    const std::size_t count = GetParam();
    StartSim().SetBlockSize(count);
    const Bytes code = EveryByteValueTwice();
    sim->SetRawCode("7", code);
    MvcpLink link(kExpectedIdentification);
    Bytes block = {1, 2, 3};
    link.ReadBlock("U7", block);
    EXPECT_EQ(block, Bytes(code.begin(), code.begin() + static_cast<long>(count)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BlockTest, ::testing::Values(0u, 37u, 512u));

class BlockExchangeTest : public LinkTest {};

TEST_F(BlockExchangeTest, BlockOfEveryByteValueRoundTrips)
{
    StartSim();
    const Bytes code = EveryByteValueTwice();
    MvcpLink link(kExpectedIdentification);
    link.WriteBlock("D3", code);
    Bytes back;
    link.ReadBlock("U3", back);
    EXPECT_EQ(back, code);
    link.ReadBlock("U4", back);
    EXPECT_EQ(back, Bytes(512, 0xFF));
}

TEST_F(BlockExchangeTest, SlashAcknowledgementsCountLikeDots)
{
    SimController::Options options;
    options.slashAckEvery = 1;
    StartSim(options).SetBlockSize(37);
    MvcpLink link(kExpectedIdentification);
    link.WriteBlock("D1", EveryByteValueTwice());
    const Bytes out = sim->BytesOut();
    EXPECT_EQ(std::count(out.begin(), out.end(), '/'), 37);
    EXPECT_EQ(sim->RawCodes().count("1"), 1u);
}

TEST_F(BlockExchangeTest, CountLargerThanTheBlockFailsBeforeAnyByteIsSent)
{
    StartSim().SetBlockSize(40);
    MvcpLink link(kExpectedIdentification);
    const Bytes shortCode(39, 0x11);
    EXPECT_EQ(MvcpText([&] { link.WriteBlock("D2", shortCode); }), "error: D2");
    EXPECT_TRUE(BytesAfterCommand(sim->BytesIn(), "D2").empty());
}

// ---------------------------------------------------------------------------
// A misbehaving controller: every fault ends the exchange with its failure,
// and once the controller behaves again the next link works.

enum class Operation { Construct, ListButtons, WriteBlock, ReadBlock };

struct FaultCase {
    const char* name;
    SimController::Fault fault;
    const char* prefix;
    std::size_t afterBytes;
    Operation operation;
    const char* failureClass;   // "mvcp" or "timeout"
    const char* text;
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.name;
}

class FaultTest : public LinkTest, public ::testing::WithParamInterface<FaultCase> {
protected:
    void Run(Operation operation)
    {
        if (operation == Operation::Construct) {
            MvcpLink link(kExpectedIdentification);
            return;
        }
        MvcpLink link(kExpectedIdentification);
        Lines lines;
        Bytes block;
        switch (operation) {
        case Operation::ListButtons: link.Command("B", lines); break;
        case Operation::WriteBlock: link.WriteBlock("D5", EveryByteValueTwice()); break;
        case Operation::ReadBlock: link.ReadBlock("U5", block); break;
        case Operation::Construct: break;
        }
    }
};

TEST_P(FaultTest, EndsInItsFailureAndTheNextLinkWorks)
{
    const FaultCase& c = GetParam();
    StartSim().Store("B1 0 1");
    sim->InjectFault(c.fault, c.prefix, c.afterBytes);

    std::string failureClass = "none";
    std::string text;
    try {
        Run(c.operation);
    } catch (const MvcpException& failure) {
        failureClass = "mvcp";
        text = failure.what();
    } catch (const SerialPortTimeoutException& failure) {
        failureClass = "timeout";
        text = failure.what();
    } catch (const std::exception& failure) {
        failureClass = "other";
        text = failure.what();
    }
    EXPECT_EQ(failureClass, c.failureClass);
    EXPECT_EQ(text, c.text);

    sim->ClearFault();
    MvcpLink next(kExpectedIdentification);
    Lines lines;
    next.Command("B", lines);
    EXPECT_EQ(lines, Lines{"B1 0 1"});
}

using F = SimController::Fault;
INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    ::testing::Values(
        FaultCase{"SilentController", F::Silence, "*", 0, Operation::Construct, "mvcp", "hardware not found"},
        FaultCase{"RefusedIdentification", F::RefuseAll, "*", 0, Operation::Construct, "mvcp", "hardware not found"},
        FaultCase{"WrongIdentification", F::WrongIdentification, "", 0, Operation::Construct, "mvcp", "hardware not found"},
        FaultCase{"NoIdentificationLine", F::NoIdentificationLine, "", 0, Operation::Construct, "mvcp", "hardware not found"},
        FaultCase{"GarbageIdentification", F::Garbage, "*", 0, Operation::Construct, "mvcp", "hardware not found"},
        FaultCase{"SilenceAfterConnecting", F::Silence, "B", 0, Operation::ListButtons, "timeout", "timeout"},
        FaultCase{"RefusedCommand", F::RefuseAll, "B", 0, Operation::ListButtons, "mvcp", "error: B"},
        FaultCase{"GarbageReply", F::Garbage, "B", 0, Operation::ListButtons, "timeout", "timeout"},
        FaultCase{"OverlongLine", F::OverlongLine, "B", 0, Operation::ListButtons, "mvcp", "error: B"},
        FaultCase{"EndlessLine", F::EndlessLine, "B", 0, Operation::ListButtons, "mvcp", "error: B"},
        FaultCase{"BytesLostInBlock", F::DropBytes, "D", 40, Operation::WriteBlock, "timeout", "timeout"},
        FaultCase{"BadAckInGroup", F::BadAck, "D", 5, Operation::WriteBlock, "mvcp", "error: D5"},
        FaultCase{"BadAckInLastGroup", F::BadAck, "D", 510, Operation::WriteBlock, "mvcp", "error: D5"},
        FaultCase{"WrittenBlockNotOk", F::BadBlockEnd, "D", 0, Operation::WriteBlock, "mvcp", "error: D5"},
        FaultCase{"ReadBlockNotOk", F::BadBlockEnd, "U", 0, Operation::ReadBlock, "mvcp", "error: U5"},
        FaultCase{"RequestWithoutCount", F::HeaderWithoutCount, "D", 0, Operation::WriteBlock, "mvcp", "error: D5"},
        FaultCase{"ReplyWithoutCount", F::HeaderWithoutCount, "U", 0, Operation::ReadBlock, "mvcp", "error: U5"},
        FaultCase{"RequestLargerThanBlock", F::CountLargerThanBlock, "D", 0, Operation::WriteBlock, "mvcp", "error: D5"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

class UnplugTest : public LinkTest {};

// The port search is what tells that the controller went away; its device
// path may already belong to another pseudo-terminal.
TEST_F(UnplugTest, UnplugMidReplyIsAReadErrorAndTheControllerIsGone)
{
    StartAnnouncedSim().InjectFault(SimController::Fault::DisconnectMidExchange, "B", 4);
    {
        MvcpLink link(kExpectedIdentification);
        Lines lines;
        try {
            link.Command("B", lines);
            ADD_FAILURE() << "no failure";
        } catch (const SerialPortTimeoutException& failure) {
            EXPECT_STREQ(failure.what(), "read port error");
        }
    }
    EXPECT_FALSE(sim->Connected());
    EXPECT_EQ(MvcpText([] { MvcpLink link(kExpectedIdentification); }), "hardware not found");
}

TEST_F(UnplugTest, UnplugBetweenLinks)
{
    StartAnnouncedSim();
    { MvcpLink link(kExpectedIdentification); }
    sim->Disconnect();
    EXPECT_EQ(MvcpText([] { MvcpLink link(kExpectedIdentification); }), "hardware not found");
}

} // namespace
