// The staged solver on real puzzles and on its edge cases.
#include <gtest/gtest.h>

#include <random>

#include "model/solution_letters.h"
#include "model/text_file.h"
#include "solver/colour_engine.h"
#include "solver/direct_lines.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"
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

// Nothing the solver decided contradicts the stored solution, coloured Yellow inside its loop.
void ExpectAgreesWithSolution(const Grid& grid, const Grid& solved, const char* stage) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            for (const Side side : kSides) {
                const EdgeState edge = grid.CellEdge[r][c][side];
                const bool onLoop = solved.CellEdge[r][c][side] == Bar;
                ASSERT_FALSE(edge == Bar && !onLoop) << stage << " put a Bar at " << r << "," << c;
                ASSERT_FALSE(edge == XMark && onLoop) << stage << " put an X at " << r << "," << c;
            }
            const std::int32_t colour = grid.CellColour[r][c];
            ASSERT_TRUE(colour == 0 || colour == solved.CellColour[r][c])
                << stage << " coloured " << r << "," << c;
        }
    }
}

// The player's entries are no help to a solve: a box drawn around the first cell is ignored, and
// no X is left. The golden test holds the loop and the count of every shipped puzzle.
TEST(SolverTest, ThePlayersEntriesAreIgnoredAndNoXIsLeft) {
    Grid grid = test::RecordGrid(std::string(RINGLACE_DATA_DIR) + "/puzzles.txt", 1);
    test::SetSides(grid, 1, 1, "LTRB", Bar);
    Solver solver;
    ASSERT_EQ(solver.Solve(grid), SolveResult::Solved);
    EXPECT_EQ(SolutionLetters(grid), grid.SolutionCode);
    EXPECT_TRUE(test::IsSingleLoop(grid));
}

TEST(SolverTest, EveryStageOnlyDecidesWhatTheSolutionHolds) {
    for (int n = 1; n <= CountLines(kSample); ++n) {
        Grid grid = test::RecordGrid(kSample, n);
        Grid solved = grid;
        ApplySolution(solved);
        test::ColourByLoop(solved);
        Solver solver;
        grid.ResetColours();
        SolveDirectLines(grid);
        ExpectAgreesWithSolution(grid, solved, "direct lines");
        grid.ResetColours();
        ColourEngine(grid);
        ExpectAgreesWithSolution(grid, solved, "colour parities");
        if (SingleColourTrials(grid, solver.run, Yellow) == StageResult::Finished) continue;
        ExpectAgreesWithSolution(grid, solved, "single Y");
        if (SingleColourTrials(grid, solver.run, Pink) == StageResult::Finished) continue;
        ExpectAgreesWithSolution(grid, solved, "single P");
        if (TwoBarTrials(grid, solver.run) == StageResult::Finished) continue;
        ExpectAgreesWithSolution(grid, solved, "2 bar cells");
        CommonColourTrials(grid, solver.run);
        ExpectAgreesWithSolution(grid, solved, "common YP");
    }
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

// Clue sets a person can type: with nearly every clue blank many loops fit and the complete search
// walks to one of them; with clues that no loop fits but that look fine locally, the search is
// unable before its first decision.
TEST(SolverTest, SparseAndImpossibleClueSetsEndWithTheCountsVerdict) {
    std::vector<std::string> rows(25, std::string(25, ' '));
    rows[3][4] = '3';
    rows[12][20] = '1';
    rows[20][7] = '2';
    Grid sparse = GridFromRows(rows);
    Solver solver;
    ASSERT_EQ(solver.Solve(sparse), SolveResult::Solved);
    EXPECT_TRUE(test::IsSingleLoop(sparse) && test::CluesMatchLoop(sparse));

    Grid impossible =
        GridFromRows({"1 31  221 ", " 3   1 11 ", "2 2    21 ", "   122223 ", "3   1  1 2",
                      "   3 3 0 3", " 202    1 ", "31   21122", "2 12 1 2  ", "     1 323"});
    Solver unable;
    ASSERT_EQ(CountSolutions(impossible, 1, unable.run).count, 0);
    EXPECT_EQ(unable.Solve(impossible), SolveResult::Unable);
    EXPECT_EQ(unable.run.stage, "Solving by chain inspection ...");
}

TEST(SolverTest, NoCluesLeavesTheGridAlone) {
    Grid blank = GridFromRows({"   ", "   "});
    blank.SetEdge(1, 1, Side::Left, Bar);
    const Grid before = blank;
    Solver solver;
    EXPECT_EQ(solver.Solve(blank), SolveResult::NoClues);
    EXPECT_EQ(blank.CellEdge, before.CellEdge);
    EXPECT_TRUE(solver.host.statuses.empty());
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
