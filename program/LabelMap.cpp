#include "program/LabelMap.h"

#include <vector>

#include "program/TextSplit.h"

namespace {

// Fields between bars; an empty field after the final bar does not count.
std::vector<std::string> SplitAtBars(const std::string& text) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type bar = text.find('|', start);
        if (bar == std::string::npos) {
            if (start < text.size()) fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}

}  // namespace

LabelMap BuildLabelMap(const std::string& prefix, const ProgramLines& lines) {
    LabelMap labels;
    for (const std::string& line : lines) {
        if (line.size() < prefix.size() + 2 || line.compare(0, prefix.size(), prefix) != 0) continue;
        const std::vector<std::string> fields = SplitAtBars(line.substr(prefix.size()));
        if (fields.size() < 2) continue;
        labels[fields[0]] = Trim(fields[1]);
    }
    return labels;
}

std::string LabelFor(const LabelMap& labels, const std::string& number, const std::string& defaultWord) {
    const auto found = labels.find(number);
    if (found != labels.end()) {
        std::string label = TrimEnd(found->second);
        if (!label.empty()) return label;
    }
    return defaultWord + number;
}
