#include "solver/verification.h"

#include <gtest/gtest.h>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::ColourByLoop;
using test::GridFromRows;
using test::LoopAround;
using test::SetSides;
using test::SolvedGrid;

// A loop around the whole grid and a second one around its middle three by three block.
Grid TwoNestedLoops() {
    Grid grid = GridFromRows({"     ", "     ", "     ", "     ", "     "});
    LoopAround(grid, 1, 1, 5, 5);
    LoopAround(grid, 2, 2, 4, 4);
    return grid;
}

TEST(VerificationTest, AFinishedColouredLoopIsDone) {
    Grid grid = SolvedGrid({" 3  0", "  1 2", "   2 ", "121  ", "3 01 "}, "CMCFXAGNHFAKCFHALAHEMBXKM");
    ColourByLoop(grid);
    const Verification done = VerifyPuzzle(grid);
    EXPECT_EQ(done.text, "done");
    EXPECT_EQ(done.code, 99);

    grid.CellColour[3][3] = 0;
    const Verification open = VerifyPuzzle(grid);
    EXPECT_EQ(open.text, "");
    EXPECT_EQ(open.code, 0);
}

TEST(VerificationTest, TwoLoopsWithYellowInsidesAreClosedLoops) {
    Grid grid = GridFromRows({"     ", "     "});
    LoopAround(grid, 1, 1, 2, 2);
    LoopAround(grid, 1, 4, 2, 5);
    ColourByLoop(grid);
    EXPECT_EQ(VerifyPuzzle(grid).text, "0,0,Closed Loop Yellow ");
    EXPECT_EQ(VerifyPuzzle(grid).code, 1);
}

TEST(VerificationTest, AOneCellYellowRegionIsAlwaysTooSmall) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "LTRB", Bar);
    grid.CellColour[2][2] = Yellow;
    EXPECT_EQ(YellowRegionCheck(grid, Yellow), 1);
    EXPECT_EQ(VerifyPuzzle(grid).text, "2,2, boxed");  // the rule checks come first
}

TEST(VerificationTest, APinkRegionShutInsideTheLoopIsIsolated) {
    Grid grid = TwoNestedLoops();
    ColourByLoop(grid);
    EXPECT_EQ(VerifyPuzzle(grid).text, "0,0,An isolated pink");
    EXPECT_EQ(PinkRegionCheck(grid), 1);
}

TEST(VerificationTest, PinkReachingTheFrameOrTheBorderIsNotIsolated) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "LTRB", Bar);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) grid.CellColour[r][c] = Pink;
    EXPECT_EQ(PinkRegionCheck(grid), 1);  // the boxed middle cell is shut in
    SetSides(grid, 2, 2, "T", Free);
    EXPECT_EQ(PinkRegionCheck(grid), 0);  // opened towards the Pink cells that reach the frame
    Grid row = GridFromRows({"     "});
    for (int c = 1; c <= 5; ++c) row.CellColour[1][c] = Pink;
    SetSides(row, 1, 3, "LR", Bar);
    EXPECT_EQ(PinkRegionCheck(row), 0);  // a border cell is never enclosed
}

TEST(VerificationTest, AYellowRegionTouchingAnUncolouredCellIsNotJudged) {
    // Yellow cells along the top; the second one still has an open side to an uncoloured cell,
    // so the region's extent is not settled and it must not read as a closed loop, whichever of
    // its cells a search starts from.
    Grid grid = GridFromRows({"      ", "      "});
    for (int c = 1; c <= 4; ++c) {
        SetSides(grid, 1, c, "T", Bar);
        grid.CellColour[1][c] = Yellow;
    }
    SetSides(grid, 1, 1, "LB", Bar);
    SetSides(grid, 1, 3, "B", Bar);
    SetSides(grid, 1, 4, "RB", Bar);
    for (int c : {5, 6}) grid.CellColour[1][c] = Pink;
    for (int c : {1, 3, 4, 5, 6}) grid.CellColour[2][c] = Pink;
    EXPECT_EQ(YellowRegionCheck(grid, Yellow), 0);
    const Verification result = VerifyPuzzle(grid);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.code, 0);
}

TEST(VerificationTest, TheVerifyButtonsOwnSequence) {
    const Grid empty = GridFromRows({"1 ", " 2"});
    EXPECT_TRUE(VerifyButtonCheck(empty).done);

    Grid loose = GridFromRows({"   ", "   "});
    SetSides(loose, 1, 2, "T", Bar);
    const VerifyDisplay shown = VerifyButtonCheck(loose);
    EXPECT_FALSE(shown.done);
    EXPECT_EQ(shown.error.message, "one isolated bar");
    EXPECT_EQ(shown.error.row, 1);
    EXPECT_EQ(shown.error.col, 2);

    Grid nested = TwoNestedLoops();
    ColourByLoop(nested);
    const VerifyDisplay pink = VerifyButtonCheck(nested);
    EXPECT_EQ(pink.error.message, "An isolated pink");
    EXPECT_EQ(pink.error.row, 0);  // nothing to mark
}

TEST(VerificationTest, CheckTextsComeApartAtTheCommas) {
    const CheckMessage parsed = ParseCheckText("4,7, too many bars");
    EXPECT_EQ(parsed.row, 4);
    EXPECT_EQ(parsed.col, 7);
    EXPECT_EQ(parsed.message, "too many bars");
    EXPECT_EQ(ParseCheckText("0,0,Closed Loop Yellow ").message, "Closed Loop Yellow");
    EXPECT_EQ(ParseCheckText("2,3,3B and 1X with neighbor 3 not valid").message, "3B and 1X with neighbor 3 not valid");
}

}  // namespace
}  // namespace ringlace
