#include "tables/TestButtonRenderer.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/graphics.h>

wxRect ButtonSquare(const wxRect& cell) {
    const int side = std::min(std::min(cell.width, cell.height) - 2, 15);
    return wxRect(cell.x + (cell.width - side) / 2, cell.y + (cell.height - side) / 2, side, side);
}

wxRect ButtonFrame(const wxRect& square) {
    return wxRect(square.x + 2, square.y + 2, square.width - 4, square.height - 4);
}

void TestButtonRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect,
                              int row, int col, bool isSelected) {
    wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);

    const wxRect square = ButtonSquare(rect);
    if (square.width <= 0) return;   // a cell too small to hold a square

    // Sharp pixel edges where the DC would otherwise smooth the corners.
    wxGraphicsContext* context = dc.GetGraphicsContext();
    const wxAntialiasMode smoothing = context ? context->GetAntialiasMode() : wxANTIALIAS_NONE;
    if (context) context->SetAntialiasMode(wxANTIALIAS_NONE);

    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawRectangle(square);

    const wxRect frame = ButtonFrame(square);
    if (frame.width > 0) {
        dc.SetPen(*wxWHITE_PEN);
        dc.DrawRectangle(frame);
    }
    if (context) context->SetAntialiasMode(smoothing);
}
