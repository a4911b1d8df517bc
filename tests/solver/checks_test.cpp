#include "solver/checks.h"

#include <gtest/gtest.h>

#include "support/check_printing.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

// Each rule the entries break, with the dot or cell it names; the grids are drawn as in
// loop_picture.h.
TEST(ChecksTest, TheFirstBrokenRuleNamesItsPlace) {
    const struct {
        std::vector<std::string> picture;
        CheckResult expected;
    } cases[] = {
        {{"+ + + +", "       ", "+ +-+ +", "  |2|  ", "+ + + +", "       ", "+ + + +"},
         {2, 2, "too many bars"}},
        {{"+ + + +", "       ", "+ +-+ +", "  |3|  ", "+ +-+ +", "       ", "+ + + +"},
         {2, 2, "too many bars"}},
        // The dots of the box carry two bars each, so nothing comes before the box itself.
        {{"+ + + +", "       ", "+ +-+ +", "  | |  ", "+ +-+ +", "       ", "+ + + +"},
         {2, 2, "boxed"}},
        {{"+ + + +", "       ", "+ +x+ +", "  x3   ", "+ + + +", "       ", "+ + + +"},
         {2, 2, "not enough free places for cell value3"}},
        {{"+ + + +", "  x    ", "+x+-+ +", "  x    ", "+ + + +", "       ", "+ + + +"},
         {2, 2, "3X and 1B not valid"}},
        {{"+ + + +", "  |    ", "+ +-+ +", "  |    ", "+ + + +", "       ", "+ + + +"},
         {2, 2, "more than 2 bars"}},
        {{"+x+x+", "  |  ", "+ + +", "     ", "+ + +"}, {1, 1, "vertical bar stranded"}},
        {{"+ + +", "     ", "+ + +", "    x", "+ +-+", "    x", "+ + +"},
         {2, 2, "horizontal bar stranded"}},
        {{"+ + + + +", "         ", "+ +-+ + +", "  | x3   ", "+ +-+ + +", "         ",
          "+ + + + +"},
         {2, 2, "3B and 1X with neighbor 3 not valid"}},
        // The box is below the "3"; the upper cell is named.
        {{"+ + + +", "       ", "+ + + +", "   3   ", "+ +x+ +", "  | |  ", "+ +-+ +", "       ",
          "+ + + +"},
         {2, 2, "3B and 1X with neighbor 3 not valid"}},
        // A corner dot with one X and one Bar has no free edge left either, but only the border
        // checks would name it, and they look at straight border runs.
        {{"+x+ +", "|    ", "+ + +", "     ", "+ + +"}, {}},
        // A grid of one cell: the checks between rows and between columns have nothing to see.
        {{"+-+", "|3|", "+ +"}, {}},
        // No entry at all breaks no rule.
        {{"+ + + +", " 1 2 3 ", "+ + + +", " 0   2 ", "+ + + +"}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckEntries(test::GridFromPicture(c.picture)), c.expected) << c.picture[1];

    // A loose end is the dot checks' to find; a closed loop has none.
    Grid grid = test::GridFromPicture({"+-+ +", "     ", "+ + +", "     ", "+ + +"});
    EXPECT_EQ(CheckNodeBars(grid), (CheckResult{1, 1, "one isolated bar"}));
    test::LoopAround(grid, 1, 1, 2, 2);
    EXPECT_FALSE(CheckNodeBars(grid).Broken());
}

}  // namespace
}  // namespace ringlace
