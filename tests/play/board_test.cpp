#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <limits>

#include "play/board_drawing.h"
#include "play/board_layout.h"
#include "support/play_board.h"

namespace ringlace {
namespace {

using test::CanvasCall;
using test::PlayBoard;

// The layout and the zoom of the play board, measured on its recording canvas.
void Fit(PlayBoard& board, int frameWidth) {
    board.geometry.FrameWidth = frameWidth;
    FitBoardToFrame(board.geometry, board.state, board.grid, board.canvas, "Arial");
}
bool Zoom(PlayBoard& board, ZoomStep step) {
    return ZoomBoard(board.geometry, board.state, board.grid, board.canvas, "Arial", step);
}

TEST(BoardLayoutTest, FittingSizesTheCellsCentresTheGridAndClearsWhatTheOldLayoutShowed) {
    PlayBoard ten(10, 10);
    ten.state.markers.firstEnd.visible = true;
    ten.state.markers.errorMarker.visible = true;
    ten.state.checkLight = CheckLight::Error;
    Fit(ten, 6032);  // a board 6000 wide
    EXPECT_EQ(ten.geometry.CellSize, 570);
    EXPECT_EQ(ten.geometry.BoardWidth, 6538);  // 570 x 1.1 x 10 + 268
    EXPECT_EQ(ten.geometry.Quarter, 142);      // 142.5 rounds to the even neighbour
    EXPECT_FALSE(ten.state.markers.firstEnd.visible);
    EXPECT_FALSE(ten.state.markers.errorMarker.visible);
    EXPECT_EQ(ten.state.checkLight, CheckLight::Neutral);
    Fit(ten, 20);  // a frame squeezed to nothing
    EXPECT_EQ(ten.geometry.CellSize, 1);

    // Cells never grow beyond the largest size. The grid is centred on the board, nudged right
    // and down by the quarter.
    PlayBoard five(5, 5);
    Fit(five, 6032);
    EXPECT_EQ(five.geometry.CellSize, 600);
    EXPECT_EQ(five.geometry.GridLeft, (3568 - 200 - 3000) / 2 + 75);
    EXPECT_EQ(five.geometry.GridTop, (3568 - 200 - 3000) / 2 + 150);
    EXPECT_EQ(five.geometry.BoardLeft, (6032 - 3568) / 2);

    // The long side sets the cell size, lying or standing; board and grid are centred on each axis,
    // the grid's margins differing by at most the 200 twips of the layout's nudge.
    for (const auto& [rows, cols] : {std::pair{3, 20}, std::pair{20, 3}}) {
        PlayBoard board(rows, cols);
        board.geometry.FrameHeight = 9000;
        Fit(board, 6032);
        const BoardGeometry& geometry = board.geometry;
        EXPECT_EQ(geometry.CellSize, 285) << rows;  // 6000 x 0.95 / 20
        EXPECT_NEAR(2 * geometry.BoardLeft + geometry.BoardWidth, geometry.FrameWidth, 1) << rows;
        EXPECT_NEAR(2 * geometry.BoardTop + geometry.BoardHeight, geometry.FrameHeight, 1) << rows;
        const int right = geometry.BoardWidth - geometry.NodeX(cols + 1);
        const int bottom = geometry.BoardHeight - geometry.NodeY(rows + 1);
        EXPECT_LE(std::abs(right - geometry.GridLeft), 200) << rows;
        EXPECT_LE(std::abs(bottom - geometry.GridTop), 200) << rows;
    }
}

// Each step is ten percent; reset returns to the fit; zooming in stops before the largest board.
TEST(ZoomTest, StepsResetAndTheLargestBoard) {
    PlayBoard board(10, 10);
    std::vector<int> sizes;
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(Zoom(board, ZoomStep::In));
        sizes.push_back(board.geometry.CellSize);
    }
    EXPECT_EQ(sizes, (std::vector<int>{660, 726, 799}));
    EXPECT_EQ(board.geometry.BoardWidth, 9057);  // 799 x 1.1 x 10 + 268
    Zoom(board, ZoomStep::Out);
    EXPECT_EQ(board.geometry.CellSize, 719);
    Zoom(board, ZoomStep::Reset);
    EXPECT_EQ(board.geometry.CellSize, 600);
    EXPECT_EQ(board.geometry.NumberFontSize, 25);  // fitted again: a "W" leaves a quarter free

