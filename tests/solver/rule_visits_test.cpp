#include "solver/rule_visits.h"

#include <gtest/gtest.h>

#include <string>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

// The cells a sweep visits, in order, as row and column digits: "11 12 ".
std::string Visited(const Grid& grid, RuleVisits& visits, LocalRule rule = LocalRule::ZeroClue) {
    std::string cells;
    visits.Sweep(grid, rule, 1, grid.Rows, 1, grid.Cols,
                 [&cells](int r, int c) { cells += std::to_string(r) + std::to_string(c) + " "; });
    return cells;
}

const std::string kEveryCell = "11 12 13 14 21 22 23 24 31 32 33 34 41 42 43 44 ";

// Every cell at first; then only the cells whose run of the rule looks at a cell changed since,
// in row-major order, and every cell again once the clues are others.
TEST(RuleVisitsTest, ASweepVisitsOnlyAroundChanges) {
    Grid grid = test::GridFromRows({"    ", "    ", "    ", "    "});
    RuleVisits visits(grid);
    for (const LocalRule rule : {LocalRule::ZeroClue, LocalRule::CellRules, LocalRule::AcrossBars,
                                 LocalRule::ThreeAtClosedDot, LocalRule::NoCheckerboard})
        EXPECT_EQ(Visited(grid, visits, rule), kEveryCell);
    EXPECT_TRUE(Visited(grid, visits, LocalRule::CellRules).empty());

    grid.SetEdge(4, 4, Side::Left, Bar);  // sides of cells (4, 3) and (4, 4)
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits, LocalRule::ThreeAtClosedDot), "32 33 34 42 43 44 ");
    EXPECT_TRUE(Visited(grid, visits, LocalRule::ThreeAtClosedDot).empty());
    // The cell rules read the edges at a cell's top-left dot.
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "43 44 ");
    EXPECT_TRUE(Visited(grid, visits, LocalRule::ZeroClue).empty());
    // Each rule keeps its own marks: another one still has every cell to visit.
    EXPECT_EQ(Visited(grid, visits, LocalRule::TwoClue), kEveryCell);

    visits.SetColour(grid, 2, 2, Pink);
    EXPECT_EQ(Visited(grid, visits, LocalRule::ZeroClue), "12 21 22 23 32 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::NoCheckerboard), "11 12 21 22 ");
    EXPECT_TRUE(Visited(grid, visits, LocalRule::CellRules).empty());
    EXPECT_EQ(Visited(grid, visits, LocalRule::AcrossBars), "12 21 22 23 32 43 44 ");

    grid.Clue[grid.CellNum[2][2]] = 1;
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), kEveryCell);
}

}  // namespace
}  // namespace ringlace
