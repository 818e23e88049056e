#include "tables/syntax/SerialRecords.h"

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

class SerialKind : public RecordKind {
public:
    char Letter() const override { return 'S'; }
    std::string Title() const override { return "LISTA DE COMANDOS SERIAL"; }
    Rgb Background() const override { return {221, 255, 255}; }
    bool TakesMerge() const override { return true; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Etiqueta", {}, false},
            {ColumnKind::Text, "N\xFAmero de comando", {}, false},
            {ColumnKind::Text, "Comando", {}, false},
        };
    }

    // The command is cut from the line after "S", the number and one
    // separator, never joined from pieces, so its spaces stay as written.
    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        const LabelMap labels = BuildLabelMap("XSL", lines);
        for (const std::string& line : lines) {
            if (!IsLineOfKind('S', line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() < 2) {
                messages.push_back(BadLineMessage(line));
                continue;
            }
            const std::string& number = pieces[0];
            rows.push_back({LabelFor(labels, number, "CMDSERIE"), number, line.substr(number.size() + 2)});
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            lines.push_back("S" + row[1] + " " + row[kSerialCommandColumn]);
            lines.push_back("XSL" + row[1] + "|" + row[0]);
        }
        return lines;
    }

    // The command has no rule of its own; its check only asks that the code
    // page can hold every character.
    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Name, {}});
            checks.push_back({r, 1, CellRule::Number, {}});
            checks.push_back({r, kSerialCommandColumn, CellRule::None, {}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& SerialRecords() {
    static const SerialKind kind;
    return kind;
}
