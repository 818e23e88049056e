// The button square of button cells: its geometry and what is drawn.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>

#include "tables/TestButtonRenderer.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

TEST(ButtonSquareTest, AtMostFifteenPixelsCentredInTheCell) {
    const struct {
        wxRect cell;
        wxRect square;
    } cases[] = {
        {{0, 0, 100, 20}, {42, 2, 15, 15}},
        {{0, 0, 17, 17}, {1, 1, 15, 15}},
        {{0, 0, 16, 30}, {1, 8, 14, 14}},     // narrower than 17: side = width - 2
        {{10, 20, 60, 12}, {35, 21, 10, 10}}, // lower than 17: side = height - 2
        {{5, 5, 80, 18}, {37, 6, 15, 15}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonSquare(c.cell), c.square) << c.cell.x << "," << c.cell.y << " " << c.cell.width << "x"
                                                   << c.cell.height;
        EXPECT_EQ(ButtonFrame(c.square), wxRect(c.square.x + 2, c.square.y + 2, c.square.width - 4, c.square.height - 4));
    }
}

TEST(TestButtonRendererTest, DrawsABlackSquareWithAWhiteFrameInside) {
    TableHost host;
    auto* table = new ProbeLista(host.Column(), 'N');
    host.Add(table);
    table->AddRecord("uno", "1", "A");
    wxGrid& grid = *table->GetGrid();

    const wxRect cell(0, 0, 60, 24);
    wxBitmap bitmap(cell.width, cell.height, 24);
    {
        wxMemoryDC dc(bitmap);
        wxGridCellAttrPtr attr = grid.GetOrCreateCellAttrPtr(0, 4);
        TestButtonRenderer renderer;
        renderer.Draw(grid, *attr, dc, cell, 0, 4, false);
    }
    const wxImage image = bitmap.ConvertToImage();
    const wxRect square = ButtonSquare(cell);   // 22,4 15x15
    auto colour = [&](int x, int y) {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    };
    const struct {
        int x, y;
        wxColour expected;
    } pixels[] = {
        {square.x, square.y, *wxBLACK},
        {square.GetRight(), square.GetBottom(), *wxBLACK},
        {square.x + 1, square.y + 1, *wxBLACK},
        {square.x + 2, square.y + 2, *wxWHITE},                    // the white frame
        {square.GetRight() - 2, square.GetBottom() - 2, *wxWHITE},
        {square.x + 2, square.y + 7, *wxWHITE},
        {square.x + 7, square.y + 7, *wxBLACK},                    // black inside it
        {square.x - 2, square.y + 7, wxColour(233, 255, 230)},     // the cell's background
    };
    for (const auto& p : pixels) EXPECT_EQ(colour(p.x, p.y), p.expected) << p.x << "," << p.y;
}

}  // namespace
