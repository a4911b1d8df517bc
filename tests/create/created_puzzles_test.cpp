// Every puzzle the program creates, at every size and level, is one loop whose clues all match it,
// no other loop fits its clues, and the program's own solver, given the saved record, solves it to
// exactly the stored solution, at the grade the creation reports. A puzzle of a level leaves at
// least the level's share of cells blank and needs the level's stages.
#include <gtest/gtest.h>

#include "create/clue_rules.h"
#include "create/level_fit.h"
#include "create/make_puzzle.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "solver/link_ambiguities.h"
#include "solver/solver_driver.h"
#include "support/creation.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"
#include "support/temp_folder.h"

namespace ringlace {
namespace {

struct Case {
    int rows;
    int cols;
    int level;
    std::uint64_t seed;
    CreateKind kind = CreateKind::Normal;
};

std::string Name(const Case& c) {
    return std::to_string(c.rows) + "x" + std::to_string(c.cols) +
           (c.kind == CreateKind::Only03 ? " 03Only" : "") + " level " + std::to_string(c.level) +
           " seed " + std::to_string(c.seed);
}

std::string Create(const Case& c, Grid& grid, int* grade = nullptr) {
    test::Creation creation(c.seed);
    EXPECT_EQ(CreateOfKind(creation.ctx, c.kind, c.rows, c.cols, c.level), CreateResult::Created)
        << Name(c);
    grid = creation.grid;
    if (grade) *grade = creation.ctx.grade;
    return PuzzleRecordText(grid);
}

void CheckCreated(const std::vector<Case>& cases) {
    const test::TempFolder folder;
    for (const Case& c : cases) {
        Grid grid;
        int grade = 0;
        Create(c, grid, &grade);
        ASSERT_EQ(grid.Rows, c.rows) << Name(c);
        ASSERT_EQ(grid.Cols, c.cols) << Name(c);
        EXPECT_EQ(grid.DiffCode, LevelCode(c.kind == CreateKind::Only03 ? kMedium : c.level))
            << Name(c);
        EXPECT_TRUE(test::IsSingleLoop(grid)) << Name(c);
        EXPECT_TRUE(test::CluesMatchLoop(grid)) << Name(c);
        EXPECT_TRUE(CheckLinkUnique(grid).empty()) << Name(c);
        EXPECT_EQ(test::Solutions(grid), 1) << Name(c);
        if (c.kind == CreateKind::Normal) {
            const LevelGoal goal = GoalFor(grid, c.level, false);
            EXPECT_GE(OpenShare(grid), goal.target) << Name(c);
            EXPECT_EQ(GradeMiss(goal, grade), 0) << Name(c) << " grade " << grade;
        }

        // The saved record, loaded and solved as the Autosolve command does.
        const std::string file = folder.File("created.txt");
        ASSERT_TRUE(WritePuzzleRecord(grid, file, WriteMode::Replace));
        test::Creation solving(1);
        solving.grid = test::RecordGrid(file, 1);
        EXPECT_EQ(solving.grid.SolutionCode, SolutionLetters(grid));
        solving.grid.ResetColours();
        const SolveOutcome solved = SolveThroughStage(solving.grid, solving.run, kChainStage);
        ASSERT_EQ(solved.result, SolveResult::Solved) << Name(c);
        EXPECT_EQ(solved.stage, grade) << Name(c);
        EXPECT_EQ(SolutionLetters(solving.grid), solving.grid.SolutionCode) << Name(c);
    }
}

constexpr CreateKind k03 = CreateKind::Only03;

TEST(CreatedPuzzlesTest, ByRemovalBelowEightyOneCells) {
    CheckCreated({{5, 5, kEasy, 1}, {5, 5, kHard, 3}, {6, 11, kEasy, 4}, {8, 10, kMedium, 5}});
}

TEST(CreatedPuzzlesTest, ByRulesFromEightyOneCells) {
    CheckCreated({{9, 9, kEasy, 1}, {9, 9, kHard, 3}, {25, 9, kEasy, 2}, {5, 25, kMedium, 1}});
}

TEST(CreatedPuzzlesTest, ComposedFromTenByTen) {
    CheckCreated(
        {{10, 10, kEasy, 1}, {11, 13, kMedium, 1}, {15, 15, kHard, 2}, {25, 25, kHard, 2}});
}

TEST(CreatedPuzzlesTest, ZeroThreePuzzles) {
    CheckCreated({{5, 5, kMedium, 1, k03}, {7, 6, kMedium, 3, k03}, {16, 16, kMedium, 2, k03}});
}

TEST(CreatedPuzzlesTest, ASeedMakesTheSamePuzzleAgain) {
    for (const Case& c :
         {Case{7, 7, kMedium, 11}, Case{12, 10, kHard, 12}, Case{8, 8, kMedium, 13, k03}}) {
        Grid first;
        Grid second;
        EXPECT_EQ(Create(c, first), Create(c, second)) << Name(c);
    }
}

}  // namespace
}  // namespace ringlace
