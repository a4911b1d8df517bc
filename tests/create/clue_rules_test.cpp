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

// The loop of the picture with its true counts in OrigClue and only the clues the picture writes
// shown, as the rule passes find it.
Grid LoopShowing(const Rows& picture) {
    Grid grid = GridFromPicture(picture);
    StoreTrueClues(grid);
    return grid;
}

// A loop with turns at every corner kind, straight runs and cells away from it.
const Rows kWinding = {"+-+-+ + +", "|   |    ", "+ + +-+ +", "|     |  ",
                       "+-+-+-+ +", "         ", "+ + + + +"};
// A U in (2, 2) open below, closed towards (1, 2), which has only that Bar.
const Rows kU = {"+ + + +", "       ", "+ +-+ +", "  | |  ", "+-+ +-+", "|     |", "+-+-+-+"};

TEST(ClueRulesTest, OpenTargetFollowsTheLargerSide) {
    EXPECT_EQ(OpenTarget(5), 72);
    EXPECT_EQ(OpenTarget(20), 42);
    EXPECT_EQ(OpenTarget(21), 42);
}

TEST(ClueRulesTest, LoopSignatureNamesEverySideOfEveryCell) {
    Grid grid = GridFromPicture({"+-+ +", "| x  ", "+-+ +"});
    EXPECT_EQ(LoopSignature(grid), "bbxbx...");
}

// Each pass on a loop, and the clues it leaves (the first rows of them where fewer are given).
TEST(ClueRulesTest, EachPassShowsTheCluesOfItsRule) {
    const struct {
        const char* what;
        Rows picture;
        void (*pass)(Grid&);
        Rows clues;
    } cases[] = {
        // Cells turning at the top-left, bottom-right and top-right corner show their count; the
        // turns at the bottom-left corners of (1, 3) and (2, 1) and the straight runs do not.
        {"turning cells", kWinding, RevealTurningCells, {"22..", "..3.", "...."}},
        {"empty cells", kWinding, RevealEmptyCells, {"...0", "....", "...0"}},
        // A "3" whose U is closed towards a neighbour with only that Bar moves there as a "1";
        // lying on its side, closed towards the left or the right, as well.
        {"a 3 moves",
         {"+ + + +", "       ", "+ +-+ +", "  |3|  ", "+-+ +-+", "|     |", "+-+-+-+"},
         MoveThreesToOnes,
         {".1.", "...", "..."}},
        {"a 3 moves left",
         {"+ + +-+", "    | |", "+ +-+ +", "  |3  |", "+ +-+ +", "    | |", "+ + +-+"},
         MoveThreesToOnes,
         {"...", "1..", "..."}},
        {"a 3 moves right",
         {"+-+ + +", "| |    ", "+ +-+ +", "|  3|  ", "+ +-+ +", "| |    ", "+-+ + +"},
         MoveThreesToOnes,
         {"...", "..1", "..."}},
        // When the neighbour's far side is a Bar as well, the "3" stays.
        {"a 3 stays",
         {"+ +-+ +", "  | |  ", "+ + + +", "  |3|  ", "+-+ +-+", "|     |", "+-+-+-+"},
         MoveThreesToOnes,
         {"...", ".3.", "..."}},
        {"beside a U", kU, RevealBesideU, {".1."}},
        // On the border: (1, 3) has only its inner side as a Bar, and its neighbours are blank.
        {"beside a U on the border",
         {"+ + + +", "       ", "+-+-+-+", "|     |", "+-+-+-+"},
         RevealBesideU,
         {"1.1", "..."}},
        // Hidden threes with blank cells across their three Bars are shown; a "3" whose closed
        // end faces a blank cell inside the grid moves there as that cell's count; a corner with
        // blank neighbours shows its count.
        {"adjusted threes", kU, AdjustThrees, {".1.", "...", "3.3"}},
        {"adjusted threes, winding", kWinding, AdjustThrees, {"2...", "...1", "1..."}},
    };
    for (const auto& c : cases) {
        Grid grid = LoopShowing(c.picture);
        c.pass(grid);
        const Rows clues = ClueRows(grid);
        EXPECT_EQ(Rows(clues.begin(), clues.begin() + static_cast<long>(c.clues.size())), c.clues)
            << c.what;
    }
    // A moved "3" is moved in the true clues as well.
    Grid moved = LoopShowing(cases[2].picture);
    MoveThreesToOnes(moved);
    EXPECT_EQ(moved.OrigClue[moved.CellNum[1][2]], 1);
    EXPECT_EQ(moved.OrigClue[moved.CellNum[2][2]], kNoClue);
}

TEST(ClueRulesTest, ThinningKeepsEveryOtherClueOfARun) {
    Grid grid = GridFromPicture({"+ + + + + +", " 1 2 3 0 1 ", "+ + + + + +", " 2 . 1 . 0 ",
                                 "+ + + + + +", " 3 . 2 2 . ", "+ + + + + +"});
    ThinRows(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"1.3.1", "2.1.0", "3.2.."}));
    ThinColumns(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"1.3.1", ".....", "3.2.."}));
}

TEST(ClueRulesTest, ACornerTwoGetsOneNeighbourRevealed) {
    Grid grid = LoopShowing(kWinding);
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
    Grid grid = LoopShowing(kWinding);
    RandomSource random(4);
    RevealRandomBlanks(grid, random, 0);
    RevealRandomBlanks(grid, random, 8);  // 8 x 12 / 100 is 0 cells
    EXPECT_EQ(grid.CountBlankClues(), 12);
    RevealRandomBlanks(grid, random, 50);
    EXPECT_EQ(grid.CountBlankClues(), 6);
    EXPECT_TRUE(test::CluesMatchLoop(grid));
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
