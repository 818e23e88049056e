#pragma once
// The string table behind a Lista's grid. Row labels are always blank, and
// the table remembers whether its rows or cells changed since the grid was
// last fitted, so a mere move of the cursor need not fit the grid again.
//
// Every row carries a stamp that changes whenever one of its cells changes
// (rows added get new stamps), so that whoever keeps something per row (the
// fitted sizes, the rows as program text) redoes only the rows that changed.
#include <algorithm>
#include <cstdint>
#include <vector>

#include <wx/grid.h>

class ListaGridTable : public wxGridStringTable {
public:
    ListaGridTable() : wxGridStringTable(0, 0) {}

    bool ChangedSinceFit() const { return changed; }
    void MarkFitted() { changed = false; }

    // A row out of step (in the middle of a change) has a stamp that never
    // matches anything kept.
    std::uint64_t RowStamp(int row) const {
        return row >= 0 && static_cast<std::size_t>(row) < rowStamps.size() ? rowStamps[static_cast<std::size_t>(row)]
                                                                              : kUnknownRow;
    }
    static constexpr std::uint64_t kUnknownRow = ~std::uint64_t(0);
    // Changes when rows are inserted or deleted, so that rows may have moved.
    std::uint64_t RowOrder() const { return rowOrder; }
    // Changes when columns come or go or their labels change.
    std::uint64_t ColumnsStamp() const { return columnsStamp; }

    void SetValue(int row, int col, const wxString& value) override {
        if (GetValue(row, col) != value) {
            changed = true;
            if (row >= 0 && static_cast<std::size_t>(row) < rowStamps.size())
                rowStamps[static_cast<std::size_t>(row)] = nextStamp++;
        }
        wxGridStringTable::SetValue(row, col, value);
    }
    void Clear() override {
        changed = true;
        wxGridStringTable::Clear();
        RestampAll();
    }
    bool InsertRows(size_t pos, size_t numRows) override {
        changed = true;
        // The stamps change first: the grid reports the new rows (and may move
        // its cursor) before the table's call returns. Inserting at the end
        // appends, through AppendRows.
        if (pos < rowStamps.size()) {
            rowStamps.insert(rowStamps.begin() + static_cast<std::ptrdiff_t>(pos), numRows, 0);
            for (size_t i = pos; i < pos + numRows; ++i) rowStamps[i] = nextStamp++;
            ++rowOrder;
        }
        const bool done = wxGridStringTable::InsertRows(pos, numRows);
        Resync();
        return done;
    }
    bool AppendRows(size_t numRows) override {
        changed = true;
        for (size_t i = 0; i < numRows; ++i) rowStamps.push_back(nextStamp++);
        const bool done = wxGridStringTable::AppendRows(numRows);
        Resync();
        return done;
    }
    bool DeleteRows(size_t pos, size_t numRows) override {
        changed = true;
        if (pos < rowStamps.size()) {
            const size_t last = std::min(rowStamps.size(), pos + numRows);
            rowStamps.erase(rowStamps.begin() + static_cast<std::ptrdiff_t>(pos),
                            rowStamps.begin() + static_cast<std::ptrdiff_t>(last));
            ++rowOrder;
        }
        const bool done = wxGridStringTable::DeleteRows(pos, numRows);
        Resync();
        return done;
    }
    bool InsertCols(size_t pos, size_t numCols) override {
        changed = true;
        const bool done = wxGridStringTable::InsertCols(pos, numCols);
        ColumnsChanged();
        return done;
    }
    bool AppendCols(size_t numCols) override {
        changed = true;
        const bool done = wxGridStringTable::AppendCols(numCols);
        ColumnsChanged();
        return done;
    }
    bool DeleteCols(size_t pos, size_t numCols) override {
        changed = true;
        const bool done = wxGridStringTable::DeleteCols(pos, numCols);
        ColumnsChanged();
        return done;
    }
    void SetColLabelValue(int col, const wxString& label) override {
        changed = true;
        ++columnsStamp;
        wxGridStringTable::SetColLabelValue(col, label);
    }
    wxString GetRowLabelValue(int) override { return wxString(); }

private:
    void RestampAll() {
        for (std::uint64_t& stamp : rowStamps) stamp = nextStamp++;
    }
    void ColumnsChanged() {
        ++columnsStamp;
        RestampAll();
    }
    // Should the table have refused a change, every row counts as changed.
    void Resync() {
        const size_t rows = static_cast<size_t>(GetNumberRows());
        if (rows == rowStamps.size()) return;
        rowStamps.resize(rows);
        RestampAll();
        ++rowOrder;
    }

    bool changed = true;
    std::vector<std::uint64_t> rowStamps;
    std::uint64_t nextStamp = 1;
    std::uint64_t rowOrder = 0;
    std::uint64_t columnsStamp = 0;
};
