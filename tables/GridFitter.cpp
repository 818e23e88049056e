#include "tables/GridFitter.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include <wx/dcclient.h>
#include <wx/grid.h>

#include "tables/ListaGridTable.h"

namespace {

// AutoSize leaves this much room around the text.
constexpr int kColumnPadding = 10;
constexpr int kRowPadding = 6;

// What AutoSize uses of the grid and wxGrid keeps to itself: the attributes
// of a cell as they are (without creating any), and the margins right of and
// below the cells.
struct GridInternals : wxGrid {
    static wxGridCellAttrPtr CellAttr(const wxGrid& grid, int row, int col)
    {
        wxGridCellAttrPtr (wxGrid::*get)(int, int) const = &GridInternals::GetCellAttrPtr;
        return (grid.*get)(row, col);
    }
    static wxSize Margins(const wxGrid& grid)
    {
        return wxSize(grid.*(&GridInternals::m_extraWidth), grid.*(&GridInternals::m_extraHeight));
    }
};

}  // namespace

void GridFitter::Realign(const ListaGridTable& table, int rows)
{
    // Rows were inserted or deleted: take the measures along with their rows.
    // The grid keeps the smallest heights by row number and does not move
    // them with the rows, so those are all set again.
    std::unordered_map<std::uint64_t, std::size_t> measured;
    measured.reserve(stamps.size());
    for (std::size_t r = 0; r < stamps.size(); ++r) {
        if (stamps[r] != 0)
            measured.emplace(stamps[r], r);
    }
    const std::size_t cols = static_cast<std::size_t>(columns);
    std::vector<std::uint64_t> newStamps(static_cast<std::size_t>(rows), 0);
    std::vector<int> newWidths(static_cast<std::size_t>(rows) * cols, 0);
    std::vector<int> newHeights(static_cast<std::size_t>(rows), 0);
    for (int r = 0; r < rows; ++r) {
        const auto found = measured.find(table.RowStamp(r));
        if (found == measured.end())
            continue;
        const std::size_t from = found->second, to = static_cast<std::size_t>(r);
        newStamps[to] = stamps[from];
        std::copy_n(widths.begin() + static_cast<std::ptrdiff_t>(from * cols), cols,
                    newWidths.begin() + static_cast<std::ptrdiff_t>(to * cols));
        newHeights[to] = heights[from];
    }
    stamps.swap(newStamps);
    widths.swap(newWidths);
    heights.swap(newHeights);
    minimalHeights.assign(static_cast<std::size_t>(rows), 0);
}

bool GridFitter::Fit(wxGrid& grid, const ListaGridTable& table)
{
    // As AutoSize does: an edit in progress ends and its text is kept.
    grid.HideCellEditControl();
    grid.SaveEditControlValue();

    const int rows = grid.GetNumberRows();
    const int cols = grid.GetNumberCols();
    // Made only when something is to be measured: a fit with nothing new
    // costs no drawing context.
    std::optional<wxClientDC> context;
    auto dc = [&]() -> wxDC& {
        if (!context)
            context.emplace(grid.GetGridWindow());
        return *context;
    };

    if (cols != columns || table.ColumnsStamp() != columnsStamp) {
        columns = cols;
        columnsStamp = table.ColumnsStamp();
        stamps.assign(static_cast<std::size_t>(rows), 0);
        widths.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), 0);
        heights.assign(static_cast<std::size_t>(rows), 0);
        minimalHeights.assign(static_cast<std::size_t>(rows), 0);
        minimalWidths.assign(static_cast<std::size_t>(cols), 0);
        labelWidths.assign(static_cast<std::size_t>(cols), 0);
        dc().SetFont(grid.GetLabelFont());
        for (int c = 0; c < cols; ++c) {
            wxCoord w = 0, h = 0;
            dc().GetMultiLineTextExtent(grid.GetColLabelValue(c), &w, &h);
            labelWidths[static_cast<std::size_t>(c)] = grid.GetColLabelTextOrientation() == wxVERTICAL ? h : w;
        }
    }
    if (table.RowOrder() != rowOrder) {
        rowOrder = table.RowOrder();
        Realign(table, rows);
    }
    const std::size_t rowCount = static_cast<std::size_t>(rows), colCount = static_cast<std::size_t>(cols);
    stamps.resize(rowCount, 0);
    widths.resize(rowCount * colCount, 0);
    heights.resize(rowCount, 0);
    minimalHeights.resize(rowCount, 0);

    // The height of a blank row label, measured once.
    int blankLabelHeight = -1;
    for (int r = 0; r < rows; ++r) {
        const std::size_t at = static_cast<std::size_t>(r);
        if (stamps[at] == table.RowStamp(r))
            continue;
        int highest = 0;
        for (int c = 0; c < cols; ++c) {
            int width = 0;
            const wxGridCellAttrPtr attr = GridInternals::CellAttr(grid, r, c);
            const wxGridCellRendererPtr renderer = attr->GetRendererPtr(&grid, r, c);
            if (renderer) {
                const wxSize best = renderer->GetBestSize(grid, *attr, dc(), r, c);
                width = best.x;
                highest = std::max(highest, best.y);
            }
            widths[at * colCount + static_cast<std::size_t>(c)] = width;
        }
        const wxString label = grid.GetRowLabelValue(r);
        int labelHeight = blankLabelHeight;
        if (!label.empty() || blankLabelHeight < 0) {
            wxCoord w = 0, h = 0;
            dc().SetFont(grid.GetLabelFont());
            dc().GetMultiLineTextExtent(label, &w, &h);
            labelHeight = h;
            if (label.empty())
                blankLabelHeight = h;
        }
        heights[at] = std::max(highest, labelHeight);
        stamps[at] = table.RowStamp(r);
    }
    return Apply(grid, rows);
}

