#include "solver/colour_engine.h"

#include <gtest/gtest.h>

#include "solver/colouring.h"
#include "support/fresh_visits.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;
using test::SetSides;

// The rules every puzzle uses (a clue's colours, an edge from two colours) are held by the solve
// golden test; here the corner cases few puzzles reach.
TEST(PatternRulesTest, ClueAndCornerRules) {
    // A "3" with bars arriving at both upper dots from outside: the loop runs along the other
    // three sides.
    Grid three = GridFromRows({"     ", "     ", "  3  ", "     ", "     "});
    SetSides(three, 2, 3, "LR", Bar);
    test::RunFresh(three, PatternRules);
    EXPECT_EQ(test::SidesOf(three, 3, 3), "1011");

    // A "1" whose top-right dot is closed outside: neither side there can be its bar.
    Grid one = GridFromRows({"     ", "     ", "  1  ", "     ", "     "});
    SetSides(one, 2, 4, "LB", XMark);
    SetSides(one, 3, 3, "L", XMark);
    test::RunFresh(one, PatternRules);
    EXPECT_EQ(test::SidesOf(one, 3, 3), "2221");

    // A "3" on the bottom border next to a border X turns at that dot.
    Grid bottom = GridFromRows({"   ", "   ", " 3 "});
    SetSides(bottom, 3, 3, "B", XMark);
    test::RunFresh(bottom, PatternRules);
    EXPECT_EQ(test::SidesOf(bottom, 3, 2), "0011");
}

// The trials take the most constrained cells first: those with the most sides and coloured
// neighbours decided, and a cell between both colours before one beside a single colour. A colour
// that a Bar or an X around the cell contradicts is not tried.
TEST(ColouringTest, TrialsTakeTheMostConstrainedCellFirstAndSkipConflicts) {
    Grid grid = GridFromRows({"   ", "   ", "   "});
    SetCellColour(grid, 2, 4, Yellow);
    EXPECT_EQ(grid.CellColour[2][4], Pink);  // the frame is never Yellow
    for (const TrialCell& cell : ColourTrialList(grid, 1))
        EXPECT_FALSE(cell.row == 2 && cell.col == 2);  // nothing decided around it
    grid.CellColour[1][2] = Yellow;
    EXPECT_EQ(NeighbourColourScore(grid, 1, 1), 4);  // two Pink, one Yellow, and both kinds
    const std::vector<TrialCell> list = ColourTrialList(grid, 1);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front().row, 1);
    EXPECT_EQ(list.front().col, 1);

    SetSides(grid, 2, 2, "T", Bar);
    EXPECT_EQ(ColourConflicts(grid, 2, 2, Yellow), 1);
    EXPECT_EQ(ColourConflicts(grid, 2, 2, Pink), 0);
    SetSides(grid, 3, 3, "B", XMark);  // across an X from the Pink frame
    EXPECT_EQ(ColourConflicts(grid, 3, 3, Yellow), 1);
}

}  // namespace
}  // namespace ringlace
