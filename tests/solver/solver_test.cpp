// The staged solver on real puzzles and on its edge cases.
#include <gtest/gtest.h>

#include <random>

#include "model/solution_letters.h"
#include "solver/solver_driver.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

using test::GridFromRows;

// Twelve puzzles of the independent corpus; record 7 needs the complete search.
const std::string kSample = std::string(RINGLACE_TEST_DATA_DIR) + "/corpus_sample.txt";

struct Solver : test::TestRun {
    SolveResult Solve(Grid& grid, bool allowChains = true) {
        grid.ResetColours();
        return SolvePuzzle(grid, run, allowChains);
    }
};

// The player's entries are no help to a solve: a box drawn around the first cell is ignored, and
// no X is left. The golden test holds the loop, the stage and the count of every shipped and
// corpus puzzle, and the hint test each stage's decisions against the loop.
TEST(SolverTest, ThePlayersEntriesAreIgnoredAndNoXIsLeft) {
    Grid grid = test::RecordGrid(std::string(RINGLACE_DATA_DIR) + "/puzzles.txt", 1);
    test::SetSides(grid, 1, 1, "LTRB", Bar);
    Solver solver;
    ASSERT_EQ(solver.Solve(grid), SolveResult::Solved);
    EXPECT_EQ(SolutionLetters(grid), grid.SolutionCode);
    EXPECT_TRUE(test::IsSingleLoop(grid));

    // Without clues the grid is left alone, entries and all.
    Grid blank = GridFromRows({"   ", "   "});
    blank.SetEdge(1, 1, Side::Left, Bar);
    const Grid before = blank;
    Solver unclued;
    EXPECT_EQ(unclued.Solve(blank), SolveResult::NoClues);
    EXPECT_EQ(blank.CellEdge, before.CellEdge);
    EXPECT_TRUE(unclued.host.statuses.empty());
}

// Without chains the solve stops before the complete search, and the puzzle is unable.
TEST(SolverTest, StagesAreAnnouncedInOrderAndEachRunsOnce) {
    Grid grid = test::RecordGrid(kSample, 7);  // needs the complete search
    Solver solver;
    ASSERT_EQ(solver.Solve(grid), SolveResult::Solved);
    std::vector<std::string> expected{
        "Solving direct lines ...",       "Solving colour parities ...", "Solving single Y ...",
        "Solving single P ...",           "Solving 2 bar cells ...",     "Solving common YP ...",
        "Solving by chain inspection ..."};
    EXPECT_EQ(solver.host.statuses, expected);
    EXPECT_EQ(solver.run.stage, expected.back());

    Solver withoutChains;
    EXPECT_EQ(withoutChains.Solve(grid, false), SolveResult::Unable);
    expected.pop_back();
    EXPECT_EQ(withoutChains.host.statuses, expected);
}

// A cancel is seen at the next yield of the stage that runs; the common-colour stage goes on to
// its end and leaves the cancel to the complete search.
TEST(SolverTest, ACancelDuringEachStageEndsTheSolveThere) {
    const Grid puzzle = test::RecordGrid(kSample, 7);  // needs the complete search
    const std::vector<std::pair<std::string, std::string>> stages = {
        {"Solving single Y ...", "Solving single Y ..."},
        {"Solving single P ...", "Solving single P ..."},
        {"Solving 2 bar cells ...", "Solving 2 bar cells ..."},
        {"Solving common YP ...", "Solving by chain inspection ..."},
        {"Solving by chain inspection ...", "Solving by chain inspection ..."}};
    for (const auto& [cancelledIn, endsIn] : stages) {
        Grid grid = puzzle;
        Solver solver;
        solver.host.onYield = [&] {
            solver.state.cancelRequested = solver.host.statuses.back() == cancelledIn;
        };
        EXPECT_EQ(solver.Solve(grid), SolveResult::Cancelled) << cancelledIn;
        EXPECT_EQ(solver.host.statuses.back(), endsIn);
    }
}

// With nearly every clue blank many loops fit and the complete search walks to one of them. (The
// golden test holds the clue sets that admit no loop.)
TEST(SolverTest, ASparseClueSetEndsWithOneOfItsLoops) {
    std::vector<std::string> rows(25, std::string(25, ' '));
    rows[3][4] = '3';
    rows[12][20] = '1';
    rows[20][7] = '2';
    Grid sparse = GridFromRows(rows);
    Solver solver;
    ASSERT_EQ(solver.Solve(sparse), SolveResult::Solved);
    EXPECT_TRUE(test::IsSingleLoop(sparse) && test::CluesMatchLoop(sparse));
}

TEST(SolverTest, WhateverItCallsSolvedIsOneLoopMatchingTheClues) {
    std::mt19937 random(99);
    int solved = 0;
    for (int round = 0; round < 1500; ++round) {
        const int rows = 1 + static_cast<int>(random() % 7);
        const int cols = 1 + static_cast<int>(random() % 7);
        std::vector<std::string> clues(static_cast<std::size_t>(rows),
                                       std::string(static_cast<std::size_t>(cols), ' '));
        for (std::string& row : clues)
            for (char& ch : row)
                if (random() % 3 == 0) ch = static_cast<char>('0' + random() % 4);
        Grid grid = GridFromRows(clues);
        Solver solver;
        const SolveResult result = solver.Solve(grid);
        ASSERT_NE(result, SolveResult::Cancelled);
        if (result != SolveResult::Solved) continue;
        ++solved;
        std::string picture;
        for (const std::string& row : clues) picture += "[" + row + "]";
        EXPECT_TRUE(test::IsSingleLoop(grid) && test::CluesMatchLoop(grid))
            << round << " " << picture << " " << SolutionLetters(grid);
    }
    EXPECT_GT(solved, 20);
}

}  // namespace
}  // namespace ringlace
