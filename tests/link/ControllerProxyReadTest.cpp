// Reading the program back from the simulated controller.
#include "tests/link/ProxyTestSupport.h"

namespace proxytest {
namespace {

class ReadProgramTest : public ProxyFixture {
protected:
    void StoreProgram()
    {
        sim->Store("B1  0   1 ");
        sim->Store("M1 N1 D10 N2");
        sim->Store("N1 20DF10EF R 1");
        sim->Store("S1  PWR  ON ");
        sim->Store("V1 9600");
        sim->Store("A1 20DF10EF");
        sim->Store("R SSID Red  de casa");
        sim->SetRawCode("3", PatternBytes(3));
        std::vector<unsigned char> empty = PatternBytes(7);
        empty[0] = 0xFF;
        sim->SetRawCode("7", empty);
        sim->SetRawCode("12", PatternBytes(12));
    }
};

TEST_F(ReadProgramTest, ReadsEveryKindInOrderAndNormalisesSpacesOutsideFreeText)
{
    StoreProgram();
    ProgramLines lines;
    ASSERT_EQ(proxy.ReadProgram(lines), 0);

    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", "B", "M", "N", "X", "U3", "U7", "U12",
                                                         "S", "V", "A", "R"}));
    const ProgramLines expected = {
        "B1 0 1",
        "M1 N1 D10 N2",
        "N1 20DF10EF R 1",
        "C3 " + UpperHex(PatternBytes(3)),
        "C12 " + UpperHex(PatternBytes(12)),
        "S1  PWR  ON ",
        "V1 9600",
        "A1 20DF10EF",
        "R SSID Red  de casa",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(proxy.KnownProgram(), expected);
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Leyendo QMT. . .", "-Leyendo QMT. . ."}));
}

TEST_F(ReadProgramTest, RefusedListOfRawNumbersIsReadAsOneToThirty)
{
    sim->SetRawCode("30", PatternBytes(30));
    sim->InjectFault(SimController::Fault::RefuseAll, "X");
    ProgramLines lines;
    ASSERT_EQ(proxy.ReadProgram(lines), 0);

    std::vector<std::string> expectedCommands = {"*", "B", "M", "N", "X"};
    for (int number = 1; number <= 30; ++number)
        expectedCommands.push_back("U" + std::to_string(number));
    for (const char* command : {"S", "V", "A", "R"})
        expectedCommands.push_back(command);
    EXPECT_EQ(TakeCommands(), expectedCommands);
    EXPECT_EQ(lines, ProgramLines{"C30 " + UpperHex(PatternBytes(30))});
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(ReadProgramTest, BlocksWithoutBytesCountAsEmptyNumbers)
{
    sim->SetRawCode("4", PatternBytes(4));
    sim->SetBlockSize(0);
    ProgramLines lines;
    ASSERT_EQ(proxy.ReadProgram(lines), 0);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(proxy.ReadRawIr("4"), "");
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(ReadProgramTest, ReadFromControllerTellsSuccessAndFailure)
{
    sim->Store("V1 9600");
    ProgramLines lines;
    EXPECT_TRUE(proxy.ReadFromController(lines));
    EXPECT_EQ(lines, ProgramLines{"V1 9600"});
    sim->InjectFault(SimController::Fault::RefuseAll, "V");
    ProgramLines none;
    EXPECT_FALSE(proxy.ReadFromController(none));
}

struct ReadFailureCase {
    const char* name;
    SimController::Fault fault;
    const char* commandPrefix;
    const char* message;
};

class ReadFailureTest : public ReadProgramTest,
                        public ::testing::WithParamInterface<ReadFailureCase> {};

TEST_P(ReadFailureTest, LeavesTheCallersListAndKnownProgramEmpty)
{
    StoreProgram();
    ASSERT_EQ(proxy.WriteProgram({"V1 9600"}), 0);
    StoreProgram();
    feedback.events.clear();
    sim->InjectFault(GetParam().fault, GetParam().commandPrefix);

    ProgramLines lines = {"kept"};
    EXPECT_EQ(proxy.ReadProgram(lines), -1);

    EXPECT_EQ(lines, ProgramLines{"kept"});
    EXPECT_TRUE(proxy.KnownProgram().empty());
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Leyendo QMT. . .",
                                                         std::string("!") + GetParam().message,
                                                         "-Leyendo QMT. . ."}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFailureTest,
    ::testing::Values(
        ReadFailureCase{"RefusedLastCommand", SimController::Fault::RefuseAll, "R", "error: R"},
        ReadFailureCase{"BadBlockEnd", SimController::Fault::BadBlockEnd, "U12", "error: U12"},
        ReadFailureCase{"WrongIdentification", SimController::Fault::WrongIdentification, "*",
                        "hardware not found"},
        ReadFailureCase{"SilentMidRead", SimController::Fault::Silence, "A", "timeout"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace proxytest
