#pragma once
// The string table behind a Lista's grid. Row labels are always blank, and
// the table remembers whether its rows or cells changed since the grid was
// last fitted, so a mere move of the cursor need not fit the grid again.
#include <wx/grid.h>

class ListaGridTable : public wxGridStringTable {
public:
    ListaGridTable() : wxGridStringTable(0, 0) {}

    bool ChangedSinceFit() const { return changed; }
    void MarkFitted() { changed = false; }

    void SetValue(int row, int col, const wxString& value) override {
        if (GetValue(row, col) != value) changed = true;
        wxGridStringTable::SetValue(row, col, value);
    }
    void Clear() override { changed = true; wxGridStringTable::Clear(); }
    bool InsertRows(size_t pos, size_t numRows) override {
        changed = true;
        return wxGridStringTable::InsertRows(pos, numRows);
    }
    bool AppendRows(size_t numRows) override {
        changed = true;
        return wxGridStringTable::AppendRows(numRows);
    }
    bool DeleteRows(size_t pos, size_t numRows) override {
        changed = true;
        return wxGridStringTable::DeleteRows(pos, numRows);
    }
    bool InsertCols(size_t pos, size_t numCols) override {
        changed = true;
        return wxGridStringTable::InsertCols(pos, numCols);
    }
    bool AppendCols(size_t numCols) override {
        changed = true;
        return wxGridStringTable::AppendCols(numCols);
    }
    bool DeleteCols(size_t pos, size_t numCols) override {
        changed = true;
        return wxGridStringTable::DeleteCols(pos, numCols);
    }
    void SetColLabelValue(int col, const wxString& label) override {
        changed = true;
        wxGridStringTable::SetColLabelValue(col, label);
    }
    wxString GetRowLabelValue(int) override { return wxString(); }

private:
    bool changed = true;
};
