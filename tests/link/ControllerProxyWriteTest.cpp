// Writing a program into the simulated controller: the commands on the wire,
// the raw IR blocks, the WiFi switch and the notices.
#include "tests/link/ProxyTestSupport.h"

namespace proxytest {
namespace {

using Commands = std::vector<std::string>;

const Commands kWritePrologue = {"*", "@", "R HABILITADO N"};

Commands Concat(Commands head, const Commands& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class WriteProgramTest : public ProxyFixture {};

TEST_F(WriteProgramTest, EveryRecordKindGoesOutInOrderWithRawCodesAsBlocks)
{
    const std::vector<unsigned char> code1 = PatternBytes(1);
    const std::vector<unsigned char> code2 = PatternBytes(200);
    const std::string longSerial = "S2 ENCENDER PROYECTOR SALA GRANDE AHORA!";   // 40 characters
    const ProgramLines program = {
        "B1 0 1",
        "M1 N1 D10 N2",
        "N1 20DF10EF R 1",
        "C1 " + UpperHex(code1),
        "R HABILITADO Y",
        "C12  " + LowerHex(code2),
        "S1 Ba\xF1o  ON",
        longSerial,
        "V1 9600",
        "A1 20DF10EF",
        "R SSID Red de casa",
    };

    ASSERT_EQ(proxy.WriteProgram(program), 0);

    EXPECT_EQ(TakeCommands(),
              Concat(kWritePrologue, {"B1 0 1", "M1 N1 D10 N2", "N1 20DF10EF R 1", "D1", "D12",
                                      "S1 Ba\xF1o  ON", longSerial, "V1 9600", "A1 20DF10EF",
                                      "R SSID Red de casa", "R HABILITADO Y"}));
    const auto codes = sim->RawCodes();
    ASSERT_EQ(codes.count("1"), 1u);
    ASSERT_EQ(codes.count("12"), 1u);
    EXPECT_EQ(codes.at("1"), code1);
    EXPECT_EQ(codes.at("12"), code2);
    EXPECT_EQ(proxy.KnownProgram(), program);
    EXPECT_TRUE(feedback.messages.empty());

    std::vector<std::string> expectedEvents = {"+Borrando (puede tardar hasta 20 seg)",
                                               "-Borrando (puede tardar hasta 20 seg)"};
    for (const std::string& line : program) {
        const std::string shown = line.substr(0, 32);
        expectedEvents.push_back("+" + shown);
        expectedEvents.push_back("-" + shown);
    }
    expectedEvents.push_back("+Habilitando WIFI");
    expectedEvents.push_back("-Habilitando WIFI");
    EXPECT_EQ(feedback.events, expectedEvents);
    EXPECT_EQ(Count(feedback.events, "+S2 ENCENDER PROYECTOR SALA GRAND"), 1);
}

TEST_F(WriteProgramTest, EmptyProgramOnlyErasesAndSwitchesWifiOff)
{
    ASSERT_EQ(proxy.WriteProgram({}), 0);

    EXPECT_EQ(TakeCommands(), kWritePrologue);
    EXPECT_TRUE(proxy.KnownProgram().empty());
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Borrando (puede tardar hasta 20 seg)",
                                                         "-Borrando (puede tardar hasta 20 seg)"}));
}

struct WifiCase {
    const char* name;
    ProgramLines program;
    Commands sentAfterPrologue;
};

class WriteWifiTest : public ProxyFixture, public ::testing::WithParamInterface<WifiCase> {};

