#include "tables/syntax/ButtonRecords.h"

#include <cstdlib>
#include <map>

#include "tables/syntax/LabelledRecordKind.h"
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

class ButtonKind : public LabelledRecordKind {
public:
    ButtonKind() : LabelledRecordKind('B', "N\xFAmero", "BOTON") {}

    std::string Title() const override { return "LISTA DE BOTONES"; }
    Rgb Background() const override { return {233, 255, 230}; }

protected:
    std::vector<ColumnDef> FieldColumns() const override {
        return {
            {ColumnKind::Choice, "          Tipo          ", TypeChoices(), false},
            {ColumnKind::Text, "Macros", {}, false},
        };
    }

    std::optional<Row> ReadFields(const std::string&, const std::vector<std::string>& pieces) const override {
        if (pieces.size() < 3) return std::nullopt;
        return Row{TypeText(pieces[1]), JoinFrom(pieces, 2)};
    }

    // Buttons, unlike the other kinds, break the line after the colon.
    std::string RejectMessage(const std::string& line) const override { return "Error de sintaxis:\n" + line; }

    std::string FieldsText(const Row& row) const override { return TypeNumber(row[2]) + " " + row[3]; }

    void AddFieldChecks(int r, std::vector<CellCheck>& checks) const override {
        checks.push_back({r, 2, CellRule::Choice, TypeChoices()});
        checks.push_back({r, 3, CellRule::NumberList, {}});
    }
};

}  // namespace

const RecordKind& ButtonRecords() {
    static const ButtonKind kind;
    return kind;
}
