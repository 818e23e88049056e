#include "tables/syntax/RecordKind.h"

Row RecordKind::NewRow() const {
    return Row(static_cast<std::size_t>(ColumnCount() + HiddenFields()));
}

void RecordKind::Merge(const ProgramLines& lines, Rows& rows, Messages& messages) const {
    if (TakesMerge()) Load(lines, rows, messages);
}

std::string RecordKind::TestTarget(const Row& row) const {
    return std::string(1, Letter()) + row.at(static_cast<std::size_t>(NumberColumn()));
}

std::optional<CellFault> FirstFault(const RecordKind& kind, const Rows& rows) {
    for (const CellCheck& check : kind.Checks(rows)) {
        const std::string& text = rows.at(static_cast<std::size_t>(check.row)).at(static_cast<std::size_t>(check.col));
        if (auto reason = BrokenRule(check.rule, text, check.choices)) {
            return CellFault{check.row, check.col, SintaxErrorMessage(*reason)};
        }
    }
    return std::nullopt;
}
