// The staged solver on real puzzles and on its edge cases.
#include <gtest/gtest.h>

#include <random>

#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text_file.h"
#include "solver/colour_engine.h"
#include "solver/colouring.h"
#include "solver/direct_lines.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"
#include "solver/verification.h"
#include "support/grid_builder.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

using test::GridFromRows;
using test::TestHost;

const std::string kData = RINGLACE_DATA_DIR;
// Twelve puzzles of the independent corpus; record 7 needs the complete search.
const std::string kSample = std::string(RINGLACE_TEST_DATA_DIR) + "/corpus_sample.txt";

// Record n of the file into grid; false when it cannot be loaded, and the test must stop there.
bool Load(const std::string& file, int n, Grid& grid) {
    PuzzlePlace place;
    place.count = CountLines(file);
    return LoadPuzzle(grid, place, file, n);
}

struct Solver {
    Solver() : run(host, state.cancelRequested, true) {}
    SolveResult Solve(Grid& grid, bool allowChains = true) {
        grid.ResetColours();
        return SolvePuzzle(grid, run, allowChains);
    }
    TestHost host;
    RunState state;
    RunContext run;
};

// The colour of every cell in the stored solution: Yellow inside the loop.
std::int32_t SolutionColour(const Grid& solved, int r, int c) {
    int crossings = 0;
    for (int k = 1; k <= c; ++k) crossings += solved.CellEdge[r][k][Side::Left] == Bar;
    return crossings % 2 ? Yellow : Pink;
}

// Nothing the solver decided contradicts the stored solution.
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
            ASSERT_TRUE(colour == 0 || colour == SolutionColour(solved, r, c))
                << stage << " coloured " << r << "," << c;
        }
    }
}

TEST(SolverTest, TheShippedPuzzlesSolveToTheirStoredLoops) {
    const std::string file = kData + "/puzzles.txt";
    for (int n = 1; n <= CountLines(file); ++n) {
        Grid grid;
        ASSERT_TRUE(Load(file, n, grid)) << n;
        const std::string stored = grid.SolutionCode;
        Solver solver;
        EXPECT_EQ(CountSolutions(grid, 2, solver.run).count, 1) << n;
        ASSERT_EQ(solver.Solve(grid), SolveResult::Solved) << n;
        EXPECT_EQ(SolutionLetters(grid), stored) << n;
        for (int r = 1; r <= grid.Rows; ++r)
            for (int c = 1; c <= grid.Cols; ++c)
                for (const Side side : kSides) EXPECT_NE(grid.CellEdge[r][c][side], XMark);
    }
}

