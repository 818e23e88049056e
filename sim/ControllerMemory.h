#pragma once
// What the simulated controller keeps: its program lines by record kind, in
// the order received, and its raw IR codes by number.
#include <map>
#include <string>
#include <vector>

class ControllerMemory {
public:
    // Record lines are kept as received; an "R" line replaces the earlier
    // line of the same parameter.
    void Store(const std::string& line);
    // Keeps the line, replacing the first line whose first word is the same.
    void Replace(const std::string& line);
    std::vector<std::string> Lines(char kind) const;

    void SetRawCode(const std::string& number, std::vector<unsigned char> code);
    bool HasRawCode(const std::string& number) const;
    const std::map<std::string, std::vector<unsigned char>>& RawCodes() const { return raw; }
    // The numbers of the raw codes, ascending by value.
    std::vector<std::string> RawNumbers() const;

    // "B12": a stored line whose first word is the target; "C5": a raw code.
    bool HasItem(const std::string& target) const;

    void Erase();

private:
    std::map<char, std::vector<std::string>> lines;
    std::map<std::string, std::vector<unsigned char>> raw;
};

// The first word of a line (split at spaces).
std::string FirstWord(const std::string& line);
