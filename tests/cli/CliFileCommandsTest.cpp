// check, normalize and merge on real files.
#include "tests/cli/CliTestSupport.h"

#include <algorithm>
#include <filesystem>

namespace clitest {
namespace {

// The program with every kind as a person might have typed it: kinds out of
// order, label lines before their records, mixed line ends, blank lines and
// runs of spaces where fields are split at spaces.
std::string UntidyEveryKindText()
{
    return "R PIN 4\nR DNS 8.8.8.8\r\nR GATEWAY 192.168.1.1\rR MASK 255.255.255.0\n"
           "R IP 192.168.1.20\nR DHCP N\nR PORT 9835\nR WPA2 clave larga\nR SSID Mi red\n"
           "R SECTOR 1\nR INSTALACION casa\nR HABILITADO Y\n\n\r\n"
           "XAL12|TV\nA12   20DF10EF\n"
           "V2 115200\r\nV1  9600\n"
           "XSL3|Proyector\nS3 PWR  ON\n"
           "XCL3|Radio\nC3  " + RawCodeHex() + "\n"
           "N12  20DF10EF  R  1\r\nXNL12|Televisor\n"
           "XML3|Radio\nM2 N12 D10 S3\nXML2|Cine\nM3 C3\n"
           "B4  1  2  7\nXBL4|Luz\r\nB5 0 3\nXBL5|Persiana\n\n";
}

class FileCommandTest : public ::testing::Test {
protected:
    std::string File(const std::string& name, const std::string& bytes)
    {
        const std::string path = folder.Path(name);
        WriteBytes(path, bytes);
        return path;
    }

    TempFolder folder;
};

TEST_F(FileCommandTest, NormalizeWritesEveryKindExactlyAsSaveDoes)
{
    const std::string out = folder.Path("out.zolp");
    const CliResult result = RunCli({"normalize", File("in.zolp", UntidyEveryKindText()), out});
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);

    const std::string written = ReadBytes(out);
    EXPECT_EQ(written, SavedText(EveryKindProgram()));
    // The frame of a saved file: CR after each line, then one empty line.
    EXPECT_EQ(written.substr(0, 23), "B4 1 2 7\rXBL4|Luz\rB5 0 ");
    EXPECT_EQ(written.substr(written.size() - 9), "R PIN 4\r\r");
}

TEST_F(FileCommandTest, NormalizingASavedFileChangesNoByte)
{
    const std::string example = std::string(ZENTROLA_SOURCE_DIR) + "/examples/ejemplo.zolp";
    const std::string out = folder.Path("out.zolp");
    const CliResult result = RunCli({"normalize", example, out});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(example));
}

struct CheckCase {
    const char* name;
    std::string text;
    std::string err;   // UTF-8, as the terminal shows it
    int status;
};