bool GridFitter::Apply(wxGrid& grid, int rows)
{
    const std::size_t colCount = static_cast<std::size_t>(columns);
    const std::size_t rowCount = static_cast<std::size_t>(rows);
    std::vector<int> colWidths(colCount);
    for (std::size_t c = 0; c < colCount; ++c) {
        int widest = labelWidths[c];
        for (std::size_t r = 0; r < rowCount; ++r)
            widest = std::max(widest, widths[r * colCount + c]);
        colWidths[c] = widest > 0 ? widest + kColumnPadding : grid.GetDefaultColSize();
    }
    auto rowHeight = [&](std::size_t r) {
        return heights[r] > 0 ? heights[r] + kRowPadding : grid.GetDefaultRowSize();
    };

    // Nothing to do is the common case after an edit; the grid's batch mode
    // would repaint every cell on leaving, so it is entered only for work.
    bool work = false;
    for (std::size_t c = 0; c < colCount && !work; ++c)
        work = grid.GetColSize(static_cast<int>(c)) != colWidths[c] || minimalWidths[c] != colWidths[c];
    for (std::size_t r = 0; r < rowCount && !work; ++r)
        work = grid.GetRowSize(static_cast<int>(r)) != rowHeight(r) || minimalHeights[r] != rowHeight(r);
    if (!work && grid.GetClientSize() == fittedClient)
        return false;

    bool changed = false;
    wxGridUpdateLocker batch(&grid);
    int totalWidth = 0;
    for (std::size_t c = 0; c < colCount; ++c) {
        const int col = static_cast<int>(c);
        if (grid.GetColSize(col) != colWidths[c]) {
            grid.SetColSize(col, colWidths[c]);
            changed = true;
        }
        if (minimalWidths[c] != colWidths[c]) {
            grid.SetColMinimalWidth(col, colWidths[c]);
            minimalWidths[c] = colWidths[c];
        }
        totalWidth += grid.GetColSize(col);
    }
    int totalHeight = 0;
    for (std::size_t r = 0; r < rowCount; ++r) {
        const int row = static_cast<int>(r);
        const int height = rowHeight(r);
        if (grid.GetRowSize(row) != height) {
            grid.SetRowSize(row, height);
            changed = true;
        }
        if (minimalHeights[r] != height) {
            grid.SetRowMinimalHeight(row, height);
            minimalHeights[r] = height;
        }
        totalHeight += grid.GetRowSize(row);
    }

    const wxSize margins = GridInternals::Margins(grid);
    const wxSize client(totalWidth + margins.x + grid.GetRowLabelSize(),
                        totalHeight + margins.y + grid.GetColLabelSize());
    if (changed || grid.GetClientSize() != client) {
        // As AutoSize: no scrollbars, then exactly the room for every cell.
        int unitX = 0, unitY = 0;
        grid.GetScrollPixelsPerUnit(&unitX, &unitY);
        grid.SetScrollbars(unitX, unitY, 0, 0, 0, 0, true);
        grid.SetClientSize(client);
        changed = true;
    }
    fittedClient = grid.GetClientSize();
    return changed;
}
