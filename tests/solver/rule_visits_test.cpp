#include "solver/rule_visits.h"

#include <gtest/gtest.h>

#include <string>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

// The cells a sweep visits, in order, as row and column digits: "11 12 ".
std::string Visited(const Grid& grid, RuleVisits& visits, LocalRule rule) {
    std::string cells;
    visits.Sweep(grid, rule, 1, grid.Rows, 1, grid.Cols,
                 [&cells](int r, int c) { cells += std::to_string(r) + std::to_string(c) + " "; });
    return cells;
}

const std::string kEveryCell = "11 12 13 14 21 22 23 24 31 32 33 34 41 42 43 44 ";

// Every cell at first; then only the cells whose run of the rule looks at a cell changed since,
// in row-major order, and every cell again once the clues are others. A rule that needs a clue
// visits only the cells beside it.
TEST(RuleVisitsTest, ASweepVisitsOnlyAroundChanges) {
    Grid grid = test::GridFromRows({"    ", " 1  ", "1   ", "  1 "});
    RuleVisits visits(grid);
    for (const LocalRule rule : {LocalRule::CellRules, LocalRule::NodeRules, LocalRule::AcrossBars,
                                 LocalRule::BorderBarsTop, LocalRule::NoCheckerboard})
        EXPECT_EQ(Visited(grid, visits, rule), kEveryCell);
    EXPECT_EQ(Visited(grid, visits, LocalRule::OneClue), "22 31 43 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::OneAtClosedDot), "22 31 43 ");
    // The "1" cells right of and below (2, 1) are a rising diagonal pair.
    EXPECT_EQ(Visited(grid, visits, LocalRule::DiagonalOnesFromUpperRight), "21 ");
    EXPECT_TRUE(Visited(grid, visits, LocalRule::CellRules).empty());

    grid.SetEdge(4, 4, Side::Left, Bar);  // sides of cells (4, 3) and (4, 4)
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits, LocalRule::BorderBarsTop), "43 44 ");
    EXPECT_TRUE(Visited(grid, visits, LocalRule::BorderBarsTop).empty());
    // The cell rules read the edges at a cell's top-left dot.
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "43 44 ");
    // A dot's rules read only its own four edges: the edge ends at (4, 4) and (5, 4).
    EXPECT_EQ(Visited(grid, visits, LocalRule::NodeRules), "44 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::OneAtClosedDot), "43 ");
    EXPECT_TRUE(Visited(grid, visits, LocalRule::DiagonalOnesFromUpperRight).empty());
    EXPECT_TRUE(Visited(grid, visits, LocalRule::OneClue).empty());
    // Each rule keeps its own marks: another one still has every cell to visit.
    EXPECT_EQ(Visited(grid, visits, LocalRule::AcrossCrosses), kEveryCell);

    // Columns 0 to 2 of rows 0 to 2 hold (2, 1), not the "1" at (2, 2) that its pair starts with.
    grid.SetEdge(1, 1, Side::Left, Bar);
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits, LocalRule::DiagonalOnesFromUpperRight), "21 ");
    // The edge is a side of (1, 1) and the edge up from the top-left dot of (2, 1); the other
    // cells around it read neither.
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "11 21 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::NodeRules), "11 21 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::OneAtClosedDot), "22 ");
    // Columns 1 to 3 of rows 2 to 5: the "1" at (4, 3) is at the edge of what the change reaches.
    grid.SetEdge(3, 2, Side::Bottom, Bar);
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits, LocalRule::OneAtClosedDot), "22 31 43 ");

    Visited(grid, visits, LocalRule::BarsFromColours);
    visits.SetColour(grid, 2, 2, Pink);
    EXPECT_EQ(Visited(grid, visits, LocalRule::OneClue), "22 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::NoCheckerboard), "11 12 21 22 ");
    // What the colour lets the cells beside it write from colours, the cell writes itself.
    EXPECT_EQ(Visited(grid, visits, LocalRule::BarsFromColours), "22 ");
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "32 42 43 ");
    // The across rules beside a cell that takes a colour could not colour it any more; once it
    // is uncoloured again they could.
    EXPECT_EQ(Visited(grid, visits, LocalRule::AcrossBars), "11 22 32 42 43 44 ");
    visits.SetColour(grid, 2, 2, 0);
    EXPECT_EQ(Visited(grid, visits, LocalRule::AcrossBars), "12 21 22 23 32 ");

    grid.Clue[grid.CellNum[2][2]] = 3;
    visits.Resume(grid);
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), kEveryCell);
}

// A diagonal "1" rule writes the far side of the other "1" of its pair: the cells beyond it are
// marked as well.
TEST(RuleVisitsTest, AVisitMarksAroundEverySideItCanWrite) {
    Grid grid = test::GridFromRows({"1   ", " 1  ", "    ", "    "});
    RuleVisits visits(grid);
    Visited(grid, visits, LocalRule::CellRules);
    visits.Sweep(grid, LocalRule::DiagonalOnesFromUpperLeft, 1, 3, 1, 3,
                 [&grid](int r, int c) { grid.SetEdge(r + 1, c + 1, Side::Right, XMark); });
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "22 23 33 ");
}

// A grid taken back to a state takes back the marks left in it: what was waiting then waits
// again, and what the undone changes marked is gone.
TEST(RuleVisitsTest, ComingBackRestoresTheMarksLeft) {
    Grid grid = test::GridFromRows({"    ", "    ", "    ", "    "});
    RuleVisits visits(grid);
    Visited(grid, visits, LocalRule::CellRules);
    grid.SetEdge(1, 1, Side::Top, Bar);
    visits.Resume(grid);
    const RuleVisits::Left left = visits.LeftToVisit();

    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "11 12 ");
    grid.SetEdge(4, 4, Side::Bottom, Bar);
    visits.Resume(grid);
    grid.SetEdge(4, 4, Side::Bottom, Free);
    visits.ComeBack(grid, left);
    EXPECT_EQ(Visited(grid, visits, LocalRule::CellRules), "11 12 ");
    visits.Resume(grid);
    EXPECT_TRUE(Visited(grid, visits, LocalRule::CellRules).empty());
}

}  // namespace
}  // namespace ringlace
