#include "tables/syntax/NecRecords.h"

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

const std::vector<std::string> kRepeatChoices = {"R", "N"};

class NecKind : public RecordKind {
public:
    char Letter() const override { return 'N'; }
    std::string Title() const override { return "LISTA DE COMANDOS INFRARROJOS NEC"; }
    Rgb Background() const override { return {255, 255, 211}; }
    bool TakesMerge() const override { return true; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Etiqueta", {}, false},
            {ColumnKind::Text, "N\xFAmero de comando", {}, false},
            {ColumnKind::Text, "C\xF3" "digo NEC", {}, false},
            {ColumnKind::Choice, "C\xF3" "digo repetici\xF3n", kRepeatChoices, false},
            {ColumnKind::Text, "Cantidad de frames", {}, false},
            {ColumnKind::Button, "Aprender", {}, false},
        };
    }

    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        const LabelMap labels = BuildLabelMap("XNL", lines);
        for (const std::string& line : lines) {
            if (!IsLineOfKind('N', line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() != 4) {
                messages.push_back(BadLineMessage(line));
                continue;
            }
            rows.push_back({LabelFor(labels, pieces[0], "IRNEC"), pieces[0], pieces[1], pieces[2],
                            pieces[3], ""});
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            lines.push_back("N" + row[1] + " " + row[kNecCodeColumn] + " " + row[kNecRepeatColumn] + " " +
                            row[kNecFramesColumn]);
            lines.push_back("XNL" + row[1] + "|" + row[0]);
        }
        return lines;
    }

    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Name, {}});
            checks.push_back({r, 1, CellRule::Number, {}});
            checks.push_back({r, kNecCodeColumn, CellRule::HexCode, {}});
            checks.push_back({r, kNecRepeatColumn, CellRule::Choice, kRepeatChoices});
            checks.push_back({r, kNecFramesColumn, CellRule::Number, {}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& NecRecords() {
    static const NecKind kind;
    return kind;
}

std::string NecLearnCommand(const std::string& number) {
    return "N" + number + " L";
}

std::string NecQueryCommand() {
    return "N";
}

void ApplyNecLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                        Messages& messages) {
    const std::string key = "N" + number;
    for (const std::string& line : reply) {
        const std::vector<std::string> whole = SplitAtSpaces(line);
        if (whole.empty() || whole[0] != key) continue;
        const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
        if (pieces.size() != 4) {
            messages.push_back(BadLineMessage(line));
            continue;
        }
        row[kNecCodeColumn] = pieces[1];
        row[kNecRepeatColumn] = pieces[2];
        row[kNecFramesColumn] = pieces[3];
    }
}
