#include "cli/Terminal.h"

#include "program/Cp1252.h"

void Terminal::Message(const std::string& text)
{
    if (beforeOutput)
        beforeOutput();
    anyMessage = true;
    WriteLine(Cp1252ToUtf8(text));
}

void Terminal::Notice(const std::string& text)
{
    if (beforeOutput)
        beforeOutput();
    WriteLine(Cp1252ToUtf8(text));
}

void Terminal::TraceLine(const std::string& line)
{
    WriteLine(line);
}

void Terminal::WriteLine(const std::string& utf8)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}
