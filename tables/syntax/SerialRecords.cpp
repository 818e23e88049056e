#include "tables/syntax/SerialRecords.h"

#include "tables/syntax/LabelledRecordKind.h"

namespace {

class SerialKind : public LabelledRecordKind {
public:
    SerialKind() : LabelledRecordKind('S', "N\xFAmero de comando", "CMDSERIE") {}

    std::string Title() const override { return "LISTA DE COMANDOS SERIAL"; }
    Rgb Background() const override { return {221, 255, 255}; }
    bool TakesMerge() const override { return true; }

protected:
    std::vector<ColumnDef> FieldColumns() const override { return {{ColumnKind::Text, "Comando", {}, false}}; }

    // The command is cut from the line after "S", the number and one
    // separator, never joined from pieces, so its spaces stay as written.
    std::optional<Row> ReadFields(const std::string& line, const std::vector<std::string>& pieces) const override {
        if (pieces.size() < 2) return std::nullopt;
        return Row{line.substr(pieces[0].size() + 2)};
    }

    std::string FieldsText(const Row& row) const override { return row[kSerialCommandColumn]; }

    // The command has no rule of its own; its check only asks that the code
    // page can hold every character.
    void AddFieldChecks(int r, std::vector<CellCheck>& checks) const override {
        checks.push_back({r, kSerialCommandColumn, CellRule::None, {}});
    }
};

}  // namespace

const RecordKind& SerialRecords() {
    static const SerialKind kind;
    return kind;
}