TEST_P(WriteWifiTest, LastHabilitadoLineDecidesTheFinalSwitch)
{
    ASSERT_EQ(proxy.WriteProgram(GetParam().program), 0);
    EXPECT_EQ(TakeCommands(), Concat(kWritePrologue, GetParam().sentAfterPrologue));
    EXPECT_EQ(Count(feedback.events, "+Habilitando WIFI"),
              Count(GetParam().sentAfterPrologue, "R HABILITADO Y"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteWifiTest,
    ::testing::Values(
        WifiCase{"UpperY", {"V1 9600", "R HABILITADO Y"}, {"V1 9600", "R HABILITADO Y"}},
        WifiCase{"LowerY", {"R HABILITADO y", "V1 9600"}, {"V1 9600", "R HABILITADO Y"}},
        WifiCase{"LastSaysNo", {"R HABILITADO Y", "V1 9600", "R HABILITADO N"}, {"V1 9600"}},
        WifiCase{"LastSaysYes", {"R HABILITADO N", "R HABILITADO Y"}, {"R HABILITADO Y"}},
        WifiCase{"NoHabilitadoLine", {"R SSID Yes", "V1 9600"}, {"R SSID Yes", "V1 9600"}},
        WifiCase{"HabilitadoOutsideRLine", {"S1 HABILITADO Y"}, {"S1 HABILITADO Y"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultyRawCase {
    const char* name;
    std::string line;
    std::string message;
};

std::vector<FaultyRawCase> FaultyRawCases()
{
    const std::string hex = UpperHex(PatternBytes(3));
    const std::string threePieces = "C5 " + hex + " 7";
    return {
        {"ThreePieces", threePieces, "error de sintaxis en crudo " + threePieces},
        {"NoSpace", "C5" + hex, "error de sintaxis en crudo C5" + hex},
        {"Data1022", "C5 " + hex.substr(0, 1022), "error en longitud de crudo serializado"},
        {"Data1026", "C5 " + hex + "AB", "error en longitud de crudo serializado"},
    };
}

class WriteFaultyRawTest : public ProxyFixture,
                           public ::testing::WithParamInterface<FaultyRawCase> {};

TEST_P(WriteFaultyRawTest, LineIsReportedAndSkippedWhileTheWriteSucceeds)
{
    const std::string& line = GetParam().line;
    const ProgramLines program = {"B1 0 1", line, "C6 " + UpperHex(PatternBytes(6)), "V1 9600"};

    ASSERT_EQ(proxy.WriteProgram(program), 0);

    EXPECT_EQ(TakeCommands(), Concat(kWritePrologue, {"B1 0 1", "D6", "V1 9600"}));
    EXPECT_EQ(feedback.messages, std::vector<std::string>{GetParam().message});
    const std::string shown = line.substr(0, 32);
    const auto at = std::find(feedback.events.begin(), feedback.events.end(), "+" + shown);
    ASSERT_NE(at, feedback.events.end());
    ASSERT_LT(at + 2, feedback.events.end());
    EXPECT_EQ(at[1], "!" + GetParam().message);   // shown while the line's notice is up
    EXPECT_EQ(at[2], "-" + shown);
    EXPECT_EQ(sim->RawCodes().count("5"), 0u);
    EXPECT_EQ(sim->RawCodes().count("6"), 1u);
    EXPECT_EQ(proxy.KnownProgram(), program);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteFaultyRawTest, ::testing::ValuesIn(FaultyRawCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriteProgramTest, HexPairsAreScannedOneByOne)
{
    std::string hex = UpperHex(PatternBytes(9));
    hex.replace(0, 8, "zz5gg5-1");   // no number, "5" then junk, junk first, "-1"
    ASSERT_EQ(proxy.WriteProgram({"C9 " + hex}), 0);

    std::vector<unsigned char> expected = PatternBytes(9);
    expected[0] = 0x00;
    expected[1] = 0x05;
    expected[2] = 0x00;
    expected[3] = 0xFF;
    ASSERT_EQ(sim->RawCodes().count("9"), 1u);
    EXPECT_EQ(sim->RawCodes().at("9"), expected);
}

TEST_F(WriteProgramTest, WriteToControllerTellsSuccessAndFailure)
{
    EXPECT_TRUE(proxy.WriteToController({"V1 9600"}));
    sim->InjectFault(SimController::Fault::RefuseAll, "V1");
    EXPECT_FALSE(proxy.WriteToController({"V1 9600"}));
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"error: V1 9600"});
}

}  // namespace
}  // namespace proxytest
