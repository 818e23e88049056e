// A program file may have any name the file system allows, up to its longest:
// the temporary file beside it must not need a longer one.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "program/ProgramFile.h"

namespace fs = std::filesystem;

namespace {

class LongFileNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zentrola-names-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(LongFileNameTest, SavesUnderEveryAllowedNameLength) {
    for (const std::size_t length : {std::size_t{6}, std::size_t{243}, std::size_t{244}, std::size_t{NAME_MAX}}) {
        const std::string name = std::string(length - 5, 'n') + ".zolp";
        const std::string path = (folder_ / name).string();
        for (const char* speed : {"V1 9600", "V1 19200"}) {   // new file, then replaced
            ASSERT_TRUE(WriteProgramFile(path, {speed})) << length;
            ProgramLines read;
            ASSERT_TRUE(ReadProgramFile(path, read));
            EXPECT_EQ(read, ProgramLines{speed}) << length;
        }
        fs::remove(path);
        EXPECT_EQ(EntryCount(), 0u) << length;
    }
}

TEST_F(LongFileNameTest, NameTooLongFailsAndLeavesNothing) {
    const std::string path = (folder_ / std::string(NAME_MAX + 1, 'n')).string();
    EXPECT_FALSE(WriteProgramFile(path, {"V1 9600"}));
    EXPECT_EQ(EntryCount(), 0u);
}

}  // namespace
