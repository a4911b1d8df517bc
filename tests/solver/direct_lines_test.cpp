#include "solver/direct_lines.h"

#include <gtest/gtest.h>

#include "support/fresh_visits.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;
using test::SetSides;

Grid AfterStartRules(const std::vector<std::string>& rows) {
    Grid grid = GridFromRows(rows);
    BuildNodeLinks(grid);
    test::RunFresh(grid, ApplyStartRules);
    return grid;
}

TEST(DirectLinesTest, StartRulesOnCluePatterns) {
    const Grid zero = AfterStartRules({"0"});
    for (Side side : {Side::Left, Side::Top, Side::Right, Side::Bottom})
        EXPECT_EQ(zero.CellEdge[1][1][side], XMark);

    const Grid threes = AfterStartRules({" 33 ", "    "});
    EXPECT_EQ(threes.CellEdge[1][2][Side::Left], Bar);
    EXPECT_EQ(threes.CellEdge[1][2][Side::Right], Bar);
    EXPECT_EQ(threes.CellEdge[1][3][Side::Right], Bar);
    EXPECT_EQ(threes.CellEdge[0][2][Side::Right], XMark);  // lands in the frame, deciding nothing
    EXPECT_EQ(threes.CellEdge[2][2][Side::Right], XMark);

    const Grid cornerOne = AfterStartRules({"1  ", "   "});
    EXPECT_EQ(cornerOne.CellEdge[1][1][Side::Top], XMark);
    EXPECT_EQ(cornerOne.CellEdge[1][1][Side::Left], XMark);

    const Grid cornerTwo = AfterStartRules({"   ", "   ", "  2"});
    EXPECT_EQ(cornerTwo.CellEdge[2][3][Side::Right], Bar);
    EXPECT_EQ(cornerTwo.CellEdge[3][2][Side::Bottom], Bar);

    const Grid diagonal = AfterStartRules({"3   ", " 2  ", "  3 ", "    "});
    EXPECT_EQ(diagonal.CellEdge[1][1][Side::Top], Bar);
    EXPECT_EQ(diagonal.CellEdge[1][1][Side::Left], Bar);
    EXPECT_EQ(diagonal.CellEdge[3][3][Side::Right], Bar);
    EXPECT_EQ(diagonal.CellEdge[3][3][Side::Bottom], Bar);

    // Threes touching on a rising diagonal, one pair at each end of the grid's range.
    const Grid rising = AfterStartRules({" 3  ", "3   ", "   3", "  3 "});
    for (const int r : {1, 3}) {
        const int c = r + 1;
        EXPECT_EQ(rising.CellEdge[r][c][Side::Top], Bar) << r;
        EXPECT_EQ(rising.CellEdge[r][c][Side::Right], Bar) << r;
        EXPECT_EQ(rising.CellEdge[r + 1][c - 1][Side::Left], Bar) << r;
        EXPECT_EQ(rising.CellEdge[r + 1][c - 1][Side::Bottom], Bar) << r;
    }

    const Grid zeroThree = AfterStartRules({"    ", " 0  ", "  3 ", "    "});
    EXPECT_EQ(zeroThree.CellEdge[3][3][Side::Top], Bar);
    EXPECT_EQ(zeroThree.CellEdge[3][3][Side::Left], Bar);
}

TEST(DirectLinesTest, DotRules) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "T", Bar);  // dot (2, 2): one Bar
    SetSides(grid, 1, 1, "R", XMark);
    SetSides(grid, 2, 1, "T", XMark);  // ...two Xs, one Free left: it must carry the line on
    test::RunFresh(grid, NodeAndOnePass);
    EXPECT_EQ(grid.CellEdge[2][2][Side::Left], Bar);

    Grid full = GridFromRows({"   ", "   ", "   "});
    SetSides(full, 2, 2, "LT", Bar);
    test::RunFresh(full, NodeAndOnePass);
    EXPECT_EQ(full.CellEdge[1][1][Side::Right], XMark);
    EXPECT_EQ(full.CellEdge[2][1][Side::Top], XMark);

    Grid border = GridFromRows({"   ", "   ", "   "});
    SetSides(border, 1, 1, "L", XMark);
    SetSides(border, 2, 1, "L", XMark);
    test::RunFresh(border, NodeAndOnePass);
    EXPECT_EQ(border.CellEdge[2][1][Side::Top], XMark);  // a left-border dot with two Xs

    Grid borderBar = GridFromRows({"   ", "   ", "   "});
    SetSides(borderBar, 1, 1, "L", XMark);
    SetSides(borderBar, 2, 1, "L", Bar);
    test::RunFresh(borderBar, NodeAndOnePass);
    EXPECT_EQ(borderBar.CellEdge[2][1][Side::Top], Bar);  // one X, one Bar: the bar goes on
}

TEST(DirectLinesTest, CellPass) {
    Grid grid = GridFromRows({"   ", " 1 ", "  2"});
    SetSides(grid, 1, 1, "LTR", Bar);
    SetSides(grid, 2, 2, "T", Bar);
    SetSides(grid, 3, 3, "LT", XMark);
    test::RunFresh(grid, CellPass);
    EXPECT_EQ(grid.CellEdge[1][1][Side::Bottom], XMark);  // a blank cell is never boxed
    for (Side side : {Side::Left, Side::Right, Side::Bottom})
        EXPECT_EQ(grid.CellEdge[2][2][side], XMark);
    EXPECT_EQ(grid.CellEdge[3][3][Side::Right], Bar);
    EXPECT_EQ(grid.CellEdge[3][3][Side::Bottom], Bar);
}

TEST(DirectLinesTest, OnesAtTheBorderAndOnTheDiagonal) {
    Grid border = GridFromRows({"  ", " 1", " 1"});
    SetSides(border, 1, 2, "R", XMark);
    test::RunFresh(border, NodeAndOnePass);
    EXPECT_EQ(border.CellEdge[2][2][Side::Top], XMark);

    Grid diagonal = GridFromRows({"   ", " 1 ", "  1"});
    SetSides(diagonal, 2, 2, "R", Bar);
    test::RunFresh(diagonal, NodeAndOnePass);
    EXPECT_EQ(diagonal.CellEdge[3][3][Side::Right], XMark);
    EXPECT_EQ(diagonal.CellEdge[3][3][Side::Bottom], XMark);
}

TEST(DirectLinesTest, TheLocalPassesStopAtAFixedPoint) {
    Grid grid = GridFromRows({"3 2 ", " 1  ", "2  3", " 0 1"});
    ASSERT_EQ(SolveDirectLines(grid), 0);
    const Grid settled = grid;
    test::RunFresh(grid, RunLocalPasses);
    EXPECT_EQ(grid.EdgeSetCount, 0);
    EXPECT_EQ(grid.CellEdge, settled.CellEdge);
}

}  // namespace
}  // namespace ringlace
