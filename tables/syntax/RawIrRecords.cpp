#include "tables/syntax/RawIrRecords.h"

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

const std::string& CodeOf(const Row& row) {
    return row.size() > kRawIrCodeField ? row[kRawIrCodeField] : EmptyRawCode();
}

class RawIrKind : public RecordKind {
public:
    char Letter() const override { return 'C'; }
    std::string Title() const override { return "LISTA DE COMANDOS INFRARROJOS CRUDOS"; }
    Rgb Background() const override { return {233, 233, 255}; }
    int HiddenFields() const override { return 1; }
    bool TakesMerge() const override { return true; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Etiqueta", {}, false},
            {ColumnKind::Text, "N\xFAmero de comando", {}, false},
            {ColumnKind::Button, "Aprender", {}, false},
        };
    }

    Row NewRow() const override { return {"", "", "", EmptyRawCode()}; }

    // Loading appends rows after those present, each with its code, so that
    // rows and codes never fall out of step. A line without exactly a number
    // and a code is no error: its row gets the empty raw code.
    void Load(const ProgramLines& lines, Rows& rows, Messages&) const override {
        const LabelMap labels = BuildLabelMap("XCL", lines);
        for (const std::string& line : lines) {
            if (!IsLineOfKind('C', line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            const std::string number = pieces.empty() ? std::string() : pieces[0];
            const std::string& code = pieces.size() == 2 ? pieces[1] : EmptyRawCode();
            rows.push_back({LabelFor(labels, number, "IRCRUDO"), number, "", code});
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            lines.push_back("C" + row[1] + " " + CodeOf(row));
            lines.push_back("XCL" + row[1] + "|" + row[0]);
        }
        return lines;
    }

    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Name, {}});
            checks.push_back({r, 1, CellRule::Number, {}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& RawIrRecords() {
    static const RawIrKind kind;
    return kind;
}

const std::string& EmptyRawCode() {
    static const std::string code(1024, 'F');
    return code;
}

std::string RawIrLearnCommand(const std::string& number) {
    return "C" + number;
}

std::string RawIrLearnFailureCode(const std::string& current) {
    return current.empty() ? EmptyRawCode() : current;
}

void ApplyRawIrLearnText(const std::string& text, Row& row, Messages& messages) {
    const std::vector<std::string> pieces = SplitAtSpaces(text.empty() ? text : text.substr(1));
    if (pieces.size() != 2) {
        messages.push_back(BadLineMessage(text));
        return;
    }
    if (row.size() <= kRawIrCodeField) row.resize(kRawIrCodeField + 1);
    row[kRawIrCodeField] = pieces[1];
}
