#include "create/loop_growth.h"

#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "support/creation.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

using test::GridFromPicture;
using test::IsSingleLoop;

// The seed square grown in a grid where every other side is an X: growth clears the Xs first.
Grid GrownGrid(int rows, int cols, std::uint64_t seed, test::TestRun& growing) {
    Grid grid = test::CreateGrid(rows, cols);
    for (int k = 1; k <= grid.NumCells; ++k)
        test::SetSides(grid, grid.CellRow[k], grid.CellCol[k], "LTRB", XMark);
    SeedSquare(grid);
    RandomSource random(seed);
    GrowLoop(grid, random, growing.run);
    return grid;
}

TEST(LoopGrowthTest, TheSeedSquareIsTheCentreCellRoundedUpAndLeft) {
    for (const auto& [rows, cols, r, c] :
         {std::array{5, 5, 3, 3}, {10, 10, 5, 5}, {1, 7, 1, 4}, {6, 9, 3, 5}}) {
        Grid grid = test::CreateGrid(rows, cols);
        SeedSquare(grid);
        EXPECT_EQ(grid.CountBars(r, c), 4) << rows << "x" << cols;
        EXPECT_TRUE(IsSingleLoop(grid));
    }
}

// Whatever the size and the draws, growth keeps one simple closed loop inside the grid.
TEST(LoopGrowthTest, EveryGrownLoopIsOneClosedLoopInsideTheGrid) {
    test::TestRun growing;
    const std::pair<int, int> sizes[] = {{1, 1},  {1, 9},  {9, 1},   {2, 2},  {5, 5},
                                         {7, 12}, {12, 7}, {10, 10}, {25, 25}};
    for (const auto& [rows, cols] : sizes) {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            const Grid grid = GrownGrid(rows, cols, seed, growing);
            ASSERT_TRUE(IsSingleLoop(grid)) << rows << "x" << cols << " seed " << seed;
        }
    }
    // The same seed grows the same loop, another seed another.
    const std::string first = LoopSignature(GrownGrid(15, 15, 99, growing));
    EXPECT_EQ(LoopSignature(GrownGrid(15, 15, 99, growing)), first);
    EXPECT_NE(LoopSignature(GrownGrid(15, 15, 100, growing)), first);
}

// Growth ends after the sixth cycle whose last pass absorbed nothing. In a 1 x 1 grid nothing can
// ever be absorbed, so that is six cycles, each yielding once.
TEST(LoopGrowthTest, GrowthStopsAfterSixFruitlessCyclesYieldingOncePerCycle) {
    test::TestRun growing;
    const Grid grid = GrownGrid(1, 1, 5, growing);
    EXPECT_EQ(growing.host.yields, 6);
    EXPECT_EQ(grid.CountBars(1, 1), 4);
}

// A cell in the last column never starts the bottom pass; the top pass from below, the left pass
// from the column itself and the right pass from the column before still work.
TEST(LoopGrowthTest, EachPassKeepsToItsBorderRule) {
    const std::vector<int> order{1, 2, 3, 4, 5, 6};
    Grid grid = GridFromPicture({"+ + +-+", "    | |", "+ + +-+", "       ", "+ + + +"});
    EXPECT_EQ(GrowBottom(grid, order), 0);
    EXPECT_EQ(GrowRight(grid, order), 0);
    EXPECT_EQ(GrowTop(grid, order), 0);
    EXPECT_EQ(GrowLeft(grid, order), 1);
    EXPECT_EQ(grid.CountBars(1, 2), 3);
    EXPECT_EQ(grid.CountBars(1, 3), 3);
    EXPECT_TRUE(IsSingleLoop(grid));

    Grid lower = GridFromPicture({"+ + + +", "       ", "+ +-+ +", "  | |  ", "+ +-+ +"});
    EXPECT_EQ(GrowBottom(lower, order), 0);  // the last row
    EXPECT_EQ(GrowTop(lower, order), 1);
    EXPECT_EQ(lower.CountBars(1, 2), 3);
    EXPECT_TRUE(IsSingleLoop(lower));
}

TEST(LoopGrowthTest, CoverageNeedsTwoLoopCellsInEveryRowAndOneInEveryColumn) {
    const Grid covered = GridFromPicture({"+-+-+-+", "|     |", "+ +-+ +", "| | | |", "+-+ +-+"});
    EXPECT_TRUE(CoverageTest(covered));
    // The middle row holds only one cell with two Bars or more.
    const Grid thinRow = GridFromPicture(
        {"+-+-+-+", "|     |", "+ + + +", "|     |", "+-+-+ +", "    | |", "+ + +-+"});
    EXPECT_FALSE(CoverageTest(thinRow));
    // The last column is not on the loop at all.
    const Grid emptyColumn =
        GridFromPicture({"+-+-+ +", "|   |  ", "+ + + +", "|   |  ", "+-+-+ +"});
    EXPECT_FALSE(CoverageTest(emptyColumn));
}

TEST(LoopGrowthTest, ResetForCreateClearsTheWholeLimitArea) {
    Grid grid;
    SetCreateSize(grid, 6, 7);
    grid.Clue[600] = 2;
    grid.CellColour[20][20] = Yellow;
    grid.SetEdge(20, 20, Side::Top, Bar);
    ResetGridForCreate(grid);
    EXPECT_EQ(grid.Clue[600], kNoClue);
    EXPECT_EQ(grid.CellColour[20][20], 0);
    EXPECT_EQ(grid.CellEdge[20][20][Side::Top], Free);
    EXPECT_EQ(grid.CellEdge[26][26][Side::Left], Outside);
    EXPECT_EQ(grid.CellColour[7][8], Pink);  // the frame of the 6 x 7 grid
    EXPECT_EQ(grid.CellColour[3][3], 0);
}

}  // namespace
}  // namespace ringlace