TEST(SolverTest, EveryStageOnlyDecidesWhatTheSolutionHolds) {
    const std::string file = kSample;
    for (int n = 1; n <= CountLines(file); ++n) {
        Grid grid;
        ASSERT_TRUE(Load(file, n, grid)) << n;
        Grid solved = grid;
        ApplySolution(solved);
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

TEST(SolverTest, StagesAreAnnouncedInOrderAndEachRunsOnce) {
    Grid grid;
    ASSERT_TRUE(Load(kSample, 7, grid));  // needs the complete search
    Solver solver;
    ASSERT_EQ(solver.Solve(grid), SolveResult::Solved);
    const std::vector<std::string> expected{
        "Solving direct lines ...",       "Solving colour parities ...", "Solving single Y ...",
        "Solving single P ...",           "Solving 2 bar cells ...",     "Solving common YP ...",
        "Solving by chain inspection ..."};
    EXPECT_EQ(solver.host.statuses, expected);
    EXPECT_EQ(solver.run.stage, expected.back());
    EXPECT_FALSE(solver.host.progress.empty());
}

TEST(SolverTest, WithoutChainsAPuzzleNeedingSearchIsUnable) {
    Grid grid;
    ASSERT_TRUE(Load(kSample, 7, grid));
    Solver solver;
    EXPECT_EQ(solver.Solve(grid, false), SolveResult::Unable);
    EXPECT_EQ(solver.host.statuses.back(), "Solving common YP ...");
}

TEST(SolverTest, NoCluesLeavesTheGridAlone) {
    Grid grid = GridFromRows({"   ", "   "});
    grid.SetEdge(1, 1, Side::Left, Bar);
    const Grid before = grid;
    Solver solver;
    EXPECT_EQ(solver.Solve(grid), SolveResult::NoClues);
    EXPECT_EQ(grid.CellEdge, before.CellEdge);
    EXPECT_TRUE(solver.host.statuses.empty());
}

TEST(SolverTest, ACancelStopsTheSolve) {
    Grid grid;
    ASSERT_TRUE(Load(kSample, 7, grid));
    Solver solver;
    solver.state.cancelRequested = true;
    EXPECT_EQ(solver.Solve(grid), SolveResult::Cancelled);
    EXPECT_EQ(solver.host.statuses.back(), "Solving single Y ...");
}

TEST(SolverTest, ASolveStartsFromTheCluesNotFromTheEntries) {
    Grid grid;
    ASSERT_TRUE(Load(kSample, 1, grid));
    grid.SetEdge(1, 1, Side::Left, XMark);
    grid.SetEdge(1, 1, Side::Top, XMark);
    Solver solver;
    ASSERT_EQ(solver.Solve(grid), SolveResult::Solved);
    EXPECT_EQ(SolutionLetters(grid), grid.SolutionCode);
}

TEST(SolverTest, AnUnsolvablePuzzleIsUnable) {
    // Four "3"s in a square cannot all be met by one loop.
    Grid grid = GridFromRows({"    ", " 33 ", " 33 ", "    "});
    Solver solver;
    EXPECT_EQ(solver.Solve(grid), SolveResult::Unable);
}

// The bars form one closed loop that every clue agrees with.
bool IsOneLoopMatchingTheClues(const Grid& grid) {
    const int width = grid.Cols + 1;
    std::vector<std::vector<int>> links(static_cast<std::size_t>((grid.Rows + 1) * width));
    int bars = 0;
    const auto link = [&](int a, int b) {
        links[static_cast<std::size_t>(a)].push_back(b);
        links[static_cast<std::size_t>(b)].push_back(a);
        ++bars;
    };
    for (int r = 1; r <= grid.Rows + 1; ++r) {
        for (int c = 1; c <= grid.Cols + 1; ++c) {
            const int dot = (r - 1) * width + (c - 1);
            const bool top =
                c <= grid.Cols && (r <= grid.Rows ? grid.CellEdge[r][c][Side::Top]
                                                  : grid.CellEdge[r - 1][c][Side::Bottom]) == Bar;
            const bool left =
                r <= grid.Rows && (c <= grid.Cols ? grid.CellEdge[r][c][Side::Left]
                                                  : grid.CellEdge[r][c - 1][Side::Right]) == Bar;
            if (top) link(dot, dot + 1);
            if (left) link(dot, dot + width);
        }
    }
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.Clue[k] != kNoClue &&
            grid.Clue[k] != grid.CountBars(grid.CellRow[k], grid.CellCol[k]))
            return false;
    int start = -1;
    for (std::size_t dot = 0; dot < links.size(); ++dot) {
        if (links[dot].size() != 0 && links[dot].size() != 2) return false;
        if (!links[dot].empty()) start = static_cast<int>(dot);
    }
    if (start < 0) return false;
    int previous = -1;
    int current = start;
    int length = 0;
    do {
        const auto& next = links[static_cast<std::size_t>(current)];
        const int step = next[0] != previous ? next[0] : next[1];
        previous = current;
        current = step;
        ++length;
    } while (current != start && length <= bars);
    return length == bars;
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
        EXPECT_TRUE(IsOneLoopMatchingTheClues(grid))
            << round << " " << picture << " " << SolutionLetters(grid);
    }
    EXPECT_GT(solved, 20);
}

}  // namespace
}  // namespace ringlace