    board.state.markers.firstEnd.visible = true;
    board.state.markers.errorMarker.visible = true;
    int steps = 0;
    while (Zoom(board, ZoomStep::In)) ++steps;
    EXPECT_GT(steps, 5);
    EXPECT_LE(board.geometry.BoardWidth, kLargestBoardTwips);
    EXPECT_FALSE(board.state.markers.firstEnd.visible);
    EXPECT_FALSE(board.state.markers.errorMarker.visible);
}

// From 1201 twips lines are twice as thick. Where no font size fits the cell, the stepped size
// stays within 6 to 36 points.
TEST(ZoomTest, LineThicknessAndFontLimits) {
    PlayBoard board(2, 2);
    board.geometry.CellSize = 1092;
    Zoom(board, ZoomStep::In);
    EXPECT_EQ(board.geometry.CellSize, 1201);
    EXPECT_EQ(board.geometry.LineFactor, 2);
    EXPECT_EQ(board.geometry.NumberFontSize, 36);
    Zoom(board, ZoomStep::Out);
    EXPECT_EQ(board.geometry.LineFactor, 1);

    board.geometry.CellSize = 40;
    board.geometry.NumberFontSize = 6;
    Zoom(board, ZoomStep::Out);
    EXPECT_EQ(board.geometry.CellSize, 36);
    EXPECT_EQ(board.geometry.NumberFontSize, 6);
    board.geometry.NumberFontSize = 36;
    Zoom(board, ZoomStep::In);
    EXPECT_EQ(board.geometry.NumberFontSize, 36);

    // However far out of the limits a size was, one step brings it within them.
    board.geometry.NumberFontSize = std::numeric_limits<int>::max();
    Zoom(board, ZoomStep::In);
    EXPECT_EQ(board.geometry.NumberFontSize, 36);
    board.geometry.NumberFontSize = std::numeric_limits<int>::min();
    Zoom(board, ZoomStep::Out);
    EXPECT_EQ(board.geometry.NumberFontSize, 6);
}

// The corners of a call's shape as "x1,y1 x2,y2"; a text's position twice.
std::string Corners(const CanvasCall& call) {
    return std::to_string(call.x1) + "," + std::to_string(call.y1) + " " + std::to_string(call.x2) +
           "," + std::to_string(call.y2);
}

// The play board's cells are 600 twips, dot (1, 1) at (300, 400), the board light grey.
TEST(BoardDrawingTest, AnEdgeIsErasedMarkedAndDrawnInItsState) {
    PlayBoard board;
    board.settings.BarColour = Rgb(0, 0, 200);
    board.settings.GridColour = Rgb(9, 9, 9);
    board.settings.BarThickness = 3;
    const std::vector<CanvasCall>& calls = board.canvas.calls;
    board.painter.DrawEdge(2, 2, Side::Right, Bar);  // drawn as the left side of (2, 3)
    ASSERT_EQ(calls.size(), 3u);                     // erase, grid line, bar
    EXPECT_EQ(Corners(calls[0]) + " " + Corners(calls[1]) + " " + Corners(calls[2]),
              "1410,1090 1590,1510 1500,1000 1500,1600 1500,1090 1500,1510");
    EXPECT_EQ((std::array{calls[0].colour, calls[1].colour, calls[2].colour}),
              (std::array{Rgb(240, 240, 240), Rgb(9, 9, 9), Rgb(0, 0, 200)}));
    EXPECT_EQ(calls[2].width, 3);

    board.canvas.calls.clear();
    board.settings.GridLine = kGridNone;
    board.painter.DrawEdge(1, 1, Side::Top, XMark);
    ASSERT_EQ(calls.size(), 4u);  // erase, two dots, the X
    EXPECT_EQ(Corners(calls[1]) + " " + Corners(calls[2]) + " " + Corners(calls[3]),
              "270,370 330,430 870,370 930,430 540,286 540,286");
    EXPECT_EQ(calls[3].text, "X");

    board.canvas.calls.clear();
    board.settings.GridLine = kGridDotted;
    board.painter.DrawEdge(3, 1, Side::Bottom, Free);
    ASSERT_EQ(calls.size(), 2u);  // a free edge is a gap and its grid mark
    EXPECT_EQ(calls[1].style, LineStyle::Dotted);
    EXPECT_EQ(Corners(calls[1]), "300,2200 900,2200");

    board.canvas.calls.clear();
    board.painter.DrawEdge(4, 1, Side::Left, Outside);  // a frame side: nothing on the board
    EXPECT_TRUE(calls.empty());
}

TEST(BoardDrawingTest, CellsShowTheirColourAndClueAndARedrawOnlyReads) {
    PlayBoard board(3, 3, "    2");
    const std::vector<CanvasCall>& calls = board.canvas.calls;
    board.painter.PaintCell(board.grid, 2, 2, 0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].colour, Rgb(240, 240, 240));  // uncoloured is the board's colour
    EXPECT_EQ(Corners(calls[0]), "1020,1120 1380,1480");
    EXPECT_EQ(calls[1].text, "2");
    EXPECT_EQ(Corners(calls[1]), "1080,1070 1080,1070");

    // A redraw while a solve works on the grid must not count as a change.
    board.grid.SetEdge(1, 1, Side::Left, Bar);
    const Grid before = board.grid;
    board.canvas.calls.clear();
    board.painter.RedrawBoard(board.grid);
    EXPECT_EQ(calls.front().kind, "clear");
    EXPECT_EQ(board.grid.EdgeSetCount, before.EdgeSetCount);
    EXPECT_EQ(board.grid.CellEdge, before.CellEdge);
    int squares = 0;
    for (const CanvasCall& call : calls) squares += call.kind == "fill" && call.x2 - call.x1 == 360;
    EXPECT_EQ(squares, 9);
}

}  // namespace
}  // namespace ringlace
