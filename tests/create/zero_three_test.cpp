#include "create/zero_three.h"

#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "support/creation.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

using Rows = std::vector<std::string>;

TEST(ZeroThreeTest, TheBandNarrowsWithTheCellCount) {
    EXPECT_EQ(ZeroThreeBand(80), 52);
    EXPECT_EQ(ZeroThreeBand(81), 45);
    EXPECT_EQ(ZeroThreeBand(100), 40);
    EXPECT_EQ(ZeroThreeBand(399), 36);
    EXPECT_EQ(ZeroThreeBand(625), 32);
}

struct Rewrite {
    const char* what;
    Rows picture;
    Rows clues;  // after Make03Clues, which leaves one loop that they match
};

void ExpectRewrites(const std::vector<Rewrite>& cases, bool loopKept = false) {
    for (const Rewrite& c : cases) {
        Grid grid = test::GridFromPicture(c.picture);
        Make03Clues(grid);
        EXPECT_EQ(test::ClueRows(grid), c.clues) << c.what;
        EXPECT_TRUE(test::IsSingleLoop(grid)) << c.what;
        EXPECT_TRUE(test::CluesMatchLoop(grid)) << c.what;
        EXPECT_TRUE(!loopKept ||
                    LoopSignature(grid) == LoopSignature(test::GridFromPicture(c.picture)))
            << c.what;
    }
}

// Whichever side the lone Bar is on, the cell becomes a U around it. The other lone Bars of these
// loops have a "3" beside them and stay.
TEST(ZeroThreeTest, ALoneBarOnAnySideBecomesAThree) {
    ExpectRewrites({
        // Afterwards the corner cells hold three Bars while their clues still say blank; a domino
        // rewrite that trusted those clues would cut the loop, so none may happen.
        {"top of (1, 2)", {"+-+-+-+", "|     |", "+ + + +", "|     |", "+-+-+-+"}, {"333", "..."}},
        {"bottom of (1, 2)",
         {"+ + + +", "       ", "+-+-+-+", "|     |", "+-+-+-+"},
         {".3.", "3.3"}},
        {"left of (1, 3)", {"+-+-+ +", "|   |  ", "+-+ + +", "  | |  ", "+ +-+ +"}, {"3.3", ".3."}},
        {"right of (1, 1)",
         {"+ +-+-+", "  |   |", "+ + +-+", "  | |  ", "+ +-+ +"},
         {"3.3", ".3."}},
    });
}

// Each cell with a lone Bar has no clue around it, but the loop passes one of the two dots
// across the cell: a U there would meet the loop at that dot, so the loop is left as it is.
TEST(ZeroThreeTest, ALoneBarStaysWhenTheLoopPassesTheFarCorner) {
    ExpectRewrites(
        {
            {"top of (1, 2)",
             {"+-+-+-+-+", "|       |", "+ + +-+-+", "|   |    ", "+ +-+ + +", "| |      ",
              "+-+ + + +"},
             {"...3", "....", "3.00"}},
            {"bottom of (3, 3)",
             {"+ + + +-+", "      | |", "+ + +-+ +", "    |   |", "+-+-+ + +", "|       |",
              "+-+-+-+-+"},
             {"00.3", "....", "3..."}},
        },
        true);
}

// Each loop runs around three sides of a pair of cells and goes on in two arms that end in the
// cells beyond the pair; an arm one cell long ends in a "3". Rerouting a cell of the pair takes a
// Bar from the cell beyond it, so the top or left cell is rerouted unless a "3" lies beyond it,
// then the other one unless a "3" lies beyond that one too: each of the four sides the pair can
// be open to, and a pair of each direction that stays.
TEST(ZeroThreeTest, ADominoReroutesTheEndAwayFromAThree) {
    ExpectRewrites({
        {"open right, no 3 at either end",
         {"+-+-+-+", "|     |", "+ +-+-+", "| |    ", "+ + + +", "| |    ", "+ +-+-+", "|     |",
          "+-+-+-+"},
         {"..3", "...", ".3.", "..3"}},
        {"open right, a 3 above",
         {"+-+-+ +", "|   |  ", "+ +-+ +", "| |    ", "+ + + +", "| |    ", "+ +-+-+", "|     |",
          "+-+-+-+"},
         {".3.", ".30", "...", "..3"}},
        {"open left, no 3 at either end",
         {"+-+-+-+", "|     |", "+-+-+ +", "    | |", "+ + + +", "    | |", "+-+-+ +", "|     |",
          "+-+-+-+"},
         {"3..", "...", ".3.", "3.."}},
        {"open left, a 3 above",
         {"+ +-+-+", "  |   |", "+ +-+ +", "    | |", "+ + + +", "    | |", "+-+-+ +", "|     |",
          "+-+-+-+"},
         {".3.", "03.", "...", "3.."}},
        {"open below, no 3 at either end",
         {"+-+-+-+-+", "|       |", "+ +-+-+ +", "| |   | |", "+ + + + +", "| |   | |",
          "+-+ + +-+"},
         {"....", "..3.", "3..3"}},
        {"open below, a 3 on the left",
         {"+-+-+-+-+", "|       |", "+ +-+-+ +", "| |   | |", "+-+ + + +", "      | |",
          "+ + + +-+"},
         {"....", "33..", ".0.3"}},
        {"open below, 3s at both ends",
         {"+-+-+-+-+", "|       |", "+ +-+-+ +", "| |   | |", "+-+ + +-+", "         ",
          "+ + + + +"},
         {"....", "3..3", ".00."}},
        {"open above, no 3 at either end",
         {"+-+ + +-+", "| |   | |", "+ + + + +", "| |   | |", "+ +-+-+ +", "|       |",
          "+-+-+-+-+"},
         {"3..3", "..3.", "...."}},
        {"open above, a 3 on the left",
         {"+ + + +-+", "      | |", "+-+ + + +", "| |   | |", "+ +-+-+ +", "|       |",
          "+-+-+-+-+"},
         {".0.3", "33..", "...."}},
        // A "3" made earlier in the same run counts. (1, 1) becomes a U; (1, 2) beside it shows no
        // "3", so of the pair (1, 3), (1, 4), open below, (1, 3) is rerouted and (1, 4) shows "3".
        // That leaves the pair (1, 2), (1, 3) open above with a "3" at both ends, and it stays.
        {"threes made earlier",
         {"+ + +-+-+", "    |   |", "+-+-+ + +", "|       |", "+ +-+-+ +", "| |   | |",
          "+-+ + +-+"},
         {"3..3", "....", "3..3"}},
    });
}

TEST(ZeroThreeTest, ACancelEndsTheCreation) {
    test::Creation creation(21);
    creation.host.onYield = [&] { creation.state.cancelRequested = creation.host.yields > 30; };
    EXPECT_EQ(Create03Only(creation.ctx, 9, 9), CreateResult::Cancelled);
}

}  // namespace
}  // namespace ringlace
