#include "tests/cli/CliTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace clitest {
namespace {

const uid_t kNobody = 65534;

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry)
        entries.emplace_back(*entry);
    for (const std::string& change : changes) {
        const std::string name = change.substr(0, change.find('=') + 1);
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const std::string& e) { return e.compare(0, name.size(), name) == 0; }),
                      entries.end());
        entries.push_back(change);
    }
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes to their end.
void Collect(int outFd, int errFd, std::string& out, std::string& err)
{
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            ADD_FAILURE() << "poll: " << std::strerror(errno);
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& arguments, const CliOptions& options)
{
    std::vector<std::string> argumentTexts{ZENTROLA_CLI};
    argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environmentTexts = ChildEnvironment(options.environment);
    std::vector<char*> argv = Pointers(argumentTexts);
    std::vector<char*> envp = Pointers(environmentTexts);

    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls until exec: the test process has threads.
        int devNull = open("/dev/null", O_RDONLY);
        if (devNull < 0 || dup2(devNull, 0) < 0 || dup2(outPipe[1], 1) < 0 || dup2(errPipe[1], 2) < 0)
            _exit(126);
        if (options.asNobody && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    CliResult result;
    if (child < 0) {
        ADD_FAILURE() << "fork: " << std::strerror(errno);
    } else {
        Collect(outPipe[0], errPipe[0], result.out, result.err);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    close(outPipe[0]);
    close(errPipe[0]);
    return result;
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zentrola-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        ADD_FAILURE() << "no temporary folder";
    path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

void WriteBytes(const std::string& fileName, const std::string& bytes)
{
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good()) << fileName;
}

std::string ReadBytes(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string SavedText(const ProgramLines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r";
    return text + "\r";
}

ProgramLines WithoutLabels(const ProgramLines& lines)
{
    ProgramLines kept;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
                 [](const std::string& line) { return line.empty() || line[0] != 'X'; });
    return kept;
}

const std::string& RawCodeHex()
{
    static const std::string code = std::string(512, 'A') + std::string(512, '5');
    return code;
}

ProgramLines EveryKindProgram()
{
    return {
        "B4 1 2 7", "XBL4|Luz",
        "B5 0 3", "XBL5|Persiana",
        "M2 N12 D10 S3", "XML2|Cine",
        "M3 C3", "XML3|Radio",
        "N12 20DF10EF R 1", "XNL12|Televisor",
        "C3 " + RawCodeHex(), "XCL3|Radio",
        "S3 PWR  ON", "XSL3|Proyector",
        "V1 9600", "V2 115200",
        "A12 20DF10EF", "XAL12|TV",
        "R HABILITADO Y", "R INSTALACION casa", "R SECTOR 1", "R SSID Mi red", "R WPA2 clave larga",
        "R PORT 9835", "R DHCP N", "R IP 192.168.1.20", "R MASK 255.255.255.0",
        "R GATEWAY 192.168.1.1", "R DNS 8.8.8.8", "R PIN 4",
    };
}

}  // namespace clitest
