#include "exchange/puzzle_picture.h"

#include <gtest/gtest.h>

#include "support/grid_builder.h"
#include "support/recording_canvas.h"

namespace ringlace {
namespace {

using test::OfKind;
using test::RecordingCanvas;

// The 1 x 2 puzzle "3 ." whose stored loop runs round both cells.
Grid Pair() {
    Grid grid = test::GridFromClues(1, 2, "3");
    grid.SolutionCode = "DI";
    return grid;
}

TEST(PuzzlePictureTest, TheHeaderTheCentredCluesAndTheDots) {
    RecordingCanvas canvas;
    DrawPuzzlePicture(canvas, Pair(), "Puz# 1 of 1", PaperStyle{}, PictureOf::Puzzle);
    const auto& calls = canvas.calls;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[1].text, "Puz# 1 of 1");
    EXPECT_EQ(calls[1].font.points, 7);
    // The 3 in the middle of the first 500-twip cell, 13 points (7.8 x 14.95 points measured).
    EXPECT_EQ(calls[2].text, "3");
    EXPECT_EQ(calls[2].font.points, 13);
    EXPECT_EQ(calls[2].x1, 200 + (500 - 156) / 2);
    EXPECT_EQ(calls[2].y1, 500 + (500 - 299) / 2);
    EXPECT_EQ(OfKind(canvas.calls, "text").size(),
              2u + 6u);  // header, clue, a "+" at each of the six dots
    EXPECT_EQ(OfKind(canvas.calls, "line").size(), 0u);

    RecordingCanvas squares;
    DrawPuzzlePicture(squares, Pair(), "", {"Arial", "", true, true, 2}, PictureOf::Puzzle);
    EXPECT_EQ(OfKind(squares.calls, "fill").size(), 6u);
    EXPECT_EQ(OfKind(squares.calls, "rect").size(), 2u);
    EXPECT_EQ(squares.calls.back().colour, 0);
}

TEST(PuzzlePictureTest, TheSolutionDrawsTheStoredLoopAndLargeGridsGetSmallerCells) {
    RecordingCanvas canvas;
    DrawPuzzlePicture(canvas, Pair(), "", PaperStyle{}, PictureOf::Solution);
    EXPECT_EQ(OfKind(canvas.calls, "line").size(), 6u);  // three sides of each cell

    const Grid large = test::GridFromClues(17, 17, "");
    EXPECT_EQ(PaperCellSize(large), 400);
    RecordingCanvas measuring;
    const PictureSize size = PuzzlePictureSize(large, "", measuring, PaperStyle{});
    EXPECT_EQ(size.width, 400 + 17 * 400);
    EXPECT_EQ(size.height, 400 + 300 + 17 * 400);
    // A header wider than the grid widens the picture.
    EXPECT_GT(PuzzlePictureSize(Pair(), std::string(80, 'x'), measuring, PaperStyle{}).width,
              400 + 2 * 500);
}

}  // namespace
}  // namespace ringlace
