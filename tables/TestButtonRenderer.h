#pragma once
// Draws a button-like cell: the cell as a plain string cell, then a black
// square of at most 15 pixels centred in it, with a white frame 2 pixels in.
#include <wx/grid.h>

// The black square of a button cell drawn in `cell`.
wxRect ButtonSquare(const wxRect& cell);

// The white frame inside that square.
wxRect ButtonFrame(const wxRect& square);

class TestButtonRenderer : public wxGridCellStringRenderer {
public:
    void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect,
              int row, int col, bool isSelected) override;
    wxGridCellRenderer* Clone() const override { return new TestButtonRenderer; }
};
