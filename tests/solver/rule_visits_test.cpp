#include "solver/rule_visits.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells Visited(const Grid& grid, RuleVisits& visits, LocalRule rule = LocalRule::ZeroClue) {
    Cells cells;
    visits.Sweep(grid, rule, 1, grid.Rows, 1, grid.Cols, [&cells](int r, int c) {
        cells.push_back({r, c});
    });
    return cells;
}

// Every cell at first; then only the cells next to a change made since, in row-major order, and
// every cell again once the clues are others.
TEST(RuleVisitsTest, ASweepVisitsOnlyAroundChanges) {
    Grid grid = test::GridFromRows({"    ", "    ", "    ", "    "});
    RuleVisits visits(grid);
    EXPECT_EQ(Visited(grid, visits).size(), 16u);
    EXPECT_TRUE(Visited(grid, visits).empty());

    grid.SetEdge(4, 4, Side::Left, Bar);  // sides of cells (4, 3) and (4, 4)
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits), (Cells{{3, 2}, {3, 3}, {3, 4}, {4, 2}, {4, 3}, {4, 4}}));
    EXPECT_TRUE(Visited(grid, visits).empty());
    // Each rule keeps its own marks: another one still has every cell to visit.
    EXPECT_EQ(Visited(grid, visits, LocalRule::TwoClue).size(), 16u);

    grid.Clue[grid.CellNum[2][2]] = 1;
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits).size(), 16u);
}

// A visit that writes marks the cells around the write again, also those the sweep has passed:
// the next sweep goes back to them.
TEST(RuleVisitsTest, WritesDuringASweepAreSeen) {
    Grid grid = test::GridFromRows({"    ", "    ", "    ", "    "});
    RuleVisits visits(grid);
    Cells first;
    visits.Sweep(grid, LocalRule::ZeroClue, 1, 4, 1, 4, [&](int r, int c) {
        first.push_back({r, c});
        if (r == 3 && c == 3) grid.SetEdge(2, 2, Side::Top, XMark);
        if (r == 4 && c == 4) visits.SetColour(grid, 4, 4, Pink);
    });
    EXPECT_EQ(first.size(), 16u);
    EXPECT_EQ(Visited(grid, visits), (Cells{{1, 1},
                                            {1, 2},
                                            {1, 3},
                                            {2, 1},
                                            {2, 2},
                                            {2, 3},
                                            {3, 1},
                                            {3, 2},
                                            {3, 3},
                                            {3, 4},
                                            {4, 3},
                                            {4, 4}}));
}

}  // namespace
}  // namespace ringlace
