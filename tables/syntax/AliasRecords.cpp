#include "tables/syntax/AliasRecords.h"

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

class AliasKind : public RecordKind {
public:
    char Letter() const override { return 'A'; }
    std::string Title() const override { return "LISTA DE ALIAS INFRARROJOS"; }
    Rgb Background() const override { return {255, 255, 143}; }
    bool HasTestColumn() const override { return false; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Etiqueta", {}, false},
            {ColumnKind::Text, "N\xFAmero de alias", {}, false},
            {ColumnKind::Text, "C\xF3" "digo NEC", {}, false},
            {ColumnKind::Button, "Aprender", {}, false},
        };
    }

    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        const LabelMap labels = BuildLabelMap("XAL", lines);
        for (const std::string& line : lines) {
            if (!IsLineOfKind(Letter(), line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() != 2) {
                messages.push_back(BadLineMessage(line));
                continue;
            }
            rows.push_back({LabelFor(labels, pieces[0], "ALIASIR"), pieces[0], pieces[1], ""});
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            lines.push_back("A" + row[1] + " " + row[kAliasCodeColumn]);
            lines.push_back("XAL" + row[1] + "|" + row[0]);
        }
        return lines;
    }

    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Name, {}});
            checks.push_back({r, 1, CellRule::Number, {}});
            checks.push_back({r, kAliasCodeColumn, CellRule::HexCode, {}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& AliasRecords() {
    static const AliasKind kind;
    return kind;
}

std::string AliasLearnCommand(const std::string& number) {
    return "A" + number + " L";
}

std::string AliasQueryCommand() {
    return "A";
}

void ApplyAliasLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                          Messages& messages) {
    const std::string key = "A" + number;
    for (const std::string& line : reply) {
        const std::vector<std::string> whole = SplitAtSpaces(line);
        if (whole.empty() || whole[0] != key) continue;
        const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
        if (pieces.size() == 2)
            row[kAliasCodeColumn] = pieces[1];
        else
            messages.push_back(BadLineMessage(line));
    }
}

void ApplyAliasLearnFailure(Row& row) {
    if (row[kAliasCodeColumn].empty()) row[kAliasCodeColumn] = "FFFFFFFF";
}
