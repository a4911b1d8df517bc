#include "play/board_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/recording_canvas.h"

namespace ringlace {
namespace {

using test::RecordingCanvas;

struct Zoomed {
    explicit Zoomed(int size) {
        grid.Rows = size;
        grid.Cols = size;
        grid.BuildCellIndex();
        geometry.FrameWidth = 7000;
        geometry.FrameHeight = 7000;
        geometry.CellSize = 600;
        geometry.BaseCellSize = 600;
        geometry.BaseFontSize = 12;
    }
    bool Step(ZoomStep step) { return ZoomBoard(geometry, state, grid, canvas, "Arial", step); }

    Grid grid;
    PlayState state;
    BoardGeometry geometry;
    RecordingCanvas canvas;
};

TEST(BoardLayoutTest, FittingSizesTheCellsAndClearsWhatTheOldLayoutShowed) {
    Zoomed board(10);
    board.geometry.FrameWidth = 6032;  // a board 6000 wide
    board.state.markers.firstEnd.visible = true;
    board.state.markers.errorMarker.visible = true;
    board.state.checkLight = CheckLight::Error;
    FitBoardToFrame(board.geometry, board.state, board.grid, board.canvas, "Arial");
    EXPECT_EQ(board.geometry.CellSize, 570);
    EXPECT_EQ(board.geometry.BaseCellSize, 570);
    EXPECT_FALSE(board.state.markers.firstEnd.visible);
    EXPECT_FALSE(board.state.markers.errorMarker.visible);
    EXPECT_EQ(board.state.checkLight, CheckLight::Neutral);

    board.geometry.FrameWidth = 20;  // a frame squeezed to nothing
    FitBoardToFrame(board.geometry, board.state, board.grid, board.canvas, "Arial");
    EXPECT_EQ(board.geometry.CellSize, 1);
}

// The long side sets the cell size, lying or standing; board and grid are centred on each axis.
TEST(BoardLayoutTest, ALongGridFitsByItsLongSideAndIsCentred) {
    for (const auto& [rows, cols] : {std::pair{3, 20}, std::pair{20, 3}}) {
        Zoomed board(rows);
        board.grid.Cols = cols;
        board.grid.BuildCellIndex();
        board.geometry.FrameWidth = 6032;  // a board 6000 wide
        board.geometry.FrameHeight = 9000;
        FitBoardToFrame(board.geometry, board.state, board.grid, board.canvas, "Arial");
        const BoardGeometry& geometry = board.geometry;
        EXPECT_EQ(geometry.CellSize, 285) << rows;  // 6000 x 0.95 / 20
        EXPECT_NEAR(2 * geometry.BoardLeft + geometry.BoardWidth, geometry.FrameWidth, 1) << rows;
        EXPECT_NEAR(2 * geometry.BoardTop + geometry.BoardHeight, geometry.FrameHeight, 1) << rows;
        // The grid's margins on the board differ by at most the 200 twips of the layout's nudge.
        const int right = geometry.BoardWidth - geometry.NodeX(cols + 1);
        const int bottom = geometry.BoardHeight - geometry.NodeY(rows + 1);
        EXPECT_GE(geometry.GridLeft, 0) << rows;
        EXPECT_GE(geometry.GridTop, 0) << rows;
        EXPECT_LE(std::abs(right - geometry.GridLeft), 200) << rows;
        EXPECT_LE(std::abs(bottom - geometry.GridTop), 200) << rows;
    }
}

TEST(ZoomTest, EachStepIsTenPercentAndResetReturnsToTheFit) {
    Zoomed board(10);
    std::vector<int> sizes;
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(board.Step(ZoomStep::In));
        sizes.push_back(board.geometry.CellSize);
    }
    EXPECT_EQ(sizes, (std::vector<int>{660, 726, 799}));
    EXPECT_EQ(board.geometry.BoardWidth, 9057);  // 799 x 1.1 x 10 + 268
    EXPECT_EQ(board.geometry.NodeX(2) - board.geometry.NodeX(1), 799);
    board.Step(ZoomStep::Out);
    EXPECT_EQ(board.geometry.CellSize, 719);
    board.Step(ZoomStep::Reset);
    EXPECT_EQ(board.geometry.CellSize, 600);
    EXPECT_EQ(board.geometry.NumberFontSize, 25);  // fitted again to the cell
}

TEST(ZoomTest, LargeCellsDrawThickerLines) {
    Zoomed board(2);
    board.geometry.CellSize = 1092;
    board.Step(ZoomStep::In);
    EXPECT_EQ(board.geometry.CellSize, 1201);
    EXPECT_EQ(board.geometry.LineFactor, 2);
    board.Step(ZoomStep::Out);
    EXPECT_EQ(board.geometry.LineFactor, 1);
}

TEST(ZoomTest, TheFontKeepsItsLimitsWhereNoSizeFitsTheCell) {
    Zoomed board(5);
    // Cells so small that no font fits: the stepped size stays, never below 6 or above 36.
    board.geometry.CellSize = 40;
    board.geometry.NumberFontSize = 6;
    board.Step(ZoomStep::Out);
    EXPECT_EQ(board.geometry.CellSize, 36);
    EXPECT_EQ(board.geometry.NumberFontSize, 6);
    board.geometry.NumberFontSize = 36;
    board.Step(ZoomStep::In);
    EXPECT_EQ(board.geometry.NumberFontSize, 36);
}

TEST(ZoomTest, ZoomingInStopsBeforeTheLargestBoard) {
    Zoomed board(10);
    board.state.markers.firstEnd.visible = true;
    board.state.markers.errorMarker.visible = true;
    int steps = 0;
    while (board.Step(ZoomStep::In)) ++steps;
    EXPECT_GT(steps, 5);
    EXPECT_LE(board.geometry.BoardWidth, kLargestBoardTwips);
    EXPECT_FALSE(board.state.markers.firstEnd.visible);
    EXPECT_FALSE(board.state.markers.errorMarker.visible);
}

}  // namespace
}  // namespace ringlace