class CheckTest : public FileCommandTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckTest, PrintsTheEditorsMessagesInOrder)
{
    const CliResult result = RunCli({"check", File("in.zolp", GetParam().text)});
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CheckTest,
    ::testing::Values(
        CheckCase{"ValidProgram", SavedText(EveryKindProgram()), "", 0},
        CheckCase{"EmptyFile", "", "", 0},
        CheckCase{"BadLinesComeInRegistryOrder", "A12\nR\nB4 0\nM2\n",
                  "Error de sintaxis:\nB4 0\nError de sintaxis: M2\nError de sintaxis: A12\n"
                  "Error de sintaxis: R\n",
                  1},
        CheckCase{"BadCellNamesTableRowAndColumn", "M2 N12\nM3 C3,X1\n",
                  "Error de sintaxis:\ncomando no v\u00e1lido\nLISTA DE MACROS: fila 2, columna Comandos\n", 1},
        CheckCase{"HeaderLosesItsPadding", "B4 9 1\n",
                  "Error de sintaxis:\nvalor no permitido\nLISTA DE BOTONES: fila 1, columna Tipo\n", 1},
        CheckCase{"AccentedCaptionArrivesAsUtf8", "R PORT 98x5\n",
                  "Error de sintaxis:\nn\u00famero no v\u00e1lido\n"
                  "LISTA DE PAR\u00c1METROS REMOTOS: fila 6, columna Valor\n",
                  1},
        CheckCase{"LoadMessagesThenTheFault", "B4 0\nM3 C3,X1\n",
                  "Error de sintaxis:\nB4 0\nError de sintaxis:\ncomando no v\u00e1lido\n"
                  "LISTA DE MACROS: fila 1, columna Comandos\n",
                  1}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(FileCommandTest, UnreadableFilesAreReported)
{
    for (const std::string& path : {folder.Path("missing.zolp"), folder.Root()}) {
        SCOPED_TRACE(path);
        const CliResult result = RunCli({"check", path});
        EXPECT_EQ(result.err, "Error leyendo el archivo\n");
        EXPECT_EQ(result.status, 1);
    }
}

struct NormalizeCase {
    const char* name;
    std::string text;
    std::string err;
    bool outWritten;
};

class NormalizeOutcomeTest : public FileCommandTest, public ::testing::WithParamInterface<NormalizeCase> {};

// OUT is replaced only when the program passed validation; load messages
// still fail the command.
TEST_P(NormalizeOutcomeTest, WritesOutOnlyWhenValid)
{
    const std::string out = File("out.zolp", "earlier\r\r");
    const CliResult result = RunCli({"normalize", File("in.zolp", GetParam().text), out});
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_EQ(result.status, GetParam().err.empty() ? 0 : 1);
    if (GetParam().outWritten)
        EXPECT_EQ(ReadBytes(out).substr(0, 21), "B5 0 3\rXBL5|BOTON5\rR ");
    else
        EXPECT_EQ(ReadBytes(out), "earlier\r\r");
}

INSTANTIATE_TEST_SUITE_P(
    Programs, NormalizeOutcomeTest,
    ::testing::Values(NormalizeCase{"Valid", "B5 0 3\n", "", true},
                      NormalizeCase{"BadLineSkipped", "B4 0\nB5 0 3\n", "Error de sintaxis:\nB4 0\n", true},
                      NormalizeCase{"BadCell", "B5 0 3\nB6 9 1\n",
                                    "Error de sintaxis:\nvalor no permitido\nLISTA DE BOTONES: fila 2, columna Tipo\n",
                                    false}),
    [](const ::testing::TestParamInfo<NormalizeCase>& info) { return std::string(info.param.name); });

TEST_F(FileCommandTest, FailedWriteLeavesOutAsItWas)
{
    // A folder in the way: the program file cannot take its place.
    const std::string out = folder.Path("out.zolp");
    std::filesystem::create_directory(out);
    WriteBytes(out + "/keep", "kept");

    const CliResult result = RunCli({"normalize", File("in.zolp", "B5 0 3\n"), out});
    EXPECT_EQ(result.err, "Error escribiendo el archivo\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(ReadBytes(out + "/keep"), "kept");
}

TEST_F(FileCommandTest, MergeAddsOnlyTheCommandsOfTheOtherFile)
{
    const std::string rawCode = std::string(1024, '1');
    const std::string other = File("other.zolp", "B9 0 1\nXBL9|Otro\nM9 N13\nN13 20DF40BF N 2\nXNL13|Radio\n"
                                                 "C9 " + rawCode + "\nXCL9|Aire\nS4 VOL+\nXSL4|Volumen\n"
                                                 "V1 300\nA13 00FF00FF\nR PIN 7\n");
    const std::string out = folder.Path("out.zolp");
    const CliResult result = RunCli({"merge", File("in.zolp", SavedText(EveryKindProgram())), other, out});
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);

    ProgramLines expected = EveryKindProgram();
    auto after = [&](const std::string& label) {
        return std::find(expected.begin(), expected.end(), label) + 1;
    };
    expected.insert(after("XNL12|Televisor"), {"N13 20DF40BF N 2", "XNL13|Radio"});
    expected.insert(after("XCL3|Radio"), {"C9 " + rawCode, "XCL9|Aire"});
    expected.insert(after("XSL3|Proyector"), {"S4 VOL+", "XSL4|Volumen"});
    EXPECT_EQ(ReadBytes(out), SavedText(expected));
}

TEST_F(FileCommandTest, MergeWithAnUnreadableFileWritesNothing)
{
    const std::string out = folder.Path("out.zolp");
    const CliResult result =
        RunCli({"merge", File("in.zolp", SavedText(EveryKindProgram())), folder.Path("missing.zolp"), out});
    EXPECT_EQ(result.err, "Error leyendo el archivo\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(ReadBytes(out), "<missing>");
}

}  // namespace
}  // namespace clitest
