#include "solver/checks.h"

#include <gtest/gtest.h>

#include "support/check_printing.h"
#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;
using test::SetSides;

TEST(ChecksTest, AnEmptyGridBreaksNoRule) {
    const Grid grid = GridFromRows({"123", "0 2", "  3"});
    EXPECT_FALSE(CheckEntries(grid).Broken());
    EXPECT_FALSE(CheckNodeBars(grid).Broken());
}

TEST(ChecksTest, CluesExceededOrBoxed) {
    Grid two = GridFromRows({"   ", " 2 ", "   "});
    SetSides(two, 2, 2, "LTR", Bar);
    EXPECT_EQ(CheckEntries(two), (CheckResult{2, 2, "too many bars"}));

    Grid blank = GridFromRows({"   ", "   ", "   "});
    SetSides(blank, 2, 2, "LTRB", Bar);
    // The dots of the box carry two bars each, so nothing comes before the box itself.
    EXPECT_EQ(CheckEntries(blank), (CheckResult{2, 2, "boxed"}));

    Grid three = GridFromRows({"   ", " 3 ", "   "});
    SetSides(three, 2, 2, "LTRB", Bar);
    EXPECT_EQ(CheckEntries(three), (CheckResult{2, 2, "too many bars"}));
}

TEST(ChecksTest, AClueOutOfReachNamesItsValueWithoutABlank) {
    Grid grid = GridFromRows({"   ", " 3 ", "   "});
    SetSides(grid, 2, 2, "LT", XMark);
    EXPECT_EQ(CheckEntries(grid), (CheckResult{2, 2, "not enough free places for cell value3"}));
}

TEST(ChecksTest, DotsWithDeadEndsAndBranches) {
    Grid deadEnd = GridFromRows({"   ", "   ", "   "});
    SetSides(deadEnd, 2, 2, "T", Bar);     // leaves dot (2, 2) to the right
    SetSides(deadEnd, 1, 1, "R", XMark);   // up from dot (2, 2)
    SetSides(deadEnd, 2, 1, "TR", XMark);  // left and down from dot (2, 2)
    EXPECT_EQ(CheckEntries(deadEnd), (CheckResult{2, 2, "3X and 1B not valid"}));

    Grid branch = GridFromRows({"   ", "   ", "   "});
    SetSides(branch, 2, 2, "LT", Bar);
    SetSides(branch, 1, 1, "R", Bar);
    EXPECT_EQ(CheckEntries(branch), (CheckResult{2, 2, "more than 2 bars"}));
}

TEST(ChecksTest, BarsStrandedAtTheBorder) {
    Grid top = GridFromRows({"   ", "   "});
    SetSides(top, 1, 1, "T", XMark);
    SetSides(top, 1, 2, "T", XMark);
    SetSides(top, 1, 1, "R", Bar);
    EXPECT_EQ(CheckEntries(top), (CheckResult{1, 1, "vertical bar stranded"}));

    Grid right = GridFromRows({"  ", "  ", "  "});
    SetSides(right, 2, 2, "R", XMark);
    SetSides(right, 3, 2, "R", XMark);
    SetSides(right, 2, 2, "B", Bar);
    EXPECT_EQ(CheckEntries(right), (CheckResult{2, 2, "horizontal bar stranded"}));

    // A corner dot with one X and one Bar has no free edge left either, but only the border
    // checks would name it, and they look at straight border runs: no error.
    Grid corner = GridFromRows({"  ", "  "});
    SetSides(corner, 1, 1, "T", XMark);
    SetSides(corner, 1, 1, "L", Bar);
    EXPECT_FALSE(CheckEntries(corner).Broken());
}

TEST(ChecksTest, ABoxBesideAThree) {
    Grid grid = GridFromRows({"    ", "  3 ", "    "});
    SetSides(grid, 2, 2, "LTB", Bar);
    SetSides(grid, 2, 2, "R", XMark);
    EXPECT_EQ(CheckEntries(grid), (CheckResult{2, 2, "3B and 1X with neighbor 3 not valid"}));
    Grid below = GridFromRows({"   ", " 3 ", "   ", "   "});
    SetSides(below, 3, 2, "LRB", Bar);
    SetSides(below, 3, 2, "T", XMark);
    EXPECT_EQ(CheckEntries(below),
              (CheckResult{2, 2, "3B and 1X with neighbor 3 not valid"}));  // the upper cell
}

TEST(ChecksTest, NodeBarChecksFindLooseEndsAndBranches) {
    Grid grid = GridFromRows({"  ", "  "});
    SetSides(grid, 1, 1, "T", Bar);
    EXPECT_EQ(CheckNodeBars(grid), (CheckResult{1, 1, "one isolated bar"}));
    SetSides(grid, 1, 1, "L", Bar);
    SetSides(grid, 1, 2, "TR", Bar);
    SetSides(grid, 2, 1, "LB", Bar);
    SetSides(grid, 2, 2, "RB", Bar);
    EXPECT_FALSE(CheckNodeBars(grid).Broken());
}

TEST(ChecksTest, SingleRowsAndColumnsSkipEmptyRanges) {
    Grid row = GridFromRows({"3"});
    SetSides(row, 1, 1, "LTR", Bar);
    EXPECT_FALSE(CheckEntries(row).Broken());
    EXPECT_EQ(NodeBarCount(row, 1, 1), 2);  // a corner dot counts two directions
    EXPECT_EQ(NodeXCount(row, 1, 1), 0);
    EXPECT_EQ(NodeFreeCount(row, 2, 1), 1);
}

}  // namespace
}  // namespace ringlace
