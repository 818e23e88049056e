#include "tables/RecordLista.h"

#include <map>

#include "app/MessageDialog.h"
#include "program/CellChecker.h"
#include "program/WxText.h"

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
    std::vector<ColumnSpec> specs;
    const std::vector<ColumnDef> defs = kind.Columns();
    for (size_t i = 0; i < defs.size(); ++i) {
        ColumnSpec spec;
        spec.kind = defs[i].kind;
        spec.header = ToWx(defs[i].header);
        if (defs[i].kind == ColumnKind::Choice && !choiceTexts[i].empty()) {
            spec.choiceCount = static_cast<int>(choiceTexts[i].size());
            spec.choices = choiceTexts[i].data();
        }
        specs.push_back(spec);
    }
    return specs;
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
    Rows rows = ReadRows();
    Messages messages;
    kind.Load(lines, rows, messages);
    WriteRows(rows);
    Relayout();
    ShowMessages(messages);
}

void RecordLista::MergeFromProgram(const ProgramLines& lines) {
    if (!kind.TakesMerge()) return;
    Rows rows = ReadRows();
    Messages messages;
    kind.Merge(lines, rows, messages);
    WriteRows(rows);
    Relayout();
    ShowMessages(messages);
}

ProgramLines RecordLista::SaveToProgram() { return kind.Save(ReadRows()); }

bool RecordLista::Validate() {
    // The check must see what the user typed last, as saving will.
    grid->SaveEditControlValue();
    CellChecker checker(*grid, FromWx(GetTitle()));
    for (const CellCheck& check : kind.Checks(ReadRows())) checker.Check(check);
    return true;
}

Rows RecordLista::ReadRows() const {
    Rows rows;
    const int rowCount = grid->GetNumberRows();
    const int columnCount = static_cast<int>(columns.size());
    rows.reserve(rowCount);
    for (int row = 0; row < rowCount; ++row) {
        Row fields;
        fields.reserve(columnCount + kind.HiddenFields());
        for (int col = 0; col < columnCount; ++col) fields.push_back(FromWx(grid->GetCellValue(row, col)));
        ReadHiddenFields(row, fields);
        rows.push_back(std::move(fields));
    }
    return rows;
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
