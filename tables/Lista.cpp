#include "tables/Lista.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/MessageDialog.h"
#include "program/ProgramFile.h"
#include "program/WxText.h"
#include "tables/ListaGridTable.h"
#include "tables/TestButtonRenderer.h"

Lista::Lista(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER,
              wxASCII_STR("panel")),
      parentWindow(parent) {}

void Lista::MergeFromProgram(const ProgramLines&) {}

const std::string& Lista::ProgramText() {
    programText.clear();
    AppendProgramLinesText(SaveToProgram(), programText);
    return programText;
}

wxString Lista::GetTitle() const { return wxString(); }

std::vector<ColumnSpec> Lista::GetColumns() const { return {}; }

bool Lista::HasTestColumn() const { return true; }

bool Lista::HasRowButtons() const { return true; }

void Lista::OnButtonCell(int, int) { ShowMessage("boton"); }

void Lista::TestRow(int) { ShowMessage("Testear linea"); }

const char* Lista::GetLegend() const { return nullptr; }

namespace {

// The legend box is 192 x 88, or larger when the platform's font needs more
// room: a legend cut off at its last lines would hide step letters.
wxSize LegendBoxSize(wxTextCtrl& box) {
    wxClientDC dc(&box);
    dc.SetFont(box.GetFont());
    wxCoord width = 0, height = 0;
    dc.GetMultiLineTextExtent(box.GetValue(), &width, &height);
    const int kFrameAndMargins = 24;
    return wxSize(std::max(192, width + kFrameAndMargins), std::max(88, height + kFrameAndMargins));
}

}  // namespace

void Lista::BuildLayout() {
    auto* mainSizer = new wxBoxSizer(wxHORIZONTAL);
    auto* columnSizer = new wxBoxSizer(wxVERTICAL);

    grid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS,
                      wxASCII_STR("grid"));
    table = new ListaGridTable();
    grid->SetTable(table, true, wxGrid::wxGridSelectCells);

    const std::vector<ColumnSpec> columns = GetColumns();
    const bool testColumn = HasTestColumn();
    const int columnCount = static_cast<int>(columns.size()) + (testColumn ? 1 : 0);
    if (columnCount > 0) grid->AppendCols(columnCount);
    for (size_t i = 0; i < columns.size(); ++i) grid->SetColLabelValue(static_cast<int>(i), columns[i].header);
    if (testColumn) grid->SetColLabelValue(columnCount - 1, wxASCII_STR("Probar"));
    grid->SetRowLabelSize(32);
    fitter.Fit(*grid, *table);

    columnSizer->Add(new wxStaticText(this, wxID_STATIC, GetTitle()), 0, wxLEFT | wxRIGHT, 20);
    columnSizer->Add(5, 5);
    columnSizer->Add(grid, 0, wxLEFT | wxRIGHT, 20);

    if (HasRowButtons()) {
        columnSizer->Add(5, 5);
        auto* buttonSizer = new wxBoxSizer(wxHORIZONTAL);
        buttonSizer->Add(new wxButton(this, kAddRowButtonId, wxASCII_STR("Agregar"), wxDefaultPosition,
                                      wxSize(80, 24)),
                         0, wxRIGHT, 10);
        buttonSizer->Add(new wxButton(this, kDeleteRowButtonId, wxASCII_STR("Eliminar"),
                                      wxDefaultPosition, wxSize(80, 24)),
                         0, wxRIGHT, 10);
        columnSizer->Add(buttonSizer, 0, wxLEFT | wxRIGHT, 20);
    }
    mainSizer->Add(columnSizer, 0, 0, 0);

    if (const char* legend = GetLegend()) {
        auto* legendSizer = new wxBoxSizer(wxVERTICAL);
        legendSizer->Add(new wxStaticText(this, wxID_STATIC, wxASCII_STR(" ")), 0, wxLEFT | wxRIGHT, 20);
        legendSizer->Add(5, 5);
        auto* legendBox = new wxTextCtrl(this, wxID_ANY, ToWx(legend), wxDefaultPosition, wxSize(192, 88),
                                         wxTE_MULTILINE | wxTE_READONLY | wxTE_NO_VSCROLL);
        legendBox->SetMinSize(LegendBoxSize(*legendBox));
        legendSizer->Add(legendBox, 0, 0, 0);
        mainSizer->Add(legendSizer, 0, 0, 0);
    }
    SetSizer(mainSizer);

    Bind(wxEVT_BUTTON, &Lista::OnAddButton, this, kAddRowButtonId);
    Bind(wxEVT_BUTTON, &Lista::OnDeleteButton, this, kDeleteRowButtonId);
    Bind(wxEVT_GRID_CELL_LEFT_CLICK, &Lista::OnCellLeftClick, this);
    Bind(wxEVT_GRID_SELECT_CELL, &Lista::OnSelectCell, this);
    Bind(wxEVT_GRID_CELL_CHANGED, &Lista::OnCellChanged, this);
    Bind(wxEVT_GRID_ROW_SIZE, &Lista::OnRowOrColumnSized, this);
    Bind(wxEVT_GRID_COL_SIZE, &Lista::OnRowOrColumnSized, this);
}

