// Bringing a puzzle to its level: the walk keeps the loop and its uniqueness, reaches the share,
// grades by the solver, stops for a cancel, and falls back to the nearest grade only after the
// tries are spent.
#include "create/level_fit.h"

#include <gtest/gtest.h>

#include <vector>

#include "create/clue_rules.h"
#include "create/loop_growth.h"
#include "create/single_creators.h"
#include "solver/solver_driver.h"
#include "support/creation.h"

namespace ringlace {
namespace {

using test::Creation;

// A grown loop with every cell showing its clue: one solution, nothing left to deduce.
void AllCluesOfGrownLoop(Creation& creation, int rows, int cols) {
    BeginCreation(creation.ctx, rows, cols);
    while (!GrowCoveringLoop(creation.ctx)) {
    }
    StoreTrueClues(creation.grid);
    creation.grid.Clue = creation.grid.OrigClue;
}

TEST(LevelFitTest, GoalsFollowTheCreatorAndTheLevel) {
    Grid small;
    SetCreateSize(small, 8, 10);
    Grid large;
    SetCreateSize(large, 9, 9);
    EXPECT_EQ(GoalFor(small, kHard, false).target, RemovalTarget(small, kHard, false));
    EXPECT_EQ(GoalFor(large, kEasy, false).target, RulesTarget(large, kEasy, false, false));
    const LevelGoal jumbo = GoalFor(large, kHard, true);
    EXPECT_EQ(jumbo.target, 40);
    EXPECT_FALSE(jumbo.graded);
    EXPECT_EQ(GradeMiss(GoalFor(large, kEasy, false), 6), 2);
    EXPECT_EQ(GradeMiss(GoalFor(large, kMedium, false), 4), 1);
    EXPECT_EQ(GradeMiss(GoalFor(large, kHard, false), 6), 0);
}

// Every level from the same loop with all its clues: the loop stays the only one and stays in
// the grid, the share is reached, and the grade is what the solver needs for the clues left.
TEST(LevelFitTest, TheWalkKeepsTheLoopAndReachesTheGoal) {
    for (const int level : {kEasy, kMedium, kHard}) {
        Creation creation(21);
        AllCluesOfGrownLoop(creation, 8, 8);
        const std::string loop = LoopSignature(creation.grid);
        const LevelGoal goal = GoalFor(creation.grid, level, false);
        EXPECT_EQ(FitToLevel(creation.ctx, goal), LevelFit::Met) << level;
        EXPECT_EQ(LoopSignature(creation.grid), loop) << level;
        EXPECT_EQ(creation.grid.OrigClue, creation.grid.Clue) << level;
        EXPECT_GE(OpenShare(creation.grid), goal.target) << level;
        EXPECT_EQ(test::Solutions(creation.grid), 1) << level;
        EXPECT_EQ(PuzzleGrade(creation.grid, creation.run), creation.ctx.grade) << level;
        EXPECT_EQ(GradeMiss(goal, creation.ctx.grade), 0) << level;
    }
}

TEST(LevelFitTest, ACancelStopsTheWalk) {
    Creation creation(22);
    AllCluesOfGrownLoop(creation, 9, 9);
    creation.host.onYield = [&] { creation.state.cancelRequested = true; };
    EXPECT_EQ(FitToLevel(creation.ctx, GoalFor(creation.grid, kHard, false)), LevelFit::Cancelled);
}

// A goal whose grades no puzzle has: after kGradeTries puzzles at the share the nearest grade is
// handed out, never one under the share.
TEST(LevelFitTest, AMissedGradeFallsBackToTheNearestAfterTheTries) {
    Creation creation(102);
    const auto goalOf = [](const Grid& grid) {
        LevelGoal beyond = GoalFor(grid, kHard, false);
        beyond.lowestGrade = beyond.highestGrade = kChainStage + 1;
        return beyond;
    };
    struct Walked {
        int share;
        int grade;
    };
    std::vector<Walked> before;  // the puzzles as their walks left them
    const auto make = [&] {
        if (creation.ctx.attempts > 0)
            before.push_back({OpenShare(creation.grid), creation.ctx.grade});
        AllCluesOfGrownLoop(creation, 5, 5);
        return CreateResult::Created;
    };
    ASSERT_EQ(CreateToGoal(creation.ctx, goalOf, make), CreateResult::Created);
    const int target = goalOf(creation.grid).target;
    EXPECT_GE(OpenShare(creation.grid), target);
    EXPECT_EQ(test::Solutions(creation.grid), 1);
    int atShare = 1;  // the last puzzle's walk reached the share too
    for (const Walked& walked : before) {
        if (walked.share < target) continue;
        ++atShare;
        EXPECT_LE(walked.grade, creation.ctx.grade);
    }
    EXPECT_EQ(atShare, kGradeTries);
    EXPECT_EQ(PuzzleGrade(creation.grid, creation.run), creation.ctx.grade);
}

}  // namespace
}  // namespace ringlace
