#include "create/composite.h"

#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "support/creation.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

using test::IsSingleLoop;

// A quadrant whose loop runs around the rectangle of cells (r1, c1) to (r2, c2); no clues.
Quadrant Rectangle(int rows, int cols, int r1, int c1, int r2, int c2) {
    Grid grid = test::CreateGrid(rows, cols);
    test::LoopAround(grid, r1, c1, r2, c2);
    Quadrant codes;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) codes.push_back(CellCode(grid, r, c));
    return codes;
}

// The four quadrants of a 10 x 10 grid, each loop around its whole quadrant unless the first one
// is given.
std::array<Quadrant, 4> Quadrants(const Quadrant& first = Rectangle(4, 4, 1, 1, 4, 4)) {
    return {first, Rectangle(4, 5, 1, 1, 4, 5), Rectangle(5, 4, 1, 1, 5, 4),
            Rectangle(5, 5, 1, 1, 5, 5)};
}

std::string Sides(const Grid& grid, int r, int c) {
    return CellCode(grid, r, c).substr(1);
}

// An odd side splits into two halves around the seam; an even one leaves the first half a cell
// shorter.
TEST(CompositeTest, QuadrantsAndSeamsByParityOfTheSides) {
    const struct {
        int rows, cols;
        std::array<int, 4> quadRows, quadCols;
        int seamRow, seamCol;
    } layouts[] = {{10, 10, {4, 4, 5, 5}, {4, 5, 4, 5}, 5, 5},
                   {11, 11, {5, 5, 5, 5}, {5, 5, 5, 5}, 6, 6},
                   {25, 12, {12, 12, 12, 12}, {5, 6, 5, 6}, 13, 6}};
    for (const auto& expected : layouts) {
        const CompositeLayout layout = LayoutFor(expected.rows, expected.cols);
        EXPECT_EQ(layout.quadRows, expected.quadRows) << expected.rows;
        EXPECT_EQ(layout.quadCols, expected.quadCols) << expected.cols;
        EXPECT_EQ(layout.seamRow, expected.seamRow) << expected.rows;
        EXPECT_EQ(layout.seamCol, expected.seamCol) << expected.cols;
    }
}

// A quadrant is kept as the codes of its cells: the clue, then the Bar sides.
TEST(CompositeTest, ACellCodeHoldsTheClueAndTheBarSides) {
    Grid grid = test::GridFromPicture({"+-+ +", "|2   ", "+-+ +"});
    EXPECT_EQ(CellCode(grid, 1, 1), "2LT.B");
    ApplyCellCode(grid, 1, 2, "3L...");  // the side it shares with (1, 1)
    EXPECT_EQ(CellCode(grid, 1, 1), "2LTRB");
    EXPECT_EQ(CellCode(grid, 1, 2), "3L...");
}

// Four quadrant loops along their borders: every seam cell between them is a candidate. With n
// candidates the junction takes number Int(n/2): the second of 4 and of 5.
TEST(CompositeTest, ThreeJunctionsJoinFourLoopsIntoOne) {
    Grid grid = test::CreateGrid(10, 10);
    ASSERT_TRUE(JoinQuadrants(grid, LayoutFor(10, 10), Quadrants(), 3));
    EXPECT_TRUE(IsSingleLoop(grid));
    EXPECT_EQ(Sides(grid, 2, 5), ".T.B");  // seam column, rows 1..4: the second of four
    EXPECT_EQ(Sides(grid, 7, 5), ".T.B");  // seam column, rows 6..10: the second of five
    EXPECT_EQ(Sides(grid, 5, 2), "L.R.");  // seam row, columns 1..4
    EXPECT_EQ(Sides(grid, 5, 7), ".T.B");  // the junction left out: both loops still pass it
    EXPECT_EQ(Sides(grid, 5, 5), "....");  // the crossing of the seams never joins
    // A junction cell and the quadrant cells whose sides it took show their counts.
    EXPECT_EQ(test::ClueRows(grid)[1].substr(3, 3), "020");
    EXPECT_TRUE(test::CluesMatchLoop(grid));
}

// Quadrant 1's loop touching the seam column in rows 3 and 4 and the seam row in column 4 only
// joins there; one away from the seam row fails whichever junction is left out.
TEST(CompositeTest, OneCandidateIsTakenOfTwoTheFirstAndNoneFails) {
    Grid grid = test::CreateGrid(10, 10);
    ASSERT_TRUE(JoinQuadrants(grid, LayoutFor(10, 10), Quadrants(Rectangle(4, 4, 3, 4, 4, 4)), 1));
    EXPECT_TRUE(IsSingleLoop(grid));
    EXPECT_EQ(Sides(grid, 3, 5), ".T.B");
    EXPECT_EQ(Sides(grid, 5, 4), "L.R.");
    EXPECT_EQ(Sides(grid, 5, 7), "L.R.");
    for (int leftOut = 0; leftOut < 4; ++leftOut) {
        Grid apart = test::CreateGrid(10, 10);
        EXPECT_FALSE(JoinQuadrants(apart, LayoutFor(10, 10), Quadrants(Rectangle(4, 4, 2, 4, 2, 4)),
                                   leftOut))
            << leftOut;
    }
}

// A seam cell between two blank quadrant cells shows its count; one beside a clue may stay blank.
TEST(CompositeTest, SeamCellsBetweenBlankCellsShowTheirCount) {
    Grid grid = test::CreateGrid(10, 10);
    std::array<Quadrant, 4> quadrants = Quadrants();
    quadrants[0][3] = "2.TR.";  // cell (1, 4) shows its "2"
    ASSERT_TRUE(JoinQuadrants(grid, LayoutFor(10, 10), quadrants, 0));
    const auto rows = test::ClueRows(grid);
    EXPECT_EQ(rows[0][4], '.');  // beside the "2"
    EXPECT_EQ(rows[3][4], '2');  // between two blank cells: its two Bars
    EXPECT_EQ(rows[4][0], '3');  // and its right side, taken by the junction in (5, 2)
    EXPECT_TRUE(test::CluesMatchLoop(grid));
}

}  // namespace
}  // namespace ringlace