void Lista::AddRow() {
    const std::vector<ColumnSpec> columns = GetColumns();
    grid->AppendRows(1);
    const int row = grid->GetNumberRows() - 1;
    grid->SetRowLabelValue(row, wxString());
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnSpec& column = columns[i];
        if (column.kind == ColumnKind::Button) {
            MakeButtonCell(row, static_cast<int>(i));
        } else if (column.kind == ColumnKind::Choice && column.choiceCount > 0) {
            grid->SetCellEditor(row, static_cast<int>(i),
                                new wxGridCellChoiceEditor(column.choiceCount, column.choices, false));
        }
    }
    if (HasTestColumn()) MakeButtonCell(row, grid->GetNumberCols() - 1);
    modified = true;
}

void Lista::AddRowWithValues(std::vector<wxString> values) {
    const std::vector<ColumnSpec> columns = GetColumns();
    Lista::AddRow();
    const int row = grid->GetNumberRows() - 1;
    for (size_t i = 0; i < values.size() && i < columns.size(); ++i) {
        if (columns[i].kind == ColumnKind::Button) continue;
        grid->SetCellValue(row, static_cast<int>(i), values[i]);
    }
}

void Lista::MakeButtonCell(int row, int col) {
    grid->SetCellAlignment(row, col, wxALIGN_CENTRE, wxALIGN_CENTRE);
    grid->SetCellRenderer(row, col, new TestButtonRenderer);
    grid->SetReadOnly(row, col, true);
}

void Lista::DeleteSelectedRows() {
    const wxArrayInt rows = grid->GetSelectedRows();
    if (rows.empty()) return;
    grid->DeleteRows(rows[0], 1);
    modified = true;
}

void Lista::ClearRows() {
    if (grid->GetNumberRows() == 0) return;
    grid->ClearGrid();
    grid->DeleteRows(0, grid->GetNumberRows());
    Relayout();
}

void Lista::Relayout() {
    fitter.Fit(*grid, *table);
    table->MarkFitted();
    resizedByUser = false;
    LayoutAround();
}

void Lista::Refit() {
    const bool resized = fitter.Fit(*grid, *table);
    table->MarkFitted();
    resizedByUser = false;
    if (resized) LayoutAround();
}

void Lista::LayoutAround() {
    Layout();
    if (parentWindow && parentWindow->GetSizer()) {
        parentWindow->GetSizer()->Layout();
        parentWindow->SetVirtualSize(parentWindow->GetBestVirtualSize());
        parentWindow->Refresh(true);
    }
}

bool Lista::LastRowIsBlank() const {
    const int lastRow = grid->GetNumberRows() - 1;
    for (int col = 0; col < grid->GetNumberCols() - 1; ++col) {
        wxString text = grid->GetCellValue(lastRow, col);
        if (!text.Trim(true).empty()) return false;
    }
    return true;
}

void Lista::OnAddButton(wxCommandEvent&) {
    // A cell still being edited counts as typed.
    grid->SaveEditControlValue();
    if (grid->GetNumberRows() > 0 && LastRowIsBlank()) return;
    AddRow();
    Relayout();
}

void Lista::OnDeleteButton(wxCommandEvent&) {
    // Close the editor first: it must not write into a row that is gone.
    grid->DisableCellEditControl();
    DeleteSelectedRows();
    Relayout();
}

void Lista::OnCellLeftClick(wxGridEvent& event) {
    const int row = event.GetRow();
    const int col = event.GetCol();
    if (HasTestColumn() && col == grid->GetNumberCols() - 1) {
        TestRow(row);
        return;
    }
    const std::vector<ColumnSpec> columns = GetColumns();
    if (col >= 0 && col < static_cast<int>(columns.size()) && columns[col].kind == ColumnKind::Button) {
        OnButtonCell(row, col);
        return;
    }
    event.Skip();
}

void Lista::OnSelectCell(wxGridEvent& event) {
    // A move of the cursor alone changes no size; after a change only the
    // rows that changed are measured again.
    if (table->ChangedSinceFit() || resizedByUser) Refit();
    event.Skip();
}

void Lista::OnCellChanged(wxGridEvent& event) {
    modified = true;
    // A cell committed by moving away is stored after the move's fitting;
    // fit again once the grid has finished with the change.
    if (!fitPending) {
        fitPending = true;
        CallAfter([this] {
            fitPending = false;
            if (table->ChangedSinceFit()) Refit();
        });
    }
    event.Skip();
}

void Lista::OnRowOrColumnSized(wxGridSizeEvent& event) {
    resizedByUser = true;
    event.Skip();
}
