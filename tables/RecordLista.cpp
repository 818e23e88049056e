#include "tables/RecordLista.h"

#include <algorithm>
#include <functional>
#include <map>

#include "app/MessageDialog.h"
#include "program/CellChecker.h"
#include "program/CellRules.h"
#include "program/ProgramFile.h"
#include "program/WxText.h"
#include "tables/ListaGridTable.h"

namespace {

// The choice texts of every kind, built once and kept for the program's life:
// the choice editors and ColumnSpec point into them.
const std::vector<std::vector<wxString>>& ChoiceTexts(const RecordKind& kind) {
    static std::map<const RecordKind*, std::vector<std::vector<wxString>>> byKind;
    auto found = byKind.find(&kind);
    if (found != byKind.end()) return found->second;
    std::vector<std::vector<wxString>> texts;
    for (const ColumnDef& column : kind.Columns()) {
        std::vector<wxString> choices;
        for (const std::string& choice : column.choices) choices.push_back(ToWx(choice));
        texts.push_back(std::move(choices));
    }
    return byKind.emplace(&kind, std::move(texts)).first->second;
}

std::vector<ColumnSpec> ColumnSpecs(const RecordKind& kind) {
    const std::vector<std::vector<wxString>>& choiceTexts = ChoiceTexts(kind);
    std::vector<ColumnSpec> declared;
    const std::vector<ColumnDef> defs = kind.Columns();
    for (size_t i = 0; i < defs.size(); ++i) {
        ColumnSpec column;
        column.kind = defs[i].kind;
        column.header = ToWx(defs[i].header);
        if (defs[i].kind == ColumnKind::Choice && !choiceTexts[i].empty()) {
            column.choiceCount = static_cast<int>(choiceTexts[i].size());
            column.choices = choiceTexts[i].data();
        }
        declared.push_back(column);
    }
    return declared;
}

}  // namespace

RecordLista::RecordLista(wxWindow* parent, const RecordKind& kind)
    : Lista(parent), kind(kind), columns(ColumnSpecs(kind)) {
    BuildLayout();
    const Rgb colour = kind.Background();
    grid->SetDefaultCellBackgroundColour(wxColour(colour.red, colour.green, colour.blue));
    const std::vector<ColumnDef> defs = kind.Columns();
    for (size_t i = 0; i < defs.size(); ++i) {
        if (!defs[i].readOnly) continue;
        auto* attr = new wxGridCellAttr;
        attr->SetReadOnly(true);
        grid->SetColAttr(static_cast<int>(i), attr);
    }
    WriteRows(kind.InitialRows());
    Relayout();
}

wxString RecordLista::GetTitle() const { return ToWx(kind.Title()); }

std::vector<ColumnSpec> RecordLista::GetColumns() const { return columns; }

bool RecordLista::HasTestColumn() const { return kind.HasTestColumn(); }

bool RecordLista::HasRowButtons() const { return kind.HasRowButtons(); }

const char* RecordLista::GetLegend() const { return kind.Legend(); }

void RecordLista::AddRow() {
    Lista::AddRow();
    const int row = grid->GetNumberRows() - 1;
    const Row fields = kind.NewRow();
    for (size_t i = 0; i < fields.size() && i < columns.size(); ++i) {
        if (columns[i].kind != ColumnKind::Button && !fields[i].empty())
            grid->SetCellValue(row, static_cast<int>(i), ToWx(fields[i]));
    }
    WriteHiddenFields(row, fields);
}

void RecordLista::ClearRows() {
    Lista::ClearRows();
    const Rows initial = kind.InitialRows();
    if (initial.empty()) return;
    WriteRows(initial);
    Relayout();
}

void RecordLista::LoadFromProgram(const ProgramLines& lines) {
    ReadIntoRows([&](Rows& rows, Messages& messages) { kind.Load(lines, rows, messages); });
}

void RecordLista::MergeFromProgram(const ProgramLines& lines) {
    if (!kind.TakesMerge()) return;
    ReadIntoRows([&](Rows& rows, Messages& messages) { kind.Merge(lines, rows, messages); });
}

void RecordLista::ReadIntoRows(const std::function<void(Rows&, Messages&)>& read) {
    Rows rows = ReadRows();
    Messages messages;
    read(rows, messages);
    WriteRows(rows);
    Relayout();
    PrepareToSave();
    ShowMessages(messages);
}

ProgramLines RecordLista::SaveToProgram() {
    CurrentRows();
    if (text.linesVersion != text.version) {
        text.lines = kind.Save(text.rows);
        text.linesVersion = text.version;
    }
    return text.lines;
}

const std::string& RecordLista::ProgramText() {
    CurrentRows();
    if (text.fileTextVersion != text.version) {
        text.fileText.clear();
        AppendProgramLinesText(SaveToProgram(), text.fileText);
        text.fileTextVersion = text.version;
    }
    return text.fileText;
}

