#include "solver/verification.h"

#include <gtest/gtest.h>

#include "play/solution_view.h"
#include "support/check_printing.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;
using test::LoopAround;
using test::SetSides;
using test::SolvedGrid;

// A finished coloured loop is done; with one cell uncoloured it is still open. Two loops with
// Yellow insides are closed loops.
TEST(VerificationTest, AFinishedColouredLoopIsDoneAndTwoLoopsAreClosed) {
    Grid grid =
        SolvedGrid({" 3  0", "  1 2", "   2 ", "121  ", "3 01 "}, "CMCFXAGNHFAKCFHALAHEMBXKM");
    ColourBySideOfLoop(grid);
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Done);
    grid.CellColour[3][3] = 0;
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Open);

    Grid two = GridFromRows({"     ", "     "});
    LoopAround(two, 1, 1, 2, 2);
    LoopAround(two, 1, 4, 2, 5);
    ColourBySideOfLoop(two);
    EXPECT_EQ(VerifyPuzzle(two).problem, (CheckResult{0, 0, "Closed Loop Yellow"}));
}

// A one-cell Yellow region is always too small, though the rule checks name the box first. A
// Pink region is shut in until it is opened towards Pink cells that reach the frame; a border
// cell is never enclosed.
TEST(VerificationTest, OneYellowCellIsClosedAndPinkReachingTheBorderIsNot) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "LTRB", Bar);
    grid.CellColour[2][2] = Yellow;
    EXPECT_TRUE(ClosedRegion(grid, Yellow));
    EXPECT_EQ(VerifyPuzzle(grid).problem, (CheckResult{2, 2, "boxed"}));
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) grid.CellColour[r][c] = Pink;
    EXPECT_TRUE(ShutInPinkRegion(grid));
    SetSides(grid, 2, 2, "T", Free);
    EXPECT_FALSE(ShutInPinkRegion(grid));
    Grid row = GridFromRows({"     "});
    for (int c = 1; c <= 5; ++c) row.CellColour[1][c] = Pink;
    SetSides(row, 1, 3, "LR", Bar);
    EXPECT_FALSE(ShutInPinkRegion(row));
}

// The button checks loose ends even on an uncoloured grid, and a Pink region shut in between two
// nested loops.
TEST(VerificationTest, TheVerifyButtonsOwnSequence) {
    EXPECT_EQ(VerifyButtonCheck(GridFromRows({"1 ", " 2"})).result, VerifyResult::Done);
    Grid loose = GridFromRows({"   ", "   "});
    SetSides(loose, 1, 2, "T", Bar);
    EXPECT_EQ(VerifyButtonCheck(loose).problem, (CheckResult{1, 2, "one isolated bar"}));

    Grid nested = GridFromRows({"     ", "     ", "     ", "     ", "     "});
    LoopAround(nested, 1, 1, 5, 5);
    LoopAround(nested, 2, 2, 4, 4);
    ColourBySideOfLoop(nested);
    EXPECT_EQ(VerifyPuzzle(nested).problem, (CheckResult{0, 0, "An isolated pink"}));
    EXPECT_EQ(VerifyButtonCheck(nested).problem, (CheckResult{0, 0, "An isolated pink"}));
}

// After a sound grid only the places around the cells that changed are checked again: a bar that
// boxes in the cell below a "3" whose bottom is X is found from the row above, as a whole check
// finds it, and the grid is sound again once the bar is taken back.
TEST(VerificationTest, AChangeBreaksARuleInTheRowAbove) {
    Grid grid = GridFromRows({"     ", "  3  ", "     ", "     ", "     "});
    SetSides(grid, 2, 3, "B", XMark);
    SetSides(grid, 3, 3, "LR", Bar);
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Open);

    SetSides(grid, 3, 3, "B", Bar);
    const Verification broken = VerifyPuzzle(grid);
    EXPECT_EQ(broken.problem, (CheckResult{2, 3, "3B and 1X with neighbor 3 not valid"}));
    EXPECT_EQ(broken.problem, CheckEntries(grid));

    SetSides(grid, 3, 3, "B", Free);
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Open);

    // The same from the column on the right: the third bar of the cell beside a "3" whose side
    // between them is X.
    Grid beside = GridFromRows({"   ", "3  ", "   "});
    SetSides(beside, 2, 1, "R", XMark);
    SetSides(beside, 2, 2, "TB", Bar);
    EXPECT_EQ(VerifyPuzzle(beside).result, VerifyResult::Open);
    SetSides(beside, 2, 2, "R", Bar);
    EXPECT_EQ(VerifyPuzzle(beside).problem,
              (CheckResult{2, 1, "3B and 1X with neighbor 3 not valid"}));
}

// Regions are searched again only around cells that changed, but a Yellow region that held every
// Yellow cell is too small once a Yellow cell appears anywhere, even far from it and beside an
// uncoloured cell.
TEST(VerificationTest, AWholeYellowRegionBecomesClosedByAYellowCellElsewhere) {
    Grid grid = GridFromRows({"     ", "     ", "     ", "     ", "     "});
    LoopAround(grid, 1, 1, 2, 2);
    ColourBySideOfLoop(grid);
    EXPECT_EQ(VerifyPuzzle(grid).result, VerifyResult::Done);

    grid.CellColour[4][4] = Yellow;
    grid.CellColour[4][5] = 0;
    EXPECT_EQ(VerifyPuzzle(grid).problem, (CheckResult{0, 0, "Closed Loop Yellow"}));
}

}  // namespace
}  // namespace ringlace
