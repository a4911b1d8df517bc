#include "create/zero_three.h"

#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "create/make_puzzle.h"
#include "support/creation.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

using test::ClueRows;
using test::GridFromPicture;
using test::IsSingleLoop;
using Rows = std::vector<std::string>;

TEST(ZeroThreeTest, TheBandNarrowsWithTheCellCount) {
    EXPECT_EQ(ZeroThreeBand(80), 52);
    EXPECT_EQ(ZeroThreeBand(81), 45);
    EXPECT_EQ(ZeroThreeBand(99), 45);
    EXPECT_EQ(ZeroThreeBand(100), 40);
    EXPECT_EQ(ZeroThreeBand(399), 36);
    EXPECT_EQ(ZeroThreeBand(625), 32);
}

// The lone top Bar of (1, 2) becomes a U around the cell. Afterwards the corner cells hold three
// Bars while their clues still say blank; a domino rewrite that trusted those clues would cut the
// loop, so none may happen.
TEST(ZeroThreeTest, ALoneBarBecomesAThree) {
    Grid grid = GridFromPicture({"+-+-+-+", "|     |", "+ + + +", "|     |", "+-+-+-+"});
    Make03Clues(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"333", "..."}));
    EXPECT_TRUE(IsSingleLoop(grid));
}

// The loop runs around three sides of the pair (1, 1), (2, 1); rerouting (1, 1) gives (2, 1)
// three Bars.
TEST(ZeroThreeTest, ADominoIsReroutedIntoAThree) {
    Grid grid = GridFromPicture({"+-+-+", "|   |", "+ + +", "|   |", "+-+-+"});
    Make03Clues(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{".3", "3."}));
    EXPECT_TRUE(IsSingleLoop(grid));
    EXPECT_TRUE(test::CluesMatchLoop(grid));
}

// Whichever side the lone Bar is on, the cell becomes a U around it. The other lone Bars of these
// loops have a "3" beside them and stay.
TEST(ZeroThreeTest, ALoneBarOnAnySideBecomesAThree) {
    const struct {
        const char* bar;
        Rows picture;
        Rows clues;
    } cases[] = {
        {"top of (2, 2)", {"+-+-+-+", "|     |", "+-+-+-+", "       ", "+ + + +"}, {"3.3", ".3."}},
        {"bottom of (1, 2)",
         {"+ + + +", "       ", "+-+-+-+", "|     |", "+-+-+-+"},
         {".3.", "3.3"}},
        {"left of (1, 3)", {"+-+-+ +", "|   |  ", "+-+ + +", "  | |  ", "+ +-+ +"}, {"3.3", ".3."}},
        {"right of (1, 1)",
         {"+ +-+-+", "  |   |", "+ + +-+", "  | |  ", "+ +-+ +"},
         {"3.3", ".3."}},
    };
    for (const auto& c : cases) {
        Grid grid = GridFromPicture(c.picture);
        Make03Clues(grid);
        EXPECT_EQ(ClueRows(grid), c.clues) << c.bar;
        EXPECT_TRUE(IsSingleLoop(grid)) << c.bar;
        EXPECT_TRUE(test::CluesMatchLoop(grid)) << c.bar;
    }
}

// Each cell with a lone Bar has no clue around it, but the loop passes one of the two dots
// across the cell: a U there would meet the loop at that dot, so the loop is left as it is.
TEST(ZeroThreeTest, ALoneBarStaysWhenTheLoopPassesTheFarCorner) {
    const struct {
        const char* bar;
        Rows picture;
        Rows clues;
    } cases[] = {
        {"top of (1, 2)",
         {"+-+-+-+-+", "|       |", "+ + +-+-+", "|   |    ", "+ +-+ + +", "| |      ",
          "+-+ + + +"},
         {"...3", "....", "3.00"}},
        {"bottom of (3, 3)",
         {"+ + + +-+", "      | |", "+ + +-+ +", "    |   |", "+-+-+ + +", "|       |",
          "+-+-+-+-+"},
         {"00.3", "....", "3..."}},
    };
    for (const auto& c : cases) {
        Grid grid = GridFromPicture(c.picture);
        Make03Clues(grid);
        EXPECT_EQ(LoopSignature(grid), LoopSignature(GridFromPicture(c.picture))) << c.bar;
        EXPECT_EQ(ClueRows(grid), c.clues) << c.bar;
    }
}

