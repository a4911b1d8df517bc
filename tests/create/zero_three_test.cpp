#include "create/zero_three.h"

#include <gtest/gtest.h>

#include "create/make_puzzle.h"
#include "support/loop_picture.h"
#include "support/test_host.h"

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

TEST(ZeroThreeTest, AZeroThreePuzzleShowsOnlyZerosAndThreesAndIsMedium) {
    test::TestHost host;
    Session session;
    RunContext run(host, session);
    RandomSource random(21);
    Grid grid;
    CreateContext ctx(grid, run, random);
    ASSERT_EQ(CreateOfKind(ctx, CreateKind::Only03, 6, 8, kHard), kCreated);
    EXPECT_EQ(grid.DiffCode, "ME");
    for (int k = 1; k <= grid.NumCells; ++k)
        EXPECT_TRUE(grid.Clue[k] == kNoClue || grid.Clue[k] == 0 || grid.Clue[k] == 3);
    EXPECT_TRUE(IsSingleLoop(grid));
    EXPECT_TRUE(test::CluesMatchLoop(grid));
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "52%"), host.statuses.end());
}

TEST(ZeroThreeTest, ACancelEndsTheCreationAndLowersTheFlags) {
    test::TestHost host;
    Session session;
    RunContext run(host, session);
    RandomSource random(21);
    Grid grid;
    CreateContext ctx(grid, run, random);
    host.onYield = [&] { session.CancelRequested = host.yields > 30; };
    EXPECT_EQ(Create03Only(ctx, 9, 9), -99);
    EXPECT_FALSE(session.CancelRequested);
    EXPECT_FALSE(session.Busy);
}

}  // namespace
}  // namespace ringlace
