#include <gtest/gtest.h>

#include "play/board_drawing.h"
#include "play/board_geometry.h"
#include "support/recording_canvas.h"

namespace ringlace {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

Grid SizedGrid(int rows, int cols) {
    Grid grid;
    grid.Rows = rows;
    grid.Cols = cols;
    grid.BuildCellIndex();
    grid.ResetGrid();
    grid.ResetColours();
    return grid;
}

BoardGeometry FittedIn(int frameWidth, const Grid& grid, RecordingCanvas& canvas) {
    BoardGeometry geometry;
    geometry.FrameWidth = frameWidth;
    geometry.FrameHeight = frameWidth;
    FitBoard(geometry, grid, canvas, "Arial");
    return geometry;
}

TEST(BoardGeometryTest, CellsFitTheFrameUpToTheLargestSize) {
    RecordingCanvas canvas;
    const BoardGeometry ten = FittedIn(6032, SizedGrid(10, 10), canvas);
    EXPECT_EQ(ten.CellSize, 570);
    EXPECT_EQ(ten.BaseCellSize, 570);
    EXPECT_EQ(ten.BoardWidth, 6538);  // 570 x 1.1 x 10 + 268
    EXPECT_EQ(ten.Quarter, 142);      // 142.5 rounds to the even neighbour
    EXPECT_EQ(ten.LineFactor, 1);
    const BoardGeometry five = FittedIn(6032, SizedGrid(5, 5), canvas);
    EXPECT_EQ(five.CellSize, 600);
    // The grid is centred on the board; the previous quarter nudges it right and down.
    EXPECT_EQ(five.GridLeft, (3568 - 200 - 3000) / 2 + 75);
    EXPECT_EQ(five.GridTop, (3568 - 200 - 3000) / 2 + 150);
    EXPECT_EQ(five.NodeX(3), five.GridLeft + 1200);
    EXPECT_EQ(five.BoardLeft, (6032 - 3568) / 2);
    const BoardGeometry wide = FittedIn(6032, SizedGrid(3, 20), canvas);
    EXPECT_EQ(wide.CellSize, 285);  // the larger side decides
}

TEST(BoardGeometryTest, TheClueFontLeavesAQuarterOfTheCellFree) {
    RecordingCanvas canvas;
    BoardGeometry geometry;
    geometry.CellSize = 600;
    FitNumberFont(geometry, canvas, "Arial");
    // 0.6 x 20 x size must stay within half the cell: 25 points is 300 twips wide.
    EXPECT_EQ(geometry.NumberFontSize, 25);
    geometry.CellSize = 40;
    geometry.NumberFontSize = 9;
    FitNumberFont(geometry, canvas, "Arial");
    EXPECT_EQ(geometry.NumberFontSize, 9);  // nothing fits: unchanged
    geometry.CellSize = 1300;
    LayOutBoard(geometry, SizedGrid(2, 2), canvas, "Arial");
    EXPECT_EQ(geometry.LineFactor, 2);
    EXPECT_EQ(geometry.NumberFontSize, 36);
}

struct Painted {
    Painted() : grid(SizedGrid(3, 3)), painter(canvas, geometry, settings, scheme) {
        geometry.CellSize = 600;
        geometry.GridLeft = 100;
        geometry.GridTop = 200;
        geometry.NumberFontSize = 20;
        scheme[2] = Rgb(240, 240, 240);
        settings.BarColour = Rgb(0, 0, 200);
        settings.GridColour = Rgb(9, 9, 9);
        settings.BarThickness = 3;
    }
    Grid grid;
    RecordingCanvas canvas;
    BoardGeometry geometry;
    Settings settings;
    SchemeColours scheme{};
    BoardPainter painter;
};

TEST(BoardDrawingTest, AnEdgeIsErasedMarkedAndDrawnInItsState) {
    Painted p;
    p.painter.DrawEdge(2, 2, Side::Right, Bar);  // drawn as the left side of (2, 3)
    ASSERT_EQ(p.canvas.calls.size(), 3u);
    const CanvasCall& erase = p.canvas.calls[0];
    EXPECT_EQ(erase.kind, "fill");
    EXPECT_EQ(erase.colour, Rgb(240, 240, 240));
    EXPECT_EQ(erase.x1, 1300 - 90);
    EXPECT_EQ(erase.y1, 800 + 90);
    EXPECT_EQ(erase.y2, 800 + 510);
    const CanvasCall& grid = p.canvas.calls[1];
    EXPECT_EQ(grid.kind, "line");
    EXPECT_EQ(grid.colour, Rgb(9, 9, 9));
    EXPECT_EQ(grid.y2 - grid.y1, 600);
    const CanvasCall& bar = p.canvas.calls[2];
    EXPECT_EQ(bar.colour, Rgb(0, 0, 200));
    EXPECT_EQ(bar.width, 3);
    EXPECT_EQ(bar.x1, 1300);
    EXPECT_EQ(bar.y1, 890);
    EXPECT_EQ(bar.y2, 1310);

    p.canvas.calls.clear();
    p.settings.GridLine = kGridNone;
    p.painter.DrawEdge(1, 1, Side::Top, XMark);
    ASSERT_EQ(p.canvas.calls.size(), 4u);  // erase, two dots, the X
    EXPECT_EQ(p.canvas.calls[1].x2 - p.canvas.calls[1].x1, 60);
    const CanvasCall& x = p.canvas.calls[3];
    EXPECT_EQ(x.text, "X");
    EXPECT_EQ(x.font.points, 10);
    EXPECT_EQ(x.x1, 100 + (600 - 120) / 2);

    p.canvas.calls.clear();
    p.settings.GridLine = kGridDotted;
    p.painter.DrawEdge(3, 1, Side::Bottom, Free);
    ASSERT_EQ(p.canvas.calls.size(), 2u);  // a free edge is a gap and its grid mark
    EXPECT_EQ(p.canvas.calls[1].style, LineStyle::Dotted);
    EXPECT_EQ(p.canvas.calls[1].y1, 200 + 3 * 600);

    p.canvas.calls.clear();
    p.painter.DrawEdge(4, 1, Side::Left, Outside);  // a frame side: nothing of it is on the board
    EXPECT_TRUE(p.canvas.calls.empty());
}

TEST(BoardDrawingTest, CellsShowTheirColourAndClue) {
    Painted p;
    p.grid.Clue[5] = 2;
    p.painter.PaintCell(p.grid, 2, 2, 0);
    ASSERT_EQ(p.canvas.calls.size(), 2u);
    const CanvasCall& square = p.canvas.calls[0];
    EXPECT_EQ(square.colour, Rgb(240, 240, 240));  // uncoloured is the board's colour, not clear
    EXPECT_EQ(square.x1, 700 + 120);
    EXPECT_EQ(square.x2, 700 + 480);
    const CanvasCall& clue = p.canvas.calls[1];
    EXPECT_EQ(clue.text, "2");
    EXPECT_EQ(clue.x1, 700 + 180);
    EXPECT_EQ(clue.y1, 800 + 70);
    p.canvas.calls.clear();
    p.painter.PaintCell(p.grid, 1, 1, Yellow);
    ASSERT_EQ(p.canvas.calls.size(), 1u);
    EXPECT_EQ(p.canvas.calls[0].colour, Yellow);
}

TEST(BoardDrawingTest, RedrawingClearsThenDrawsEveryEdgeAndCell) {
    Painted p;
    p.grid.SetEdge(1, 1, Side::Left, Bar);
    const Grid before = p.grid;
    p.painter.RedrawBoard(p.grid);
    EXPECT_EQ(p.canvas.calls.front().kind, "clear");
    // Drawing only reads: a redraw while a solve works on the grid must not count as a change.
    EXPECT_EQ(p.grid.EdgeSetCount, before.EdgeSetCount);
    EXPECT_EQ(p.grid.CellEdge, before.CellEdge);
    int squares = 0;
    for (const CanvasCall& call : p.canvas.calls)
        squares += call.kind == "fill" && call.x2 - call.x1 == 360;
    EXPECT_EQ(squares, 9);
}

}  // namespace
}  // namespace ringlace
