// Testing one item: the program is written first only when the controller
// may hold another one.
#include "tests/link/ProxyTestSupport.h"

namespace proxytest {
namespace {

const ProgramLines kProgram = {"B1 0 1", "M1 N1 D10 N2", "N1 20DF10EF R 1", "V1 9600"};

class TestLineTest : public ProxyFixture {
protected:
    TestLineTest() { source.program = kProgram; }

    static std::vector<std::string> WriteAndTest(const ProgramLines& program, const std::string& target)
    {
        std::vector<std::string> commands = {"*", "@", "R HABILITADO N"};
        commands.insert(commands.end(), program.begin(), program.end());
        commands.push_back("*");
        commands.push_back("T " + target);
        return commands;
    }
};

TEST_F(TestLineTest, TwoTestsInARowWriteOnce)
{
    ASSERT_EQ(proxy.TestLine("B1"), 0);
    EXPECT_EQ(TakeCommands(), WriteAndTest(kProgram, "B1"));
    ASSERT_EQ(proxy.TestLine("N1"), 0);
    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", "T N1"}));

    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(feedback.events.front(), "+Grabando QMT . . .");
    const std::vector<std::string> tail(feedback.events.end() - 5, feedback.events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"-Grabando QMT . . .", "+Probando . . .",
                                              "-Probando . . .", "+Probando . . .",
                                              "-Probando . . ."}));
}

TEST_F(TestLineTest, AnEditBetweenTestsWritesAgain)
{
    ASSERT_EQ(proxy.TestLine("B1"), 0);
    TakeCommands();
    source.program[3] = "V1 19200";
    ASSERT_EQ(proxy.TestLine("B1"), 0);
    EXPECT_EQ(TakeCommands(), WriteAndTest(source.program, "B1"));
}

TEST_F(TestLineTest, AFailedWriteShowsOneMessageAndTheNextTestWritesAgain)
{
    sim->InjectFault(SimController::Fault::RefuseAll, "N1");
    EXPECT_EQ(proxy.TestLine("B1"), -1);
    EXPECT_EQ(Count(TakeCommands(), "T B1"), 0);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"error: N1 20DF10EF R 1"});
    EXPECT_EQ(feedback.events.back(), "-Grabando QMT . . .");
    ExpectNoticesBalanced();
    EXPECT_TRUE(proxy.KnownProgram().empty());

    sim->ClearFault();
    ASSERT_EQ(proxy.TestLine("B1"), 0);
    EXPECT_EQ(TakeCommands(), WriteAndTest(kProgram, "B1"));
}

TEST_F(TestLineTest, AfterAReadNothingIsWrittenWhenTheTablesReproduceIt)
{
    for (const std::string& line : kProgram)
        sim->Store(line);
    ProgramLines read;
    ASSERT_EQ(proxy.ReadProgram(read), 0);
    source.program = read;
    TakeCommands();

    ASSERT_EQ(proxy.TestLine("M1"), 0);
    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", "T M1"}));
}

TEST_F(TestLineTest, EmptyProgramMatchesTheEmptyStartState)
{
    source.program.clear();
    sim->Store("B1 0 1");
    ASSERT_EQ(proxy.TestLine("B1"), 0);
    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", "T B1"}));
}

TEST_F(TestLineTest, RefusedTestIsShownWhileItsNoticeIsUp)
{
    ASSERT_EQ(proxy.TestLine("B1"), 0);
    feedback.events.clear();
    EXPECT_EQ(proxy.TestLine("B9"), -1);
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Probando . . .", "!error: T B9",
                                                         "-Probando . . ."}));
    EXPECT_EQ(proxy.KnownProgram(), kProgram);
}

}  // namespace
}  // namespace proxytest
