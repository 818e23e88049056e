// write, read and test against the simulated controller, reached with --port.
#include "tests/cli/CliTestSupport.h"

#include <algorithm>
#include <functional>
#include <regex>
#include <sstream>

#include "sim/SimController.h"

namespace clitest {
namespace {

std::vector<unsigned char> RawCodeBytes()
{
    std::vector<unsigned char> bytes(256, 0xAA);
    bytes.resize(512, 0x55);
    return bytes;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// What a write of these lines prints while it runs.
std::string WriteNotices(const ProgramLines& program)
{
    const ProgramLines lines = WithoutLabels(program);
    std::string text = "Borrando (puede tardar hasta 20 seg)\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += "[" + std::to_string(i + 1) + "/" + std::to_string(lines.size()) + "] " + lines[i].substr(0, 32) +
                "\n";
    }
    if (std::find(lines.begin(), lines.end(), "R HABILITADO Y") != lines.end())
        text += "Habilitando WIFI\n";
    return text;
}

class ControllerCommandTest : public ::testing::Test {
protected:
    ControllerCommandTest() : sim(Quiet()) {}

    static SimController::Options Quiet()
    {
        SimController::Options options;
        options.announce = false;
        return options;
    }

    std::vector<std::string> WithPort(std::vector<std::string> arguments) const
    {
        arguments.push_back("--port");
        arguments.push_back(sim.DevicePath());
        return arguments;
    }

    std::string File(const std::string& name, const ProgramLines& program)
    {
        const std::string path = folder.Path(name);
        WriteBytes(path, SavedText(program));
        return path;
    }

    TempFolder folder;
    SimController sim;
};

TEST_F(ControllerCommandTest, WriteSendsTheProgramAndAnnouncesEveryLine)
{
    const CliResult result = RunCli(WithPort({"write", File("in.zolp", EveryKindProgram())}));
    EXPECT_EQ(result.err, WriteNotices(EveryKindProgram()));
    EXPECT_EQ(result.status, 0);

    EXPECT_EQ(sim.Stored('B'), (std::vector<std::string>{"B4 1 2 7", "B5 0 3"}));
    EXPECT_EQ(sim.Stored('S'), (std::vector<std::string>{"S3 PWR  ON"}));
    EXPECT_EQ(sim.RawCodes()["3"], RawCodeBytes());
    const std::vector<std::string> commands = sim.CommandsReceived();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), "R HABILITADO Y");
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "X"), 0) << "no label line reaches the controller";
}

// A raw IR row without a code (all FF) reads back as no row at all; that
// is no difference.
TEST_F(ControllerCommandTest, VerifiedWriteReadsTheProgramBackUnchanged)
{
    ProgramLines program = EveryKindProgram();
    const auto rawLabel = std::find(program.begin(), program.end(), "XCL3|Radio") + 1;
    program.insert(rawLabel, {"C4 " + std::string(1024, 'F'), "XCL4|Vacio"});
    const CliResult result = RunCli(WithPort({"write", File("in.zolp", program), "--verify"}));
    EXPECT_EQ(result.err, WriteNotices(program) + "Leyendo QMT. . .\n");
    EXPECT_EQ(result.status, 0);
}

TEST_F(ControllerCommandTest, VerifiedWriteReportsEachLineTheControllerHoldsOtherwise)
{
    sim.ScriptReply("B", "B4  1 2 7\r\nB5 0 9\r\nok\r\n");
    const CliResult result = RunCli(WithPort({"write", File("in.zolp", EveryKindProgram()), "--verify"}));
    EXPECT_TRUE(EndsWith(result.err, "Leyendo QMT. . .\n"
                                     "El controlador no guarda lo grabado (- grabado, + le\u00eddo):\n"
                                     "- B5 0 3\n+ B5 0 9\n"))
        << result.err;
    EXPECT_EQ(result.status, 1);
}

TEST_F(ControllerCommandTest, SyntaxErrorStopsTheWriteBeforeThePortIsOpened)
{
    const CliResult result = RunCli(WithPort({"write", File("in.zolp", {"M3 C3,X1"})}));
    EXPECT_EQ(result.err, "Error de sintaxis:\ncomando no v\u00e1lido\nLISTA DE MACROS: fila 1, columna Comandos\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(sim.CommandsReceived().empty());
}

struct FailureCase {
    const char* name;
    std::function<void(SimController&)> prepare;
    std::vector<std::string> arguments;   // before the file names, which the test adds
    std::string errTail;
};

class ControllerFailureTest : public ControllerCommandTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ControllerFailureTest, ReportsTheOperationsMessageThenTheCommands)
{
    GetParam().prepare(sim);
    std::vector<std::string> arguments = GetParam().arguments;
    const std::string out = folder.Path("out.zolp");
    if (arguments[0] == "read")
        arguments.push_back(out);
    else
        arguments.insert(arguments.begin() + 1, File("in.zolp", EveryKindProgram()));

