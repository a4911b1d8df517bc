#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "create/composite.h"
#include "create/loop_growth.h"
#include "create/make_puzzle.h"
#include "create/single_creators.h"
#include "model/puzzle_record.h"
#include "support/creation.h"
#include "support/loop_picture.h"

namespace ringlace {
namespace {

using test::Creation;
using test::Solutions;

Grid Sized(int rows, int cols) {
    Grid grid;
    SetCreateSize(grid, rows, cols);
    return grid;
}

// Below 81 cells clues are taken away one by one, from 81 on, and for a quadrant, they are placed
// by rules: the same seed through CreatePuzzle and through the creator it chooses gives the same
// puzzle.
TEST(CreatorsTest, CreatePuzzleChoosesTheCreatorBySizeAndQuadrant) {
    const struct {
        int rows, cols, level;
        bool quadrant;
        CreateResult (*creator)(CreateContext&, int, int, int);
    } cases[] = {{9, 9, kHard, false, CreateByRules},
                 {8, 10, kEasy, false, CreateByRemoval},
                 {5, 5, kEasy, true, CreateByRules}};
    for (const auto& c : cases) {
        Creation viaDispatch(5), direct(5);
        viaDispatch.ctx.options.quadrant = direct.ctx.options.quadrant = c.quadrant;
        ASSERT_EQ(CreatePuzzle(viaDispatch.ctx, c.rows, c.cols, c.level), CreateResult::Created);
        ASSERT_EQ(c.creator(direct.ctx, c.rows, c.cols, c.level), CreateResult::Created);
        // Past a quadrant the dispatcher goes on taking clues away; the loop shows the creator.
        EXPECT_EQ(LoopSignature(viaDispatch.grid), LoopSignature(direct.grid)) << c.rows;
        if (c.quadrant) {
            EXPECT_EQ(viaDispatch.grid.Clue, direct.grid.Clue);
        }
    }
}

// The targets follow the larger side; a composite's quadrants aim at 45 from 11 on, a jumbo grid
// at 40, and each easier level two less.
TEST(CreatorsTest, TargetsByCreatorLevelAndSize) {
    EXPECT_EQ(RemovalTarget(Sized(5, 5), kEasy, false), 62);
    EXPECT_EQ(RulesTarget(Sized(10, 9), kHard, false, false), 62);
    EXPECT_EQ(RulesTarget(Sized(10, 10), kHard, false, true), 62);
    EXPECT_EQ(RulesTarget(Sized(11, 12), kMedium, false, true), 43);
    EXPECT_EQ(RulesTarget(Sized(50, 50), kHard, true, false), 40);
}

// A jumbo grid lies beyond the board's limits; its clues are placed without a solver check, and
// clues are given back until no second loop fits them.
TEST(CreatorsTest, AJumboGridIsMadeWithoutASolverCheck) {
    Creation jumbo(4);
    jumbo.ctx.options.jumbo = true;
    ASSERT_EQ(CreatePuzzle(jumbo.ctx, 50, 47, kHard), CreateResult::Created);
    EXPECT_EQ(jumbo.host.statuses.front(), "Creating Jumbo 50x50 puzzle ...");
    for (const std::string& status : jumbo.host.statuses)
        EXPECT_EQ(status.find("Solving"), std::string::npos);
    EXPECT_EQ(jumbo.grid.DiffCode, "HA");
    EXPECT_TRUE(test::IsSingleLoop(jumbo.grid) && test::CluesMatchLoop(jumbo.grid));
    EXPECT_EQ(Solutions(jumbo.grid), 1);
}

// From no clue at all, clues appear only where they rule out another loop, each one true to the
// grid's loop, until that loop is the only one.
TEST(CreatorsTest, CluesAreGivenBackUntilOneLoopIsLeft) {
    Creation creation(3);
    creation.grid = test::GridFromPicture({"+-+-+-+", "|     |", "+-+ +-+", "  | |  ", "+ +-+ +"});
    ASSERT_EQ(Solutions(creation.grid), 2);
    ASSERT_EQ(RevealUntilUnique(creation.ctx), Verdict::Accepted);
    EXPECT_EQ(Solutions(creation.grid), 1);
    EXPECT_TRUE(test::CluesMatchLoop(creation.grid));
    EXPECT_LT(OpenShare(creation.grid), 100);
}

// With a pattern, exactly the cells of the mask show their clue, whichever creator runs.
TEST(CreatorsTest, APatternFixesWhereTheCluesAre) {
    for (const auto& [rows, cols] : {std::pair{6, 6}, {9, 9}}) {
        Creation creation(9);
        PatternMask pattern{};
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c) pattern[r][c] = (r + c) % 2;
        creation.ctx.options.pattern = pattern;
        ASSERT_EQ(CreatePuzzle(creation.ctx, rows, cols, kMedium), CreateResult::Created);
        const Grid& grid = creation.grid;
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c)
                EXPECT_EQ(grid.Clue[grid.CellNum[r][c]] != kNoClue, (r + c) % 2 == 1)
                    << r << "," << c;
        EXPECT_TRUE(test::IsSingleLoop(grid));
        EXPECT_TRUE(test::CluesMatchLoop(grid));
        EXPECT_EQ(Solutions(grid), 1);
    }
}

// A cancel before the first attempt ends every creator; one pressed while the loop grows ends the
// creation at the next check, without taking the cancelled solve for a removal that failed.
TEST(CreatorsTest, ACancelEndsEveryCreator) {
    for (const auto& [rows, cols] : {std::pair{6, 6}, {9, 9}, {12, 12}}) {
        Creation before(1);
        before.state.cancelRequested = true;
        EXPECT_EQ(CreateForSize(before.ctx, rows, cols, kEasy), CreateResult::Cancelled) << rows;
        EXPECT_EQ(before.ctx.attempts, 0);
        Creation during(2);
        during.host.onYield = [&] { during.state.cancelRequested = during.host.yields >= 3; };
        EXPECT_EQ(CreateForSize(during.ctx, rows, cols, kHard), CreateResult::Cancelled) << rows;
        EXPECT_EQ(during.ctx.attempts, 1);
    }
}

}  // namespace
}  // namespace ringlace
