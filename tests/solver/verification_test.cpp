#include "solver/verification.h"

#include <gtest/gtest.h>

#include "support/check_printing.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::ColourByLoop;
using test::GridFromRows;
using test::LoopAround;
using test::SetSides;
using test::SolvedGrid;

TEST(VerificationTest, AFinishedColouredLoopIsDone) {
    Grid grid =
        SolvedGrid({" 3  0", "  1 2", "   2 ", "121  ", "3 01 "}, "CMCFXAGNHFAKCFHALAHEMBXKM");
    ColourByLoop(grid);
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Done);

    grid.CellColour[3][3] = 0;
    const Verification open = VerifyPuzzle(grid);
    EXPECT_EQ(open.result, VerifyResult::Open);
    EXPECT_FALSE(open.problem.Broken());
}

TEST(VerificationTest, TwoLoopsWithYellowInsidesAreClosedLoops) {
    Grid grid = GridFromRows({"     ", "     "});
    LoopAround(grid, 1, 1, 2, 2);
    LoopAround(grid, 1, 4, 2, 5);
    ColourByLoop(grid);
    const Verification closed = VerifyPuzzle(grid);
    EXPECT_EQ(closed.result, VerifyResult::Broken);
    EXPECT_EQ(closed.problem, (CheckResult{0, 0, "Closed Loop Yellow"}));
}

TEST(VerificationTest, AOneCellYellowRegionIsAlwaysTooSmall) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "LTRB", Bar);
    grid.CellColour[2][2] = Yellow;
    EXPECT_TRUE(ClosedRegion(grid, Yellow));
    EXPECT_EQ(VerifyPuzzle(grid).problem, (CheckResult{2, 2, "boxed"}));  // the rule checks first
}

TEST(VerificationTest, PinkReachingTheFrameOrTheBorderIsNotIsolated) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "LTRB", Bar);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) grid.CellColour[r][c] = Pink;
    EXPECT_TRUE(ShutInPinkRegion(grid));  // the boxed middle cell is shut in
    SetSides(grid, 2, 2, "T", Free);
    EXPECT_FALSE(ShutInPinkRegion(grid));  // opened towards the Pink cells that reach the frame
    Grid row = GridFromRows({"     "});
    for (int c = 1; c <= 5; ++c) row.CellColour[1][c] = Pink;
    SetSides(row, 1, 3, "LR", Bar);
    EXPECT_FALSE(ShutInPinkRegion(row));  // a border cell is never enclosed
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
    EXPECT_FALSE(ClosedRegion(grid, Yellow));
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Open);
}

TEST(VerificationTest, TheVerifyButtonsOwnSequence) {
    const Grid empty = GridFromRows({"1 ", " 2"});
    EXPECT_EQ(VerifyButtonCheck(empty).result, VerifyResult::Done);

    Grid loose = GridFromRows({"   ", "   "});
    SetSides(loose, 1, 2, "T", Bar);
    const Verification shown = VerifyButtonCheck(loose);
    EXPECT_EQ(shown.result, VerifyResult::Broken);
    EXPECT_EQ(shown.problem, (CheckResult{1, 2, "one isolated bar"}));

    // A Pink region shut in between two nested loops.
    Grid nested = GridFromRows({"     ", "     ", "     ", "     ", "     "});
    LoopAround(nested, 1, 1, 5, 5);
    LoopAround(nested, 2, 2, 4, 4);
    ColourByLoop(nested);
    EXPECT_TRUE(ShutInPinkRegion(nested));
    EXPECT_EQ(VerifyPuzzle(nested).problem, (CheckResult{0, 0, "An isolated pink"}));
    EXPECT_EQ(VerifyButtonCheck(nested).problem, (CheckResult{0, 0, "An isolated pink"}));
}

}  // namespace
}  // namespace ringlace
