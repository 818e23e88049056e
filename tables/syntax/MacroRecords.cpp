#include "tables/syntax/MacroRecords.h"

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

const char* const kLegend =
    "N -> Infrarrojo NEC\n"
    "C -> Infrarojo Crudo\n"
    "S -> Comando Serial\n"
    "D -> Retardo de Tiempo\n"
    "I -> Redireccionamiento de Infrarojo\n"
    "P -> Redireccionamiento Serial";

class MacroKind : public RecordKind {
public:
    char Letter() const override { return 'M'; }
    std::string Title() const override { return "LISTA DE MACROS"; }
    Rgb Background() const override { return {255, 229, 255}; }
    const char* Legend() const override { return kLegend; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Etiqueta", {}, false},
            {ColumnKind::Text, "N\xFAmero de macro", {}, false},
            {ColumnKind::Text, "Comandos", {}, false},
        };
    }

    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        const LabelMap labels = BuildLabelMap("XML", lines);
        for (const std::string& line : lines) {
            if (!IsLineOfKind(Letter(), line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() < 2) {
                messages.push_back(BadLineMessage(line));
                continue;
            }
            std::string steps = pieces[1];
            for (std::size_t i = 2; i < pieces.size(); ++i) steps += " " + pieces[i];
            rows.push_back({LabelFor(labels, pieces[0], "MACRO"), pieces[0], steps});
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            lines.push_back("M" + row[1] + " " + row[2]);
            lines.push_back("XML" + row[1] + "|" + row[0]);
        }
        return lines;
    }

    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Name, {}});
            checks.push_back({r, 1, CellRule::Number, {}});
            checks.push_back({r, 2, CellRule::MacroSteps, {}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& MacroRecords() {
    static const MacroKind kind;
    return kind;
}
