#include "program/ProgramFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "program/AtomicFile.h"

namespace {

bool ReadWholeFile(const std::string& fileName, std::string& bytes) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::string::size_type>(got));
    }
    ::close(fd);
    return ok;
}

}  // namespace

ProgramLines SplitProgramText(const std::string& text) {
    ProgramLines lines;
    std::string current;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            current += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (!current.empty()) lines.push_back(current);
        current.clear();
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

void AppendProgramLinesText(const ProgramLines& lines, std::string& text) {
    std::string::size_type size = text.size();
    for (const std::string& line : lines) size += line.size() + 1;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\r';
    }
}

std::string JoinProgramText(const ProgramLines& lines) {
    std::string text;
    AppendProgramLinesText(lines, text);
    text += '\r';  // the empty line after the program
    return text;
}

bool ReadProgramFile(const std::string& fileName, ProgramLines& lines) {
    std::string bytes;
    if (!ReadWholeFile(fileName, bytes)) return false;
    const ProgramLines read = SplitProgramText(bytes);
    lines.insert(lines.end(), read.begin(), read.end());
    return true;
}

bool WriteProgramFile(const std::string& fileName, const ProgramLines& lines) {
    AtomicFile file(fileName);
    return file.IsOpen() && file.Write(JoinProgramText(lines)) && file.Commit();
}

bool WriteProgramText(const std::string& fileName, const std::vector<std::string_view>& parts) {
    AtomicFile file(fileName);
    if (!file.IsOpen()) return false;
    for (std::string_view part : parts)
        if (!file.Write(part)) return false;
    return file.Commit();
}
