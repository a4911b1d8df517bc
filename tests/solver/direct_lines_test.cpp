#include "solver/direct_lines.h"

#include <gtest/gtest.h>

#include "support/fresh_visits.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;
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

// The start rules write again once a side of one of their cells changed.
TEST(DirectLinesTest, StartRulesRunAgainAfterAChangeAtTheirCells) {
    Grid grid = GridFromRows({"0  ", "   ", "   "});
    BuildNodeLinks(grid);
    RuleVisits visits(grid);
    ApplyStartRules(grid, visits);
    ASSERT_EQ(SidesOf(grid, 1, 1), "2222");

    grid.SetEdge(1, 1, Side::Right, Bar);
    grid.SetEdge(3, 3, Side::Left, Bar);
    visits.Resume(grid);
    grid.EdgeSetCount = 0;
    ApplyStartRules(grid, visits);
    EXPECT_EQ(SidesOf(grid, 1, 1), "2222");
    EXPECT_EQ(grid.EdgeSetCount, 1);
}

// A grid fresh from a load holds frame links from whatever it held before; the sides of its real
// cells were written through SetEdge, so rebuilding the frame's dots is rebuilding them all.
TEST(DirectLinesTest, RefreshingTheFrameLinksBuildsEveryLink) {
    Grid grid = GridFromRows({"3  1", "    ", " 2  "});
    grid.SetEdge(1, 1, Side::Top, Bar);
    grid.SetEdge(3, 4, Side::Right, XMark);
    grid.SetEdge(2, 2, Side::Left, Bar);
    Grid built = grid;
    BuildNodeLinks(built);

    for (int i = 0; i <= grid.Rows + 1; ++i)
        for (int j = 0; j <= grid.Cols + 1; ++j)
            if (i <= 1 || j <= 1 || i == grid.Rows + 1 || j == grid.Cols + 1)
                grid.NodeLink[i][j].fill(Free);
    RefreshFrameLinks(grid);
    EXPECT_EQ(grid.NodeLink, built.NodeLink);
}

}  // namespace
}  // namespace ringlace
