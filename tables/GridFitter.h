#pragma once
// Fits a table's grid to its contents with the very sizes wxGrid::AutoSize
// gives: each column as wide as its widest cell or label plus 10 pixels, each
// row as high as its highest cell or label plus 6, those sizes also kept as
// the smallest the user may drag them to, and the grid just big enough to
// show every row and column. Unlike AutoSize, which measures every cell twice
// at every call, it measures a cell once and keeps the measures: a later fit
// measures only the rows whose stamps changed, so fitting after an edit costs
// the same in a table of ten rows or of ten thousand.
#include <cstdint>
#include <vector>

#include <wx/gdicmn.h>

class wxGrid;
class ListaGridTable;

class GridFitter {
public:
    // True when a size of a row, a column or the grid itself changed.
    bool Fit(wxGrid& grid, const ListaGridTable& table);

private:
    void Realign(const ListaGridTable& table, int rows);
    bool Apply(wxGrid& grid, int rows);

    int columns = -1;
    std::uint64_t columnsStamp = 0;
    std::uint64_t rowOrder = 0;
    std::vector<int> labelWidths;          // per column
    std::vector<std::uint64_t> stamps;     // per row: the stamp measured, 0 for none
    std::vector<int> widths;               // rows x columns: each cell's best width
    std::vector<int> heights;              // per row: highest cell or row label
    std::vector<int> minimalHeights;       // per row: smallest height set, 0 for none
    std::vector<int> minimalWidths;        // per column, likewise
    wxSize fittedClient;                   // the grid's client size after the last fit
};
