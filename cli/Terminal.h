#pragma once
// Everything the tool tells the user goes to stderr through this: messages
// (the editor's texts, one after another, each followed by a line end),
// progress notices and trace lines. Program text is Windows-1252 and leaves
// as UTF-8.
#include <cstdio>
#include <functional>
#include <string>

class Terminal {
public:
    explicit Terminal(std::FILE* stream = stderr) : stream(stream) {}

    // A message as the editor's message dialog would show it (Windows-1252).
    void Message(const std::string& text);
    // Progress (Windows-1252): not a message, it does not make a command fail.
    void Notice(const std::string& text);
    // One line of the wire trace, already printable ASCII.
    void TraceLine(const std::string& line);

    // True once any message was printed.
    bool AnyMessage() const { return anyMessage; }

    // Called before a message or notice is printed, so that output held
    // back elsewhere (a trace line in progress) comes first.
    void SetBeforeOutput(std::function<void()> hook) { beforeOutput = std::move(hook); }

private:
    void WriteLine(const std::string& utf8);

    std::FILE* stream;
    std::function<void()> beforeOutput;
    bool anyMessage = false;
};
