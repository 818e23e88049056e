// Learning codes: the learn command under its notice, then the learned code
// read back the way the tables do.
#include "tests/link/ProxyTestSupport.h"

namespace proxytest {
namespace {

struct LearnCase {
    const char* name;
    const char* learnCommand;
    void (SimController::*teach)(const std::string&);
    const char* learned;
    const char* query;
    const char* expectedLine;
};

class LearnTextTest : public ProxyFixture, public ::testing::WithParamInterface<LearnCase> {};

TEST_P(LearnTextTest, LearnedCodeComesBackFromTheQuery)
{
    const LearnCase& c = GetParam();
    (sim.get()->*c.teach)(c.learned);
    sim->Store("A2 00FF00FF");

    ASSERT_EQ(proxy.SendAndWait(c.learnCommand), 0);
    ProgramLines lines = {"kept"};
    ASSERT_EQ(proxy.QueryLines(c.query, lines), 0);

    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", c.learnCommand, "*", c.query}));
    EXPECT_EQ(lines.front(), "kept");
    EXPECT_EQ(Count(lines, c.expectedLine), 1);
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Esperando . . .", "-Esperando . . ."}));
    EXPECT_TRUE(feedback.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LearnTextTest,
    ::testing::Values(LearnCase{"Alias", "A3 L", &SimController::SetLearnedAliasCode, "20DF10EF", "A",
                                "A3 20DF10EF"},
                      LearnCase{"Nec", "N4 L", &SimController::SetLearnedNecFields, "20DF40BF N 2", "N",
                                "N4 20DF40BF N 2"}),
    [](const auto& info) { return std::string(info.param.name); });

class LearnRawTest : public ProxyFixture {};

TEST_F(LearnRawTest, LearnedRawCodeIsReadAsALine)
{
    sim->SetLearnedRawCode(PatternBytes(60));
    sim->SetRawCode("2", PatternBytes(2));

    ASSERT_EQ(proxy.SendAndWait("C6"), 0);
    EXPECT_EQ(proxy.ReadRawIr("6"), "C6 " + UpperHex(PatternBytes(60)));
    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", "C6", "*", "U6"}));

    ProgramLines lines;
    ASSERT_EQ(proxy.QueryLines("C6", lines), 0);
    EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"*", "X", "U2", "U6"}));
    EXPECT_EQ(lines, (ProgramLines{"C2 " + UpperHex(PatternBytes(2)), "C6 " + UpperHex(PatternBytes(60))}));
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(LearnRawTest, NumberWithoutCodeGivesAnEmptyLineSilently)
{
    EXPECT_EQ(proxy.ReadRawIr("9"), "");
    EXPECT_TRUE(feedback.events.empty());
}

TEST_F(LearnRawTest, RefusedLearnIsShownAfterItsNoticeCloses)
{
    sim->InjectFault(SimController::Fault::RefuseAll, "N7");
    EXPECT_EQ(proxy.SendAndWait("N7 L"), -1);
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"+Esperando . . .", "-Esperando . . .",
                                                         "!error: N7 L"}));
}

TEST_F(LearnRawTest, RefusedQueryIsShown)
{
    ProgramLines lines;
    sim->InjectFault(SimController::Fault::RefuseAll, "A");
    EXPECT_EQ(proxy.QueryLines("A", lines), -1);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"error: A"});
}

}  // namespace
}  // namespace proxytest
