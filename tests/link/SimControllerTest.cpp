// The simulated controller's own behaviour, seen through a real link.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "link/MvcpLink.h"
#include "LinkTestSupport.h"

namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<unsigned char>;

struct ExchangeCase {
    const char* name;
    Lines before;           // commands that must be accepted first
    std::string query;
    Lines reply;            // data lines of the query, when accepted
    const char* refusal;    // text of the failure, when refused
};

void PrintTo(const ExchangeCase& c, std::ostream* out)
{
    *out << c.name;
}

class SimExchangeTest : public LinkTest, public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(SimExchangeTest, ControllerAnswersAsItsMemoryHolds)
{
    const ExchangeCase& c = GetParam();
    StartSim();
    MvcpLink link(kExpectedIdentification);
    Lines dropped;
    for (const std::string& command : c.before)
        link.Command(command, dropped);

    Lines reply;
    std::string refusal;
    try {
        link.Command(c.query, reply);
    } catch (const MvcpException& failure) {
        refusal = failure.what();
    }
    EXPECT_EQ(refusal, c.refusal);
    EXPECT_EQ(reply, c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, SimExchangeTest,
    ::testing::Values(
        ExchangeCase{"LinesOfOneKindInOrderOfArrival", {"B2 0 1", "M1 N1 D10", "B1 1 3 4"}, "B", {"B2 0 1", "B1 1 3 4"}, ""},
        ExchangeCase{"EveryListedKind", {"M1 N1", "N1 20DF10EF R 1", "S1 PWR ON", "V1 9600", "A1 20DF10EF"}, "S", {"S1 PWR ON"}, ""},
        ExchangeCase{"RemoteParametersReplaceByName", {"R SSID Red uno", "R PORT 9835", "R SSID Otra red"}, "R",
                     {"R SSID Otra red", "R PORT 9835"}, ""},
        ExchangeCase{"EraseForgetsLines", {"B1 0 1", "C5", "@"}, "B", {}, ""},
        ExchangeCase{"EraseForgetsRawCodes", {"B1 0 1", "C5", "@"}, "X", {}, ""},
        ExchangeCase{"LearnAliasReplacesItsLine", {"A3 00000000", "A4 11111111", "A3 L"}, "A", {"A3 20DF10EF", "A4 11111111"}, ""},
        ExchangeCase{"LearnAliasWithoutNumber", {"A L"}, "A", {"A 20DF10EF"}, ""},
        ExchangeCase{"LearnNec", {"N12 L"}, "N", {"N12 20DF10EF R 1"}, ""},
        ExchangeCase{"LearnedRawNumbersAscending", {"C5", "C12", "C3"}, "X", {"3 5 12"}, ""},
        ExchangeCase{"RawNumbersTenPerLine", {"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "C11", "C12"}, "X",
                     {"1 2 3 4 5 6 7 8 9 10", "11 12"}, ""},
        ExchangeCase{"TestOfAStoredItem", {"B5 0 1"}, "T B5", {}, ""},
        ExchangeCase{"TestOfARawItem", {"C7"}, "T C7", {}, ""},
        ExchangeCase{"TestOfAMissingItem", {"B5 0 1"}, "T B50", {}, "error: T B50"},
        ExchangeCase{"RawLearnNeedsANumber", {}, "C5x", {}, "error: C5x"},
        ExchangeCase{"LabelLinesAreNotForTheController", {}, "XBL1|Sala", {}, "error: XBL1|Sala"},
        ExchangeCase{"UnknownCommand", {}, "Z1", {}, "error: Z1"}),
    [](const ::testing::TestParamInfo<ExchangeCase>& info) { return info.param.name; });

class SimLearnTest : public LinkTest {};

TEST_F(SimLearnTest, LearnsWhatTheTestSetBeforehand)
{
    StartSim();
    const Bytes raw(512, 0x5A);
    sim->SetLearnedAliasCode("0A0B0C0D");
    sim->SetLearnedNecFields("01020304 N 3");
    sim->SetLearnedRawCode(raw);
    MvcpLink link(kExpectedIdentification);
    Lines dropped;
    link.Command("A2 L", dropped);
    link.Command("N7 L", dropped);
    link.Command("C9", dropped);

    EXPECT_EQ(sim->Stored('A'), Lines{"A2 0A0B0C0D"});
    EXPECT_EQ(sim->Stored('N'), Lines{"N7 01020304 N 3"});
    Bytes block;
    link.ReadBlock("U9", block);
    EXPECT_EQ(block, raw);
}

TEST_F(SimLearnTest, RecordsEveryCommandAndByte)
{
    StartSim();
    MvcpLink link(kExpectedIdentification);
    Lines dropped;
    link.Command("B1 0 1", dropped);
    EXPECT_EQ(sim->CommandsReceived(), (Lines{"*", "B1 0 1"}));
    const std::string in = "*\rB1 0 1\r";
    EXPECT_EQ(sim->BytesIn(), Bytes(in.begin(), in.end()));
    const std::string out = "*\r\nQMT471 2012.02.07\r\nok\r\nB1 0 1\r\nok\r\n";
    EXPECT_EQ(sim->BytesOut(), Bytes(out.begin(), out.end()));

    sim->ClearRecording();
    EXPECT_TRUE(sim->CommandsReceived().empty());
    EXPECT_TRUE(sim->BytesIn().empty());
    EXPECT_TRUE(sim->BytesOut().empty());
}

} // namespace
