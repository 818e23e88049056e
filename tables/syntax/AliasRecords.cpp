#include "tables/syntax/AliasRecords.h"

#include "tables/syntax/LabelledRecordKind.h"

namespace {

class AliasKind : public LabelledRecordKind {
public:
    AliasKind() : LabelledRecordKind('A', "N\xFAmero de alias", "ALIASIR") {}

    std::string Title() const override { return "LISTA DE ALIAS INFRARROJOS"; }
    Rgb Background() const override { return {255, 255, 143}; }
    bool HasTestColumn() const override { return false; }

protected:
    std::vector<ColumnDef> FieldColumns() const override {
        return {
            {ColumnKind::Text, "C\xF3" "digo NEC", {}, false},
            {ColumnKind::Button, "Aprender", {}, false},
        };
    }

    std::optional<Row> ReadFields(const std::string&, const std::vector<std::string>& pieces) const override {
        if (pieces.size() != 2) return std::nullopt;
        return Row{pieces[1], ""};
    }

    std::string FieldsText(const Row& row) const override { return row[kAliasCodeColumn]; }

    void AddFieldChecks(int r, std::vector<CellCheck>& checks) const override {
        checks.push_back({r, kAliasCodeColumn, CellRule::HexCode, {}});
    }
};

const AliasKind& Alias() {
    static const AliasKind kind;
    return kind;
}

}  // namespace

const RecordKind& AliasRecords() {
    return Alias();
}

std::string AliasLearnCommand(const std::string& number) {
    return "A" + number + " L";
}

std::string AliasQueryCommand() {
    return "A";
}

void ApplyAliasLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                          Messages& messages) {
    Alias().ApplyLearnReply(number, reply, row, messages);
}

void ApplyAliasLearnFailure(Row& row) {
    if (row[kAliasCodeColumn].empty()) row[kAliasCodeColumn] = "FFFFFFFF";
}
