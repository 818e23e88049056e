#include "sim/ControllerMemory.h"

#include <algorithm>

#include "program/TextSplit.h"

std::string FirstWord(const std::string& line)
{
    std::vector<std::string> words = SplitAtSpaces(line);
    return words.empty() ? std::string() : words.front();
}

namespace {

std::string ParameterName(const std::string& line)
{
    std::vector<std::string> words = SplitAtSpaces(line.substr(1));
    return words.empty() ? std::string() : words.front();
}

} // namespace

void ControllerMemory::Store(const std::string& line)
{
    if (line.empty())
        return;
    std::vector<std::string>& kind = lines[line[0]];
    if (line[0] == 'R') {
        const std::string name = ParameterName(line);
        for (std::string& stored : kind) {
            if (ParameterName(stored) == name) {
                stored = line;
                return;
            }
        }
    }
    kind.push_back(line);
}

void ControllerMemory::Replace(const std::string& line)
{
    if (line.empty())
        return;
    std::vector<std::string>& kind = lines[line[0]];
    const std::string key = FirstWord(line);
    for (std::string& stored : kind) {
        if (FirstWord(stored) == key) {
            stored = line;
            return;
        }
    }
    kind.push_back(line);
}

std::vector<std::string> ControllerMemory::Lines(char kind) const
{
    auto found = lines.find(kind);
    return found == lines.end() ? std::vector<std::string>() : found->second;
}

void ControllerMemory::SetRawCode(const std::string& number, std::vector<unsigned char> code)
{
    raw[number] = std::move(code);
}

bool ControllerMemory::HasRawCode(const std::string& number) const
{
    return raw.count(number) != 0;
}

std::vector<std::string> ControllerMemory::RawNumbers() const
{
    std::vector<std::string> numbers;
    for (const auto& entry : raw)
        numbers.push_back(entry.first);
    std::stable_sort(numbers.begin(), numbers.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return numbers;
}

bool ControllerMemory::HasItem(const std::string& target) const
{
    if (target.empty())
        return false;
    if (target[0] == 'C')
        return HasRawCode(target.substr(1));
    auto found = lines.find(target[0]);
    if (found == lines.end())
        return false;
    return std::any_of(found->second.begin(), found->second.end(),
                       [&](const std::string& line) { return FirstWord(line) == target; });
}

void ControllerMemory::Erase()
{
    lines.clear();
    raw.clear();
}
