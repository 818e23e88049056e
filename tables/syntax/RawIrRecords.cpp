#include "tables/syntax/RawIrRecords.h"

#include "program/TextSplit.h"
#include "tables/syntax/LabelledRecordKind.h"
#include "tables/syntax/RecordLine.h"

namespace {

const std::string& CodeOf(const Row& row) {
    return row.size() > kRawIrCodeField ? row[kRawIrCodeField] : EmptyRawCode();
}

class RawIrKind : public LabelledRecordKind {
public:
    RawIrKind() : LabelledRecordKind('C', "N\xFAmero de comando", "IRCRUDO") {}

    std::string Title() const override { return "LISTA DE COMANDOS INFRARROJOS CRUDOS"; }
    Rgb Background() const override { return {233, 233, 255}; }
    int HiddenFields() const override { return 1; }
    bool TakesMerge() const override { return true; }

    Row NewRow() const override { return {"", "", "", EmptyRawCode()}; }

protected:
    std::vector<ColumnDef> FieldColumns() const override { return {{ColumnKind::Button, "Aprender", {}, false}}; }

    // Every line is read, each row with its code, so that rows and codes
    // never fall out of step. A line without exactly a number and a code is
    // no error: its row gets the empty raw code.
    std::optional<Row> ReadFields(const std::string&, const std::vector<std::string>& pieces) const override {
        return Row{"", pieces.size() == 2 ? pieces[1] : EmptyRawCode()};
    }

    std::string FieldsText(const Row& row) const override { return CodeOf(row); }

    void AddFieldChecks(int, std::vector<CellCheck>&) const override {}
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