// Each loop runs around three sides of the pair (2, 2), (3, 2) or (2, 2), (2, 3) and goes on in
// two arms that end in the cells beyond the pair; an arm one cell long ends in a "3". Rerouting a
// cell of the pair takes a Bar from the cell beyond it, so the top or left cell is rerouted unless
// a "3" lies beyond it, then the other one unless a "3" lies beyond that one too.
TEST(ZeroThreeTest, ADominoReroutesTheEndAwayFromAThree) {
    const struct {
        const char* pair;
        Rows picture;
        Rows clues;
    } cases[] = {
        {"open right, no 3 at either end",
         {"+-+-+-+", "|     |", "+ +-+-+", "| |    ", "+ + + +", "| |    ", "+ +-+-+", "|     |",
          "+-+-+-+"},
         {"..3", "...", ".3.", "..3"}},
        {"open right, a 3 above",
         {"+-+-+ +", "|   |  ", "+ +-+ +", "| |    ", "+ + + +", "| |    ", "+ +-+-+", "|     |",
          "+-+-+-+"},
         {".3.", ".30", "...", "..3"}},
        {"open right, 3s at both ends",
         {"+-+-+ +", "|   |  ", "+ +-+ +", "| |    ", "+ + + +", "| |    ", "+ +-+ +", "|   |  ",
          "+-+-+ +"},
         {".3.", "..0", "..0", ".3."}},
        {"open left, no 3 at either end",
         {"+-+-+-+", "|     |", "+-+-+ +", "    | |", "+ + + +", "    | |", "+-+-+ +", "|     |",
          "+-+-+-+"},
         {"3..", "...", ".3.", "3.."}},
        {"open left, a 3 above",
         {"+ +-+-+", "  |   |", "+ +-+ +", "    | |", "+ + + +", "    | |", "+-+-+ +", "|     |",
          "+-+-+-+"},
         {".3.", "03.", "...", "3.."}},
        {"open left, 3s at both ends",
         {"+ +-+-+", "  |   |", "+ +-+ +", "    | |", "+ + + +", "    | |", "+ +-+ +", "  |   |",
          "+ +-+-+"},
         {".3.", "0..", "0..", ".3."}},
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
        {"open above, 3s at both ends",
         {"+ + + + +", "         ", "+-+ + +-+", "| |   | |", "+ +-+-+ +", "|       |",
          "+-+-+-+-+"},
         {".00.", "3..3", "...."}},
    };
    for (const auto& c : cases) {
        Grid grid = GridFromPicture(c.picture);
        Make03Clues(grid);
        EXPECT_EQ(ClueRows(grid), c.clues) << c.pair;
        EXPECT_TRUE(IsSingleLoop(grid)) << c.pair;
        EXPECT_TRUE(test::CluesMatchLoop(grid)) << c.pair;
    }
}

// A "3" made earlier in the same run counts. (1, 1) becomes a U; (1, 2) beside it shows no "3",
// so of the pair (1, 3), (1, 4), open below, (1, 3) is rerouted and (1, 4) shows "3". That leaves
// the pair (1, 2), (1, 3) open above with a "3" at both ends, and it stays.
TEST(ZeroThreeTest, ThreesMadeEarlierBlockLaterReroutes) {
    Grid grid = GridFromPicture({"+ + +-+-+", "    |   |", "+-+-+ + +", "|       |", "+ +-+-+ +",
                                 "| |   | |", "+-+ + +-+"});
    Make03Clues(grid);
    EXPECT_EQ(ClueRows(grid), (Rows{"3..3", "....", "3..3"}));
    EXPECT_TRUE(IsSingleLoop(grid));
    EXPECT_TRUE(test::CluesMatchLoop(grid));
}

TEST(ZeroThreeTest, AZeroThreePuzzleShowsOnlyZerosAndThreesAndIsMedium) {
    test::Creation creation(21);
    const Grid& grid = creation.grid;
    const auto& host = creation.host;
    ASSERT_EQ(CreateOfKind(creation.ctx, CreateKind::Only03, 6, 8, kHard), CreateResult::Created);
    EXPECT_EQ(grid.DiffCode, "ME");
    for (int k = 1; k <= grid.NumCells; ++k)
        EXPECT_TRUE(grid.Clue[k] == kNoClue || grid.Clue[k] == 0 || grid.Clue[k] == 3);
    EXPECT_TRUE(IsSingleLoop(grid));
    EXPECT_TRUE(test::CluesMatchLoop(grid));
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "52%"), host.statuses.end());
}

TEST(ZeroThreeTest, ACancelEndsTheCreation) {
    test::Creation creation(21);
    creation.host.onYield = [&] { creation.state.cancelRequested = creation.host.yields > 30; };
    EXPECT_EQ(Create03Only(creation.ctx, 9, 9), CreateResult::Cancelled);
}

}  // namespace
}  // namespace ringlace
