#pragma once
// Shared by the command-line tool's tests: runs the built tool as a child
// process and captures what it prints and its exit status, a private folder
// for files, and the program with every kind in its saved form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/ProgramLines.h"

namespace clitest {

struct CliResult {
    int status = -1;    // exit status; -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

struct CliOptions {
    // "NAME=value" entries added to (or replacing those of) this environment.
    std::vector<std::string> environment;
    // Run as the user nobody (only possible when the tests run as root).
    bool asNobody = false;
};

CliResult RunCli(const std::vector<std::string>& arguments, const CliOptions& options = {});

// A temporary folder removed with its contents at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return path + "/" + name; }
    const std::string& Root() const { return path; }

private:
    std::string path;
};

void WriteBytes(const std::string& fileName, const std::string& bytes);
// The file's bytes; "<missing>" when it cannot be read.
std::string ReadBytes(const std::string& fileName);

// "N12 20DF10EF R 1\r" ... "\r": what the editor's Save writes.
std::string SavedText(const ProgramLines& lines);
ProgramLines WithoutLabels(const ProgramLines& lines);

// 1024 hex digits of a raw IR code: AA... then 55...
const std::string& RawCodeHex();

// A valid program with every kind, as Save writes it (registry order, each
// row followed by its label line, the remote parameters all present).
ProgramLines EveryKindProgram();

}  // namespace clitest
