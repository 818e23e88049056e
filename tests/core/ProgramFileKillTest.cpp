// Saving a program file while the process is killed at a random moment: the
// file on disk is always the complete old program or the complete new one.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "program/ProgramFile.h"

namespace fs = std::filesystem;

namespace {

// Lines that differ from one program to the other at every position, and
// programs of different sizes, so that any mix of the two shows.
ProgramLines Program(char kind, int count) {
    ProgramLines lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(std::string(1, kind) + std::to_string(i) + " " + std::string(40, static_cast<char>('a' + i % 26)));
    return lines;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<no file>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ProgramFileKillTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zentrola-kill-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A child that saves the two programs in turn until it is killed; returns
    // once it has started.
    pid_t StartSaving(const std::string& path, const ProgramLines& first, const ProgramLines& second) {
        int ready[2];
        if (::pipe(ready) != 0) return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            const char go = 'g';
            if (::write(ready[1], &go, 1) != 1) ::_exit(1);
            for (unsigned long i = 0;; ++i) WriteProgramFile(path, i % 2 == 0 ? first : second);
        }
        ::close(ready[1]);
        char go = 0;
        const bool started = child > 0 && ::read(ready[0], &go, 1) == 1;
        ::close(ready[0]);
        return started ? child : -1;
    }

    fs::path folder_;
};

TEST_F(ProgramFileKillTest, KilledSaveLeavesTheOldOrTheNewFile) {
    const std::string path = (folder_ / "p.zolp").string();
    const ProgramLines oldProgram = Program('N', 3000);
    const ProgramLines newProgram = Program('S', 2000);
    const std::string oldBytes = JoinProgramText(oldProgram);
    const std::string newBytes = JoinProgramText(newProgram);
    ASSERT_TRUE(WriteProgramFile(path, oldProgram));

    // Kills are spread over about two saves, whatever a save costs here.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(WriteProgramFile(path, oldProgram));
    const auto saveMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() / 3;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<long long> delay(0, 2 * saveMicros + 200);

    int oldSeen = 0;
    int newSeen = 0;
    for (int round = 0; round < 60; ++round) {
        const pid_t child = StartSaving(path, newProgram, oldProgram);
        ASSERT_GT(child, 0);
        const long long waited = delay(random);
        ::usleep(static_cast<useconds_t>(waited));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string now = Contents(path);
        ASSERT_TRUE(now == oldBytes || now == newBytes)
            << "round " << round << ", killed after " << waited << " us: " << now.size() << " bytes";
        (now == oldBytes ? oldSeen : newSeen)++;
        ProgramLines read;
        ASSERT_TRUE(ReadProgramFile(path, read));
        EXPECT_TRUE(read == oldProgram || read == newProgram);
    }
    RecordProperty("old_file_after_kill", oldSeen);
    RecordProperty("new_file_after_kill", newSeen);
}

}  // namespace
