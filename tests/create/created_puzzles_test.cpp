// Every puzzle the program creates, at every size and level, is one loop whose clues all match it,
// no other loop fits its clues, and the program's own solver, given the saved record, solves it to
// exactly the stored solution.
#include <gtest/gtest.h>

#include "create/make_puzzle.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "solver/link_ambiguities.h"
#include "solver/solver_driver.h"
#include "support/creation.h"
#include "support/loop_picture.h"
#include "support/temp_folder.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

struct Case {
    int rows;
    int cols;
    CreateKind kind;
    int level;
    std::uint64_t seed;
};

std::string Name(const Case& c) {
    return std::to_string(c.rows) + "x" + std::to_string(c.cols) +
           (c.kind == CreateKind::Only03 ? " 03Only" : "") + " level " + std::to_string(c.level) +
           " seed " + std::to_string(c.seed);
}

std::string Create(const Case& c, Grid& grid) {
    test::Creation creation(c.seed);
    EXPECT_EQ(CreateOfKind(creation.ctx, c.kind, c.rows, c.cols, c.level), CreateResult::Created)
        << Name(c);
    grid = creation.grid;
    return PuzzleRecordText(grid);
}

void CheckCreated(const std::vector<Case>& cases) {
    const test::TempFolder folder;
    for (const Case& c : cases) {
        Grid grid;
        const std::string record = Create(c, grid);
        ASSERT_EQ(grid.Rows, c.rows) << Name(c);
        ASSERT_EQ(grid.Cols, c.cols) << Name(c);
        EXPECT_EQ(grid.DiffCode, LevelCode(c.kind == CreateKind::Only03 ? kMedium : c.level))
            << Name(c);
        EXPECT_TRUE(test::IsSingleLoop(grid)) << Name(c);
        EXPECT_TRUE(test::CluesMatchLoop(grid)) << Name(c);
        EXPECT_TRUE(CheckLinkUnique(grid).empty()) << Name(c);
        EXPECT_EQ(test::Solutions(grid), 1) << Name(c);

        // The saved record, loaded and solved as the Autosolve command does.
        const std::string file = folder.File("created.txt");
        ASSERT_TRUE(WritePuzzleRecord(grid, file, WriteMode::Replace));
        Grid loaded;
        test::TestHost host;
        PuzzlePlace place;
        place.count = 1;
        ASSERT_TRUE(LoadPuzzle(loaded, place, file, 1)) << Name(c);
        EXPECT_EQ(loaded.SolutionCode, SolutionLetters(grid));
        const bool cancelRequested = false;
        RunContext run(host, cancelRequested, true);
        loaded.ResetColours();
        ASSERT_EQ(SolvePuzzle(loaded, run, true), SolveResult::Solved) << Name(c);
        EXPECT_EQ(SolutionLetters(loaded), loaded.SolutionCode) << Name(c);
    }
}

constexpr CreateKind kNormal = CreateKind::Normal;
constexpr CreateKind k03 = CreateKind::Only03;

TEST(CreatedPuzzlesTest, ByRemovalBelowEightyOneCells) {
    CheckCreated({{5, 5, kNormal, kEasy, 1},
                  {5, 5, kNormal, kEasy, 2},
                  {5, 5, kNormal, kMedium, 1},
                  {5, 5, kNormal, kHard, 2},
                  {5, 5, kNormal, kHard, 3},
                  {7, 7, kNormal, kHard, 5},
                  {6, 11, kNormal, kEasy, 4},
                  {8, 10, kNormal, kMedium, 5}});
}

TEST(CreatedPuzzlesTest, ByRulesFromEightyOneCells) {
    CheckCreated({{9, 9, kNormal, kEasy, 1},
                  {9, 9, kNormal, kMedium, 2},
                  {9, 9, kNormal, kHard, 1},
                  {9, 9, kNormal, kHard, 3},
                  {12, 8, kNormal, kHard, 1},
                  {25, 9, kNormal, kEasy, 2},
                  {5, 25, kNormal, kMedium, 1}});
}

TEST(CreatedPuzzlesTest, ComposedFromTenByTen) {
    CheckCreated({{10, 10, kNormal, kEasy, 1},
                  {10, 10, kNormal, kMedium, 2},
                  {10, 10, kNormal, kHard, 1},
                  {10, 10, kNormal, kHard, 3},
                  {11, 13, kNormal, kMedium, 1},
                  {15, 15, kNormal, kHard, 2}});
}

TEST(CreatedPuzzlesTest, ComposedAtTheLargestSizes) {
    CheckCreated({{20, 20, kNormal, kEasy, 1}, {25, 25, kNormal, kHard, 2}});
}

TEST(CreatedPuzzlesTest, ZeroThreePuzzles) {
    CheckCreated({{5, 5, k03, kMedium, 1},
                  {5, 5, k03, kMedium, 2},
                  {7, 6, k03, kMedium, 3},
                  {9, 9, k03, kMedium, 1},
                  {12, 12, k03, kMedium, 1},
                  {16, 16, k03, kMedium, 2}});
}

TEST(CreatedPuzzlesTest, ASeedMakesTheSamePuzzleAgain) {
    for (const Case& c : {Case{7, 7, kNormal, kMedium, 11}, Case{12, 10, kNormal, kHard, 12},
                          Case{8, 8, k03, kMedium, 13}}) {
        Grid first;
        Grid second;
        EXPECT_EQ(Create(c, first), Create(c, second)) << Name(c);
    }
}

}  // namespace
}  // namespace ringlace
