#include "tables/syntax/NecRecords.h"

#include "tables/syntax/LabelledRecordKind.h"

namespace {

const std::vector<std::string> kRepeatChoices = {"R", "N"};

class NecKind : public LabelledRecordKind {
public:
    NecKind() : LabelledRecordKind('N', "N\xFAmero de comando", "IRNEC") {}

    std::string Title() const override { return "LISTA DE COMANDOS INFRARROJOS NEC"; }
    Rgb Background() const override { return {255, 255, 211}; }
    bool TakesMerge() const override { return true; }

protected:
    std::vector<ColumnDef> FieldColumns() const override {
        return {
            {ColumnKind::Text, "C\xF3" "digo NEC", {}, false},
            {ColumnKind::Choice, "C\xF3" "digo repetici\xF3n", kRepeatChoices, false},
            {ColumnKind::Text, "Cantidad de frames", {}, false},
            {ColumnKind::Button, "Aprender", {}, false},
        };
    }

    std::optional<Row> ReadFields(const std::string&, const std::vector<std::string>& pieces) const override {
        if (pieces.size() != 4) return std::nullopt;
        return Row{pieces[1], pieces[2], pieces[3], ""};
    }

    std::string FieldsText(const Row& row) const override {
        return row[kNecCodeColumn] + " " + row[kNecRepeatColumn] + " " + row[kNecFramesColumn];
    }

    void AddFieldChecks(int r, std::vector<CellCheck>& checks) const override {
        checks.push_back({r, kNecCodeColumn, CellRule::HexCode, {}});
        checks.push_back({r, kNecRepeatColumn, CellRule::Choice, kRepeatChoices});
        checks.push_back({r, kNecFramesColumn, CellRule::Number, {}});
    }
};

const NecKind& Nec() {
    static const NecKind kind;
    return kind;
}

}  // namespace

const RecordKind& NecRecords() {
    return Nec();
}

std::string NecLearnCommand(const std::string& number) {
    return "N" + number + " L";
}

std::string NecQueryCommand() {
    return "N";
}

void ApplyNecLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                        Messages& messages) {
    Nec().ApplyLearnReply(number, reply, row, messages);
}
