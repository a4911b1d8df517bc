#include "create/clue_rules.h"

#include <gtest/gtest.h>

#include "create/creation.h"
#include "create/random_order.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

using test::ClueRows;
using test::GridFromPicture;
using Rows = std::vector<std::string>;

// The loop of the picture with every clue blank and the true counts in OrigClue, as the rule
// passes find it.
Grid LoopOnly(const Rows& picture) {
    Grid grid = GridFromPicture(picture);
    StoreTrueClues(grid);
    for (int k = 1; k <= grid.NumCells; ++k) grid.Clue[k] = kNoClue;
    return grid;
}

// A loop with turns at every corner kind, straight runs and cells away from it.
const Rows kWinding = {"+-+-+ + +", "|   |    ", "+ + +-+ +", "|     |  ",
                       "+-+-+-+ +", "         ", "+ + + + +"};

TEST(ClueRulesTest, OpenTargetFollowsTheLargerSide) {
    EXPECT_EQ(OpenTarget(5), 72);
    EXPECT_EQ(OpenTarget(20), 42);
    EXPECT_EQ(OpenTarget(21), 42);
}

TEST(ClueRulesTest, LoopSignatureNamesEverySideOfEveryCell) {
    Grid grid = GridFromPicture({"+-+ +", "| x  ", "+-+ +"});
    EXPECT_EQ(LoopSignature(grid), "bbxbx...");
}

// Cells turning at the top-left, bottom-right and top-right corner show their count; the turns at
// the bottom-left corners of (1, 3) and (2, 1) and the straight runs do not.
TEST(ClueRulesTest, TurningCellsShowTheirCount) {
    Grid grid = LoopOnly(kWinding);
    RevealTurningCells(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"22..", "..3.", "...."}));
    RevealEmptyCells(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"22.0", "..3.", "...0"}));
}

TEST(ClueRulesTest, ThinningKeepsEveryOtherClueOfARun) {
    Grid grid = GridFromPicture({"+ + + + + +", " 1 2 3 0 1 ", "+ + + + + +", " 2 . 1 . 0 ",
                                 "+ + + + + +", " 3 . 2 2 . ", "+ + + + + +"});
    ThinRows(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"1.3.1", "2.1.0", "3.2.."}));
    ThinColumns(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"1.3.1", ".....", "3.2.."}));
}

// A "3" whose U is closed towards a neighbour with only that Bar moves there as a "1"; when the
// neighbour's far side is a Bar as well, the "3" stays.
TEST(ClueRulesTest, AThreeMovesToTheOneAcrossItsClosedEnd) {
    Grid grid =
        LoopOnly({"+ + + +", "       ", "+ +-+ +", "  | |  ", "+-+ +-+", "|     |", "+-+-+-+"});
    grid.Clue[grid.CellNum[2][2]] = 3;
    MoveThreesToOnes(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{".1.", "...", "..."}));
    EXPECT_EQ(grid.OrigClue[grid.CellNum[1][2]], 1);
    EXPECT_EQ(grid.OrigClue[grid.CellNum[2][2]], kNoClue);

    Grid blocked =
        LoopOnly({"+ +-+ +", "  | |  ", "+ + + +", "  | |  ", "+-+ +-+", "|     |", "+-+-+-+"});
    blocked.Clue[blocked.CellNum[2][2]] = 3;
    MoveThreesToOnes(blocked);
    EXPECT_EQ(ClueRows(blocked), (Rows{"...", ".3.", "..."}));

    // The same U lying on its side, closed towards the left and towards the right.
    const Rows closedLeft = {"+ + +-+", "    | |", "+ +-+ +", "  |3  |",
                             "+ +-+ +", "    | |", "+ + +-+"};
    const Rows closedRight = {"+-+ + +", "| |    ", "+ +-+ +", "|  3|  ",
                              "+ +-+ +", "| |    ", "+-+ + +"};
    for (const auto& [picture, moved] : {std::pair{closedLeft, Rows{"...", "1..", "..."}},
                                         std::pair{closedRight, Rows{"...", "..1", "..."}}}) {
        Grid sideways = GridFromPicture(picture);
        StoreTrueClues(sideways);
        MoveThreesToOnes(sideways);
        EXPECT_EQ(ClueRows(sideways), moved) << picture[3];
    }
}

TEST(ClueRulesTest, TheCellBesideAUShowsItsOne) {
    // Interior: the U in (2, 2) is open at the bottom, closed towards (1, 2), which has one Bar.
    Grid inner = LoopOnly({"+ + + +", "       ", "+ +-+ +", "  | |  ", "+-+ +-+", "|     |",
                           "+-+-+-+", "       ", "+ + + +"});
    RevealBesideU(inner);
    EXPECT_EQ(ClueRows(inner)[0], ".1.");
    // Border: (1, 3) has only its inner side as a Bar, and its neighbours are blank.
    Grid border = LoopOnly({"+ + + +", "       ", "+-+-+-+", "|     |", "+-+-+-+"});
    RevealBesideU(border);
    EXPECT_EQ(ClueRows(border), (Rows{"1.1", "..."}));
}

TEST(ClueRulesTest, ACornerTwoGetsOneNeighbourRevealed) {
    Grid grid = LoopOnly(kWinding);
    grid.Clue[grid.CellNum[1][1]] = 2;
    RandomSource random(1);
    EXPECT_EQ(FixCornerTwos(grid, random), 1);
    const Rows rows = ClueRows(grid);
    EXPECT_NE(rows[0][1] == '2', rows[1][0] == '2');
    EXPECT_TRUE(test::CluesMatchLoop(grid));
    // Once a neighbour shows a clue, nothing changes.
    EXPECT_EQ(FixCornerTwos(grid, random), 0);
}

TEST(ClueRulesTest, RandomBlanksRevealExactlyTheirShare) {
    Grid grid = LoopOnly(kWinding);
    RandomSource random(4);
    RevealRandomBlanks(grid, random, 0);
    RevealRandomBlanks(grid, random, 8);  // 8 x 12 / 100 is 0 cells
    EXPECT_EQ(grid.CountBlankClues(), 12);
    RevealRandomBlanks(grid, random, 50);
    EXPECT_EQ(grid.CountBlankClues(), 6);
    EXPECT_TRUE(test::CluesMatchLoop(grid));
}

// Hidden threes with blank cells across their three Bars are shown; a "3" whose closed end faces a
// blank cell inside the grid moves there as that cell's count; a corner with blank neighbours
// shows its count.
TEST(ClueRulesTest, AdjustThreesShowsAndMovesThreesAndFillsCorners) {
    Grid grid =
        LoopOnly({"+ + + +", "       ", "+ +-+ +", "  | |  ", "+-+ +-+", "|     |", "+-+-+-+"});
    AdjustThrees(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{".1.", "...", "3.3"}));

    Grid winding = LoopOnly(kWinding);
    AdjustThrees(winding);
    EXPECT_EQ(ClueRows(winding), (Rows{"2...", "...1", "1..."}));
    EXPECT_TRUE(test::CluesMatchLoop(winding));
}

TEST(ClueRulesTest, RandomOrdersBreakTiesByTheTextOfTheCellNumber) {
    RandomSource random(1);
    std::vector<int> cells;
    for (int k = 1; k <= 12; ++k) cells.push_back(k);
    EXPECT_EQ(RandomOrder(random, cells, 1),
              (std::vector<int>{1, 10, 11, 12, 2, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace ringlace
