#include "tables/syntax/ButtonRecords.h"

#include <cstdlib>
#include <map>

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

const std::vector<std::string>& TypeChoices() {
    static const std::vector<std::string> choices{"PULSADO", "RETENIDO"};
    return choices;
}

// Type number to type text, as the record line writes the type.
const std::map<long, std::string>& ButtonTypes() {
    static const std::map<long, std::string> types{{0, "PULSADO"}, {1, "RETENIDO"}};
    return types;
}

// The type token is read as a leading decimal integer: "1x" is 1, "PULSADO" 0.
std::string TypeText(const std::string& token) {
    const long number = std::strtol(token.c_str(), nullptr, 10);
    const auto found = ButtonTypes().find(number);
    return found == ButtonTypes().end() ? std::string() : found->second;
}

std::string TypeNumber(const std::string& text) {
    std::string number = "0";
    for (const auto& [value, name] : ButtonTypes()) {
        if (name == text) number = std::to_string(value);
    }
    return number;
}

std::string JoinFrom(const std::vector<std::string>& pieces, std::size_t first) {
    std::string joined;
    for (std::size_t i = first; i < pieces.size(); ++i) {
        if (i > first) joined += ' ';
        joined += pieces[i];
    }
    return joined;
}

class ButtonKind : public RecordKind {
public:
    char Letter() const override { return 'B'; }
    std::string Title() const override { return "LISTA DE BOTONES"; }
    Rgb Background() const override { return {233, 255, 230}; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Etiqueta", {}, false},
            {ColumnKind::Text, "N\xFAmero", {}, false},
            {ColumnKind::Choice, "          Tipo          ", TypeChoices(), false},
            {ColumnKind::Text, "Macros", {}, false},
        };
    }

    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        const LabelMap labels = BuildLabelMap("XBL", lines);
        for (const std::string& line : lines) {
            if (!IsLineOfKind(Letter(), line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() < 3) {
                // Buttons, unlike the other kinds, break the line after the colon.
                messages.push_back("Error de sintaxis:\n" + line);
                continue;
            }
            const std::string& number = pieces[0];
            rows.push_back({LabelFor(labels, number, "BOTON"), number, TypeText(pieces[1]),
                            JoinFrom(pieces, 2)});
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            lines.push_back("B" + row[1] + " " + TypeNumber(row[2]) + " " + row[3]);
            lines.push_back("XBL" + row[1] + "|" + row[0]);
        }
        return lines;
    }

    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Name, {}});
            checks.push_back({r, 1, CellRule::Number, {}});
            checks.push_back({r, 2, CellRule::Choice, TypeChoices()});
            checks.push_back({r, 3, CellRule::NumberList, {}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& ButtonRecords() {
    static const ButtonKind kind;
    return kind;
}
