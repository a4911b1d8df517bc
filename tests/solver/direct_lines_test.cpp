#include "solver/direct_lines.h"

#include <gtest/gtest.h>

#include "support/fresh_visits.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;
using test::SetSides;
using test::SidesOf;

Grid AfterStartRules(const std::vector<std::string>& rows) {
    Grid grid = GridFromRows(rows);
    BuildNodeLinks(grid);
    test::RunFresh(grid, ApplyStartRules);
    return grid;
}

// Sides are read as digits L, T, R, B: 0 Free, 1 Bar, 2 X.
TEST(DirectLinesTest, StartRulesOnCluePatterns) {
    EXPECT_EQ(SidesOf(AfterStartRules({"0"}), 1, 1), "2222");

    const Grid threes = AfterStartRules({" 33 ", "    "});
    EXPECT_EQ(SidesOf(threes, 1, 2), "1010");
    EXPECT_EQ(SidesOf(threes, 1, 3), "1010");
    EXPECT_EQ(threes.CellEdge[0][2][Side::Right], XMark);  // lands in the frame, deciding nothing
    EXPECT_EQ(SidesOf(threes, 2, 2), "0020");

    EXPECT_EQ(SidesOf(AfterStartRules({"1  ", "   "}), 1, 1), "2200");
    const Grid cornerTwo = AfterStartRules({"   ", "   ", "  2"});
    EXPECT_EQ(SidesOf(cornerTwo, 2, 3), "0010");
    EXPECT_EQ(SidesOf(cornerTwo, 3, 2), "0001");

    const Grid diagonal = AfterStartRules({"3   ", " 2  ", "  3 ", "    "});
    EXPECT_EQ(SidesOf(diagonal, 1, 1), "1100");
    EXPECT_EQ(SidesOf(diagonal, 3, 3), "0011");

    // Threes touching on a rising diagonal, one pair at each end of the grid's range.
    const Grid rising = AfterStartRules({" 3  ", "3   ", "   3", "  3 "});
    for (const auto& [r, c, sides] :
         {std::tuple{1, 2, "0110"}, {2, 1, "1001"}, {3, 4, "0110"}, {4, 3, "1001"}})
        EXPECT_EQ(SidesOf(rising, r, c), sides) << r << c;

    EXPECT_EQ(SidesOf(AfterStartRules({"    ", " 0  ", "  3 ", "    "}), 3, 3), "1100");
}

TEST(DirectLinesTest, DotRules) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetSides(grid, 2, 2, "T", Bar);  // dot (2, 2): one Bar
    SetSides(grid, 1, 1, "R", XMark);
    SetSides(grid, 2, 1, "T", XMark);  // ...two Xs, one Free left: it must carry the line on
    test::RunFresh(grid, NodeAndOnePass);
    EXPECT_EQ(SidesOf(grid, 2, 2), "1100");

    Grid full = GridFromRows({"   ", "   ", "   "});
    SetSides(full, 2, 2, "LT", Bar);
    test::RunFresh(full, NodeAndOnePass);
    EXPECT_EQ(SidesOf(full, 1, 1), "0022");
    EXPECT_EQ(SidesOf(full, 2, 1), "0210");

    // A left-border dot with two Xs, or with one X and one Bar, where the bar goes on.
    for (const EdgeState below : {XMark, Bar}) {
        Grid border = GridFromRows({"   ", "   ", "   "});
        SetSides(border, 1, 1, "L", XMark);
        SetSides(border, 2, 1, "L", below);
        test::RunFresh(border, NodeAndOnePass);
        EXPECT_EQ(border.CellEdge[2][1][Side::Top], below);
    }
}

TEST(DirectLinesTest, CellPass) {
    Grid grid = GridFromRows({"   ", " 1 ", "  2"});
    SetSides(grid, 1, 1, "LTR", Bar);
    SetSides(grid, 2, 2, "T", Bar);
    SetSides(grid, 3, 3, "LT", XMark);
    test::RunFresh(grid, CellPass);
    EXPECT_EQ(SidesOf(grid, 1, 1), "1112");  // a blank cell is never boxed
    EXPECT_EQ(SidesOf(grid, 2, 2), "2122");
    EXPECT_EQ(SidesOf(grid, 3, 3), "2211");
}

TEST(DirectLinesTest, OnesAtTheBorderAndOnTheDiagonal) {
    Grid border = GridFromRows({"  ", " 1", " 1"});
    SetSides(border, 1, 2, "R", XMark);
    test::RunFresh(border, NodeAndOnePass);
    EXPECT_EQ(SidesOf(border, 2, 2), "0200");

    Grid diagonal = GridFromRows({"   ", " 1 ", "  1"});
    SetSides(diagonal, 2, 2, "R", Bar);
    test::RunFresh(diagonal, NodeAndOnePass);
    EXPECT_EQ(SidesOf(diagonal, 3, 3), "0022");
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
