// Arguments the tool cannot run with: exit status 2 and the usage text.
#include "tests/cli/CliTestSupport.h"

namespace clitest {
namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string complaint;
};

class UsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, ExplainsAndShowsTheUsage)
{
    const CliResult result = RunCli(GetParam().arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("zentrola-cli: " + GetParam().complaint + "\nuso: zentrola-cli ", 0), 0u)
        << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageTest,
    ::testing::Values(
        UsageCase{"NoCommand", {}, "falta la orden"},
        UsageCase{"UnknownCommand", {"frobnicate"}, "orden desconocida: frobnicate"},
        UsageCase{"MissingOperand", {"merge", "a", "b"}, "merge: faltan argumentos"},
        UsageCase{"ExtraOperand", {"check", "a", "b"}, "check: sobran argumentos"},
        UsageCase{"UnknownOption", {"check", "a", "--fast"}, "opci\u00f3n desconocida: --fast"},
        UsageCase{"PortForAFileCommand", {"normalize", "a", "b", "--port", "/dev/ttyUSB0"},
                  "normalize no admite --port"},
        UsageCase{"TraceForPorts", {"ports", "--trace"}, "ports no admite --trace"},
        UsageCase{"VerifyForRead", {"read", "out", "--verify"}, "read no admite --verify"},
        UsageCase{"PortWithoutDevice", {"write", "a", "--port"}, "--port necesita un dispositivo"},
        UsageCase{"UntestableKind", {"test", "a.zolp", "A12"}, "no se puede probar A12"},
        UsageCase{"TargetWithoutNumber", {"test", "a.zolp", "N"}, "no se puede probar N"}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST(Usage, HelpGoesToStdoutAndSucceeds)
{
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.rfind("uso: zentrola-cli ", 0), 0u);
}

}  // namespace
}  // namespace clitest