    const CliResult result = RunCli(WithPort(arguments));
    EXPECT_TRUE(EndsWith(result.err, GetParam().errTail)) << result.err;
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(ReadBytes(out), "<missing>");
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ControllerFailureTest,
    ::testing::Values(
        FailureCase{"WriteToOtherFirmware",
                    [](SimController& s) { s.InjectFault(SimController::Fault::WrongIdentification); },
                    {"write"}, "hardware not found\nError escribiendo el dispositivo\n"},
        FailureCase{"WriteWithARefusedLine",
                    [](SimController& s) { s.InjectFault(SimController::Fault::RefuseAll, "N12"); },
                    {"write"}, "[5/22] N12 20DF10EF R 1\nerror: N12 20DF10EF R 1\nError escribiendo el dispositivo\n"},
        FailureCase{"ReadFromOtherFirmware",
                    [](SimController& s) { s.InjectFault(SimController::Fault::WrongIdentification); },
                    {"read"}, "Leyendo QMT. . .\nhardware not found\nError leyendo el dispositivo\n"},
        FailureCase{"TestOnOtherFirmware",
                    [](SimController& s) { s.InjectFault(SimController::Fault::WrongIdentification); },
                    {"test", "N12"}, "Grabando QMT . . .\nhardware not found\n"},
        FailureCase{"TestOfAnItemTheControllerRefuses",
                    [](SimController& s) { s.InjectFault(SimController::Fault::RefuseAll, "T "); },
                    {"test", "N12"}, "Probando . . .\nerror: T N12\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// The operation skips a raw IR line it cannot send and still succeeds; the
// command does not call that a success.
TEST_F(ControllerCommandTest, SkippedRawLineFailsTheWrite)
{
    const CliResult result = RunCli(WithPort({"write", File("in.zolp", {"B4 1 2 7", "C3 ABC"})}));
    EXPECT_NE(result.err.find("[2/14] C3 ABC\nerror en longitud de crudo serializado\n[3/14] R HABILITADO N\n"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(sim.Stored('B'), (std::vector<std::string>{"B4 1 2 7"}));
}

TEST_F(ControllerCommandTest, WriteToAPathWithoutControllerFails)
{
    const CliResult result =
        RunCli({"write", File("in.zolp", EveryKindProgram()), "--port", folder.Path("no-such-device")});
    EXPECT_EQ(result.err, "hardware not found\nError escribiendo el dispositivo\n");
    EXPECT_EQ(result.status, 1);
}

TEST_F(ControllerCommandTest, ReadSavesTheControllersProgramWithDefaultLabels)
{
    sim.Store("B4  1 2  7");
    sim.Store("N12 20DF10EF R 1");
    sim.Store("S3 PWR  ON");
    sim.Store("V1 9600");
    sim.Store("A12 20DF10EF");
    sim.Store("R SSID Mi red");
    sim.SetRawCode("3", RawCodeBytes());
    const std::string out = folder.Path("out.zolp");

    const CliResult result = RunCli(WithPort({"read", out}));
    EXPECT_EQ(result.err, "Leyendo QMT. . .\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadBytes(out),
              SavedText({"B4 1 2 7", "XBL4|BOTON4", "N12 20DF10EF R 1", "XNL12|IRNEC12", "C3 " + RawCodeHex(),
                         "XCL3|IRCRUDO3", "S3 PWR  ON", "XSL3|CMDSERIE3", "V1 9600", "A12 20DF10EF",
                         "XAL12|ALIASIR12", "R HABILITADO N", "R INSTALACION -", "R SECTOR -", "R SSID Mi red",
                         "R WPA2 -", "R PORT 9835", "R DHCP N", "R IP 255.255.255.255", "R MASK 255.255.255.255",
                         "R GATEWAY 255.255.255.255", "R DNS 255.255.255.255", "R PIN 0"}));
}

TEST_F(ControllerCommandTest, ReadReportsLinesTheTablesCannotTakeAndStillSaves)
{
    sim.Store("A12");
    sim.Store("B4 1 2 7");
    const std::string out = folder.Path("out.zolp");

    const CliResult result = RunCli(WithPort({"read", out}));
    EXPECT_EQ(result.err, "Leyendo QMT. . .\nError de sintaxis: A12\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(ReadBytes(out).substr(0, 21), "B4 1 2 7\rXBL4|BOTON4\r");
}

struct TestCommandCase {
    const char* name;
    ProgramLines program;
    std::string target;
    std::string errTail;   // empty: the test succeeds
    std::string lastCommand;
};

ProgramLines EveryKindWith(const std::string& from, const std::string& to)
{
    ProgramLines program = EveryKindProgram();
    std::replace(program.begin(), program.end(), from, to);
    return program;
}

class TestCommandTest : public ControllerCommandTest, public ::testing::WithParamInterface<TestCommandCase> {};

// Like "Probar": only the tested table is validated, the program is written
// first, then the item is tried.
TEST_P(TestCommandTest, WritesThenTestsTheItem)
{
    const CliResult result = RunCli(WithPort({"test", File("in.zolp", GetParam().program), GetParam().target}));
    const std::vector<std::string> commands = sim.CommandsReceived();
    if (GetParam().errTail.empty()) {
        EXPECT_EQ(result.err, "Grabando QMT . . .\n" + WriteNotices(GetParam().program) + "Probando . . .\n");
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(std::count(commands.begin(), commands.end(), "@"), 1);
    } else {
        EXPECT_TRUE(EndsWith(result.err, GetParam().errTail)) << result.err;
        EXPECT_EQ(result.status, 1);
    }
    EXPECT_EQ(commands.empty() ? std::string() : commands.back(), GetParam().lastCommand);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, TestCommandTest,
    ::testing::Values(
        TestCommandCase{"NecCommand", EveryKindProgram(), "N12", "", "T N12"},
        TestCommandCase{"RawCommand", EveryKindProgram(), "C3", "", "T C3"},
        TestCommandCase{"ButtonDespiteABadAlias", EveryKindWith("A12 20DF10EF", "A12 20DF10E"), "B4", "", "T B4"},
        TestCommandCase{"BadCellInTheTestedTable", EveryKindWith("M3 C3", "M3 C3,X1"), "M2",
                        "Error de sintaxis:\ncomando no v\u00e1lido\nLISTA DE MACROS: fila 2, columna Comandos\n", ""},
        TestCommandCase{"ItemNotInTheProgram", EveryKindProgram(), "N99",
                        "N99 no est\u00e1 en la LISTA DE COMANDOS INFRARROJOS NEC\n", ""}),
    [](const ::testing::TestParamInfo<TestCommandCase>& info) { return std::string(info.param.name); });

// --trace: the exchange of a raw IR code, one line per command or reply
// line, the block as hex in groups of 32 and each group's acknowledgements.
TEST_F(ControllerCommandTest, TraceShowsLinesAndBlocks)
{
    const ProgramLines program{"C3 " + RawCodeHex(), "XCL3|Radio"};
    const CliResult result = RunCli(WithPort({"write", File("in.zolp", program), "--trace"}));
    ASSERT_EQ(result.status, 0) << result.err;

    const std::regex traced(R"(^ +(\d+) ms ([<>]) (.*)$)");
    const std::regex hexGroup(R"(^\[32\]( [0-9A-F]{2}){32}$)");
    const std::regex acks(R"(^"[./]{32}"$)");
    long long lastStamp = 0;
    std::string sentBlock;
    int ackLines = 0;
    bool sawIdentification = false;
    bool sawBlockCommand = false;
    for (const std::string& line : Lines(result.err)) {
        std::smatch parts;
        if (!std::regex_match(line, parts, traced))
            continue;
        const long long stamp = std::stoll(parts[1]);
        EXPECT_GE(stamp, lastStamp);
        lastStamp = stamp;
        const std::string direction = parts[2];
        const std::string content = parts[3];
        if (direction == "<" && content == "\"QMT471 2012.02.07\\r\\n\"")
            sawIdentification = true;
        if (direction == ">" && content == "\"D3\\r\"")
            sawBlockCommand = true;
        if (direction == ">" && std::regex_match(content, hexGroup))
            sentBlock += content.substr(4);
        if (direction == "<" && std::regex_match(content, acks))
            ++ackLines;
    }
    EXPECT_TRUE(sawIdentification);
    EXPECT_TRUE(sawBlockCommand);
    std::string expectedBlock;
    for (unsigned char byte : RawCodeBytes())
        expectedBlock += byte == 0xAA ? " AA" : " 55";
    EXPECT_EQ(sentBlock, expectedBlock);
    EXPECT_EQ(ackLines, 16);
    EXPECT_NE(result.err.find("[1/13] C3 AAAA"), std::string::npos);
}

}  // namespace
}  // namespace clitest
