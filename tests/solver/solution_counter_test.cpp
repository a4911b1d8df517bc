#include "solver/solution_counter.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "solver/loop_checks.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

using test::AllLoops;
using test::EdgeSet;
using test::GridWithClues;

constexpr int kEveryLoop = INT_MAX;

struct Counting {
    test::TestHost host;
    const bool cancelRequested = false;
    RunContext run{host, cancelRequested};

    CountResult Count(const Grid& grid, int limit) { return CountSolutions(grid, limit, run); }
};

std::set<EdgeSet> EdgeSets(const CountResult& result) {
    std::set<EdgeSet> loops;
    for (const FoundLoop& loop : result.loops) loops.insert(test::EdgesOf(loop));
    return loops;
}

TEST(SolutionCounterTest, CountsEveryLoopOfBlankGrids) {
    // A 1 x N strip has one loop per run of neighbouring cells.
    Counting counting;
    for (int n = 1; n <= 6; ++n) {
        const Grid strip = GridWithClues(1, n, std::string(static_cast<std::size_t>(n), ' '));
        EXPECT_EQ(counting.Count(strip, kEveryLoop).count, n * (n + 1) / 2) << "1 x " << n;
    }
    const struct {
        int rows;
        int cols;
        int loops;
    } known[] = {{2, 2, 13}, {2, 3, 40}, {3, 3, 213}, {3, 4, 1049}};
    for (const auto& grid : known) {
        const Grid blank =
            GridWithClues(grid.rows, grid.cols,
                          std::string(static_cast<std::size_t>(grid.rows * grid.cols), ' '));
        const CountResult result = counting.Count(blank, kEveryLoop);
        EXPECT_EQ(result.count, grid.loops) << grid.rows << " x " << grid.cols;
        EXPECT_EQ(EdgeSets(result), AllLoops(grid.rows, grid.cols));
    }
}

// Clue patterns on every shape up to 3 x 4: mostly the clues of a real loop with some removed,
// sometimes one of them changed, sometimes clues at random. The counter must find exactly the loops
// that brute force finds, and stop at the limit.
TEST(SolutionCounterTest, AgreesWithBruteForceOnTinyGrids) {
    Counting counting;
    std::mt19937 random(2024);
    for (int rows = 1; rows <= 4; ++rows) {
        for (int cols = 1; cols <= 4; ++cols) {
            if (rows * cols > 12) continue;
            const std::set<EdgeSet> loops = AllLoops(rows, cols);
            const std::vector<EdgeSet> loopList(loops.begin(), loops.end());
            for (int pattern = 0; pattern < 40; ++pattern) {
                const EdgeSet model = loopList[random() % loopList.size()];
                std::string clues = test::CluesOf(rows, cols, model);
                const double keep = std::uniform_real_distribution<>(0.2, 1.0)(random);
                for (char& clue : clues)
                    if (std::uniform_real_distribution<>()(random) >= keep) clue = ' ';
                if (pattern % 5 == 0)
                    clues[random() % clues.size()] = static_cast<char>('0' + random() % 4);
                if (pattern % 10 == 9)
                    for (char& clue : clues) clue = " 0123"[random() % 5];

                const Grid grid = GridWithClues(rows, cols, clues);
                std::set<EdgeSet> expected;
                for (EdgeSet loop : loops)
                    if (test::MatchesClues(grid, loop)) expected.insert(loop);
                const CountResult all = counting.Count(grid, kEveryLoop);
                EXPECT_EQ(EdgeSets(all), expected)
                    << rows << " x " << cols << " \"" << clues << "\"";
                EXPECT_EQ(all.count, static_cast<int>(expected.size()));

                const CountResult two = counting.Count(grid, 2);
                EXPECT_EQ(two.count, std::min<int>(2, static_cast<int>(expected.size())));
                for (EdgeSet loop : EdgeSets(two)) EXPECT_TRUE(expected.count(loop));
            }
        }
    }
}