void RecordLista::RowsChanged() const {
    text.checked = false;
    ++text.version;
}

bool RecordLista::Validate() {
    // The check must see what the user typed last, as saving will.
    grid->SaveEditControlValue();
    CurrentRows();
    if (text.checked) return true;
    for (const CellCheck& check : kind.Checks(text.rows)) {
        if (Passes(check)) continue;
        // The checker reads the cell again, puts the cursor on it and throws.
        CellChecker checker(*grid, FromWx(GetTitle()));
        checker.Check(check);
    }
    text.checked = true;
    return true;
}

void RecordLista::PrepareToSave() {
    CurrentRows();
    if (!text.checked) {
        for (const CellCheck& check : kind.Checks(text.rows)) {
            if (!Passes(check)) return;
        }
        text.checked = true;
    }
    ProgramText();
}

bool RecordLista::Passes(const CellCheck& check) const {
    const size_t row = static_cast<size_t>(check.row);
    const size_t col = static_cast<size_t>(check.col);
    if (check.row < 0 || check.col < 0 || row >= text.rows.size() || col >= columns.size() || col >= 32)
        return false;   // the checker itself decides
    const bool lossy = (text.lossy[row] >> col) & 1u;
    if (lossy && (check.rule == CellRule::None || check.rule == CellRule::NoSpaces)) return false;
    return !BrokenRule(check.rule, text.rows[row][col], check.choices);
}

Rows RecordLista::ReadRows() const { return CurrentRows(); }

const Rows& RecordLista::CurrentRows() const {
    const ListaGridTable& cells = GridTable();
    const size_t rowCount = static_cast<size_t>(grid->GetNumberRows());
    const size_t columnCount = columns.size();
    if (text.rows.size() != rowCount) RowsChanged();
    text.rows.resize(rowCount);
    text.stamps.resize(rowCount, 0);
    text.lossy.resize(rowCount, 0);
    for (size_t row = 0; row < rowCount; ++row) {
        const int r = static_cast<int>(row);
        if (text.stamps[row] == cells.RowStamp(r)) continue;
        Row& fields = text.rows[row];
        fields.resize(std::max(fields.size(), columnCount));
        std::uint32_t lossy = 0;
        for (size_t col = 0; col < columnCount; ++col) {
            bool unencodable = false;
            fields[col] = FromWx(grid->GetCellValue(r, static_cast<int>(col)), &unencodable);
            if (unencodable && col < 32) lossy |= 1u << col;
        }
        text.lossy[row] = lossy;
        text.stamps[row] = cells.RowStamp(r);
        RowsChanged();
    }
    // Fields kept beside the grid change without the grid knowing: they are
    // taken afresh every time.
    Row extra;
    for (size_t row = 0; row < rowCount; ++row) {
        extra.clear();
        ReadHiddenFields(static_cast<int>(row), extra);
        Row& fields = text.rows[row];
        if (fields.size() != columnCount + extra.size()) {
            fields.resize(columnCount + extra.size());
            RowsChanged();
        }
        for (size_t k = 0; k < extra.size(); ++k) {
            if (fields[columnCount + k] == extra[k]) continue;
            fields[columnCount + k] = std::move(extra[k]);
            RowsChanged();
        }
    }
    return text.rows;
}

void RecordLista::ReadHiddenFields(int, Row& fields) const {
    fields.resize(fields.size() + kind.HiddenFields());
}

void RecordLista::WriteHiddenFields(int, const Row&) {}

void RecordLista::WriteRows(const Rows& rows) {
    wxGridUpdateLocker batch(grid);
    const int existing = grid->GetNumberRows();
    const int wanted = static_cast<int>(rows.size());
    const int columnCount = static_cast<int>(columns.size());
    for (int row = 0; row < wanted; ++row) {
        const Row& fields = rows[row];
        if (row < existing) {
            for (int col = 0; col < columnCount && col < static_cast<int>(fields.size()); ++col) {
                if (columns[col].kind == ColumnKind::Button) continue;
                const wxString text = ToWx(fields[col]);
                if (grid->GetCellValue(row, col) != text) grid->SetCellValue(row, col, text);
            }
        } else {
            std::vector<wxString> values;
            for (int col = 0; col < columnCount; ++col)
                values.push_back(col < static_cast<int>(fields.size()) ? ToWx(fields[col]) : wxString());
            AddRowWithValues(std::move(values));
        }
        WriteHiddenFields(row, fields);
    }
    if (wanted < existing) {
        grid->DeleteRows(wanted, existing - wanted);
        modified = true;
    }
}

void RecordLista::ShowMessages(const Messages& messages) {
    for (const std::string& message : messages) ShowMessage(message);
}
