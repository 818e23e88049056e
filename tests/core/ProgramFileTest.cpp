#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>

#include "program/ProgramFile.h"

namespace fs = std::filesystem;

namespace {

struct SplitCase {
    const char* name;
    std::string text;
    ProgramLines lines;
};

class SplitProgramTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitProgramTextTest, GivesTheNonEmptyLines) {
    EXPECT_EQ(SplitProgramText(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitProgramTextTest,
    ::testing::Values(
        SplitCase{"CarriageReturns", "A1 X\rB2 Y\r\r", {"A1 X", "B2 Y"}},
        SplitCase{"CrLf", "A1 X\r\nB2 Y\r\n\r\n", {"A1 X", "B2 Y"}},
        SplitCase{"LineFeeds", "A1 X\nB2 Y\n", {"A1 X", "B2 Y"}},
        SplitCase{"Mixed", "A\r\nB\nC\rD\n\rE", {"A", "B", "C", "D", "E"}},
        SplitCase{"LastLineWithoutEnd", "A\rB", {"A", "B"}},
        SplitCase{"EmptyLinesDropped", "\r\n\nA\r\r\n\n\rB\n\n", {"A", "B"}},
        SplitCase{"BlankLinesKept", "A\r  \r\t\rB ", {"A", "  ", "\t", "B "}},
        SplitCase{"Nothing", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinProgramText, EachLineEndsInCrThenOneEmptyLine) {
    EXPECT_EQ(JoinProgramText({"B1 0 1", "XBL1|Puerta"}), "B1 0 1\rXBL1|Puerta\r\r");
    EXPECT_EQ(JoinProgramText({}), "\r");
}

class ProgramFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zentrola-file-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    static mode_t ModeOf(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

    fs::path folder_;
};

TEST_F(ProgramFileTest, EveryByteButLineEndsRoundTrips) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') allBytes += static_cast<char>(b);
    ASSERT_EQ(allBytes.size(), 254u);
    const ProgramLines lines = {"S1 " + allBytes, allBytes, " ", "XSL1|Ba\xF1o \xD1"};
    const std::string path = PathOf("todo.zolp");

    ASSERT_TRUE(WriteProgramFile(path, lines));
    EXPECT_EQ(Contents(path), JoinProgramText(lines));
    ProgramLines read;
    ASSERT_TRUE(ReadProgramFile(path, read));
    EXPECT_EQ(read, lines);
}

TEST_F(ProgramFileTest, ReadAppendsInFileOrder) {
    const std::string path = PathOf("a.zolp");
    Put(path, "N1 20DF10EF R 1\r\n\r\nXNL1|TV\n");
    ProgramLines lines = {"A1 00FF00FF"};
    ASSERT_TRUE(ReadProgramFile(path, lines));
    EXPECT_EQ(lines, (ProgramLines{"A1 00FF00FF", "N1 20DF10EF R 1", "XNL1|TV"}));
}

TEST_F(ProgramFileTest, UnreadableFileLeavesLinesAlone) {
    const ProgramLines before = {"B1 0 1"};
    for (const std::string& path : {PathOf("missing.zolp"), folder_.string()}) {
        ProgramLines lines = before;
        EXPECT_FALSE(ReadProgramFile(path, lines)) << path;
        EXPECT_EQ(lines, before) << path;
    }
}

TEST_F(ProgramFileTest, ReplacesAnEarlierFileWhole) {
    const std::string path = PathOf("p.zolp");
    Put(path, std::string(10000, 'x'));
    ASSERT_TRUE(WriteProgramFile(path, {"V1 9600"}));
    EXPECT_EQ(Contents(path), "V1 9600\r\r");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"p.zolp"});
}

TEST_F(ProgramFileTest, WriteFailsWhereNoFileCanBe) {
    const std::string intoDirectory = PathOf("sub");
    fs::create_directory(intoDirectory);
    EXPECT_FALSE(WriteProgramFile(intoDirectory, {"V1 9600"}));
    EXPECT_TRUE(fs::is_directory(intoDirectory));
    EXPECT_TRUE(fs::is_empty(intoDirectory));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"sub"});

    EXPECT_FALSE(WriteProgramFile(PathOf("missing/p.zolp"), {"V1 9600"}));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"sub"});
}

// A write cut short (here by the file size limit, which also binds root)
// leaves the earlier file as it was and no temporary file behind.
TEST_F(ProgramFileTest, FailedWriteKeepsTheEarlierFile) {
    const std::string path = PathOf("p.zolp");
    const std::string earlier = "B1 0 1\rXBL1|Puerta\r\r";
    Put(path, earlier);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteProgramFile(path, ProgramLines(100, std::string(100, 'S')));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(path), earlier);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"p.zolp"});
}

TEST_F(ProgramFileTest, NewFileGetsTheUsualMode) {
    const mode_t savedMask = ::umask(022);
    const bool written = WriteProgramFile(PathOf("new.zolp"), {"V1 9600"});
    ::umask(savedMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(ModeOf(PathOf("new.zolp")), 0644u);
}

TEST_F(ProgramFileTest, ExistingFileKeepsItsMode) {
    for (const mode_t mode : {mode_t{0640}, mode_t{0600}, mode_t{0664}}) {
        const std::string path = PathOf("old.zolp");
        Put(path, "V1 9600\r\r");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteProgramFile(path, {"V1 19200"}));
        EXPECT_EQ(ModeOf(path), mode);
        EXPECT_EQ(Contents(path), "V1 19200\r\r");
    }
}

}  // namespace