TEST(SolutionCounterTest, HandMadePuzzles) {
    Counting counting;
    const struct {
        int rows;
        int cols;
        const char* clues;
        int solutions;
    } puzzles[] = {
        {1, 1, " ", 1},
        {1, 1, "0", 0},
        {1, 1, "3", 0},          // a lone cell can only be boxed in
        {1, 2, "33", 1},         // both cells boxed together
        {2, 2, "2  2", 3},       // around the grid, or around three cells either way
        {2, 2, "3003", 0},       // two boxes would be two loops
        {3, 3, "   000   ", 0},  // a wall of 0s splits the grid
        {3, 3, "3 3   3 3", 2},  // the loop weaves past the four corners one way or the other
        {5, 5, " 3  0  1 2   2 121  3 01 ", 1},
    };
    for (const auto& puzzle : puzzles) {
        const CountResult result =
            counting.Count(GridWithClues(puzzle.rows, puzzle.cols, puzzle.clues), 3);
        EXPECT_EQ(result.count, puzzle.solutions) << "\"" << puzzle.clues << "\"";
        EXPECT_EQ(static_cast<int>(result.loops.size()), result.count);
        EXPECT_FALSE(result.cancelled);
    }
}

// The count is the clues' alone; the player's entries neither help nor hinder it.
TEST(SolutionCounterTest, CountsFromTheCluesAndShowsTheLoopAsBars) {
    Counting counting;
    Grid grid = GridWithClues(5, 5, " 3  0  1 2   2 121  3 01 ");
    grid.SetEdge(1, 1, Side::Left, XMark);  // the loop's side
    grid.SetEdge(1, 1, Side::Bottom, Bar);  // not the loop's side
    const CountResult result = counting.Count(grid, 2);
    ASSERT_EQ(result.count, 1);
    ApplyFoundLoop(result.loops.front(), grid);
    EXPECT_EQ(test::LoopFault(grid), "");
    EXPECT_EQ(grid.CellEdge[1][1][Side::Left], Bar);
    EXPECT_EQ(grid.CellEdge[1][1][Side::Bottom], Free);
}

// The largest grid the counter takes, every clue given: the loop around a comb whose 25 teeth hang
// from the top row.
TEST(SolutionCounterTest, CountsOnTheLargestGrid) {
    const auto inside = [](int r, int c) {
        return r >= 1 && r <= kStorageDim && c >= 1 && c <= kStorageDim && (r == 1 || c % 2 == 1);
    };
    std::string clues;
    for (int r = 1; r <= kStorageDim; ++r) {
        for (int c = 1; c <= kStorageDim; ++c) {
            const int sides =
                (inside(r, c) != inside(r, c - 1)) + (inside(r, c) != inside(r - 1, c)) +
                (inside(r, c) != inside(r, c + 1)) + (inside(r, c) != inside(r + 1, c));
            clues += static_cast<char>('0' + sides);
        }
    }
    Counting counting;
    Grid grid = GridWithClues(kStorageDim, kStorageDim, clues);
    const CountResult result = counting.Count(grid, 2);
    ASSERT_EQ(result.count, 1);
    ApplyFoundLoop(result.loops.front(), grid);
    EXPECT_EQ(test::LoopFault(grid), "");
    EXPECT_EQ(grid.CellEdge[kStorageDim][kStorageDim - 1][Side::Bottom],
              Bar);  // the last tooth's tip
    EXPECT_EQ(grid.CellEdge[kStorageDim][kStorageDim][Side::Right], Free);
}

// A search that never ends by itself: every loop of a large blank grid.
TEST(SolutionCounterTest, YieldsDuringLongWorkAndStopsWhenCancelled) {
    class CancelOnThirdYield : public test::TestHost {
    public:
        explicit CancelOnThirdYield(RunState& state) : state_(state) {}
        void Yield() override {
            TestHost::Yield();
            if (yields == 3) state_.cancelRequested = true;
        }

    private:
        RunState& state_;
    };
    RunState state;
    CancelOnThirdYield host(state);
    RunContext run{host, state.cancelRequested};
    const Grid blank = GridWithClues(50, 50, std::string(2500, ' '));
    const CountResult result = CountSolutions(blank, kEveryLoop, run);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(host.yields, 3);
    EXPECT_EQ(static_cast<int>(result.loops.size()), result.count);
}

}  // namespace
}  // namespace ringlace
