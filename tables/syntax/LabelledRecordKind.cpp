#include "tables/syntax/LabelledRecordKind.h"

#include <utility>

#include "program/LabelMap.h"
#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

constexpr int kFirstFieldColumn = 2;

}  // namespace

LabelledRecordKind::LabelledRecordKind(char letter, std::string numberHeader, std::string defaultWord)
    : letter_(letter), numberHeader_(std::move(numberHeader)), defaultWord_(std::move(defaultWord)) {}

std::string LabelledRecordKind::RejectMessage(const std::string& line) const {
    return BadLineMessage(line);
}

std::vector<ColumnDef> LabelledRecordKind::Columns() const {
    std::vector<ColumnDef> columns{
        {ColumnKind::Text, "Etiqueta", {}, false},
        {ColumnKind::Text, numberHeader_, {}, false},
    };
    for (ColumnDef& column : FieldColumns()) columns.push_back(std::move(column));
    return columns;
}

void LabelledRecordKind::Load(const ProgramLines& lines, Rows& rows, Messages& messages) const {
    const LabelMap labels = BuildLabelMap(std::string{'X', letter_, 'L'}, lines);
    for (const std::string& line : lines) {
        if (!IsLineOfKind(letter_, line)) continue;
        const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
        std::optional<Row> fields = ReadFields(line, pieces);
        if (!fields) {
            messages.push_back(RejectMessage(line));
            continue;
        }
        const std::string number = pieces.empty() ? std::string() : pieces[0];
        Row row{LabelFor(labels, number, defaultWord_), number};
        for (std::string& field : *fields) row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
}

ProgramLines LabelledRecordKind::Save(const Rows& rows) const {
    ProgramLines lines;
    for (const Row& row : rows) {
        lines.push_back(letter_ + row[1] + " " + FieldsText(row));
        lines.push_back(std::string{'X', letter_, 'L'} + row[1] + "|" + row[0]);
    }
    return lines;
}

std::vector<CellCheck> LabelledRecordKind::Checks(const Rows& rows) const {
    std::vector<CellCheck> checks;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        checks.push_back({r, 0, CellRule::Name, {}});
        checks.push_back({r, 1, CellRule::Number, {}});
        AddFieldChecks(r, checks);
    }
    return checks;
}

void LabelledRecordKind::ApplyLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                                         Messages& messages) const {
    const std::string key = letter_ + number;
    const std::vector<ColumnDef> columns = Columns();
    for (const std::string& line : reply) {
        const std::vector<std::string> whole = SplitAtSpaces(line);
        if (whole.empty() || whole[0] != key) continue;
        const std::optional<Row> fields = ReadFields(line, SplitAtSpaces(line.substr(1)));
        if (!fields) {
            messages.push_back(BadLineMessage(line));
            continue;
        }
        for (std::size_t col = kFirstFieldColumn; col < columns.size(); ++col) {
            if (columns[col].kind != ColumnKind::Button) row[col] = (*fields)[col - kFirstFieldColumn];
        }
    }
}
