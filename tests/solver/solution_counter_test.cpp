// The loop counter against what it is compared with, written without any of its code: every loop
// of a tiny grid found by brute force, a loop around the largest grid, and corpus puzzles altered
// to have several solutions or none, whose counts an independent SAT counter made (see
// tests/data/make_altered_puzzles.py). The corpus puzzles themselves are counted in the solve
// golden test.
#include "solver/solution_counter.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "play/solution_view.h"
#include "support/creation.h"
#include "support/grid_builder.h"
#include "support/loop_picture.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

constexpr int kEveryLoop = INT_MAX;

using test::CountLoops;
using test::GridFromClues;

// A loop by the cells it encloses, one bit a cell in reading order: on a grid a loop and the cells
// inside it determine each other.
using Inside = std::uint32_t;

// The cells inside the loop that the grid's Bars draw.
Inside InsideOf(Grid& grid) {
    ColourBySideOfLoop(grid);
    Inside inside = 0;
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.CellColour[grid.CellRow[k]][grid.CellCol[k]] == Yellow)
            inside |= Inside{1} << (k - 1);
    return inside;
}

// Every loop of a grid of the size, found by brute force: each set of cells whose border is one
// loop, with the clues the loop gives its cells (" " for a cell boxed in on all four sides).
std::map<Inside, std::string> AllLoops(int rows, int cols) {
    const Grid blank = GridFromClues(rows, cols, "");
    std::map<Inside, std::string> loops;
    for (Inside inside = 1; inside >> blank.NumCells == 0; ++inside) {
        const auto in = [&](int r, int c) {
            return blank.IsRealCell(r, c) && (inside >> (blank.CellNum[r][c] - 1) & 1) != 0;
        };
        Grid grid = blank;
        for (int k = 1; k <= grid.NumCells; ++k)
            for (const Side side : kSides)
                if (in(grid.CellRow[k], grid.CellCol[k]) &&
                    !in(grid.CellRow[k] + RowStep(side), grid.CellCol[k] + ColStep(side)))
                    grid.SetEdge(grid.CellRow[k], grid.CellCol[k], side, Bar);
        if (!test::IsSingleLoop(grid)) continue;
        std::string clues;
        for (int k = 1; k <= grid.NumCells; ++k) {
            const int bars = grid.CountBars(grid.CellRow[k], grid.CellCol[k]);
            clues += bars < 4 ? static_cast<char>('0' + bars) : ' ';
        }
        loops.emplace(inside, clues);
    }
    return loops;
}

// The loops the counter found, each checked to be one loop that matches the clues.
std::set<Inside> Found(const Grid& clued, const CountResult& result) {
    std::set<Inside> found;
    Grid grid = clued;
    for (const FoundLoop& loop : result.loops) {
        ApplyFoundLoop(loop, grid);
        EXPECT_TRUE(test::IsSingleLoop(grid) && test::CluesMatchLoop(grid));
        found.insert(InsideOf(grid));
    }
    return found;
}

// How the count is made: by the counter's own search, by the clause solver from the start, and by
// the clause solver going on from a few loops the search found.
constexpr std::uint64_t kCountWays[] = {kSearchBeforeClauses, 0, 3};

// Clue patterns on every shape up to 3 x 4: the blank grid, then mostly the clues of a real loop
// with some removed, sometimes one of them changed, sometimes clues at random. The counter must
// find exactly the loops that brute force finds, and stop at the limit, whichever way it counts.
TEST(SolutionCounterTest, AgreesWithBruteForceOnTinyGrids) {
    for (const std::uint64_t way : kCountWays) {
        SCOPED_TRACE(way);
        std::mt19937 random(2024);
        for (int rows = 1; rows <= 4; ++rows) {
            for (int cols = 1; cols <= 4; ++cols) {
                if (rows * cols > 12) continue;
                const std::map<Inside, std::string> loops = AllLoops(rows, cols);
                for (int pattern = 0; pattern < 40; ++pattern) {
                    std::string clues =
                        std::next(loops.begin(), static_cast<long>(random() % loops.size()))
                            ->second;
                    const double keep =
                        pattern == 0 ? 0 : std::uniform_real_distribution<>(0.2, 1.0)(random);
                    for (char& clue : clues)
                        if (std::uniform_real_distribution<>()(random) >= keep) clue = ' ';
                    if (pattern % 5 == 1)
                        clues[random() % clues.size()] = static_cast<char>('0' + random() % 4);
                    if (pattern % 10 == 9)
                        for (char& clue : clues) clue = " 0123"[random() % 5];

                    std::set<Inside> expected;
                    for (const auto& [inside, shown] : loops) {
                        bool fits = true;
                        for (std::size_t k = 0; k < clues.size(); ++k)
                            fits = fits && (clues[k] == ' ' || clues[k] == shown[k]);
                        if (fits) expected.insert(inside);
                    }
                    const Grid grid = GridFromClues(rows, cols, clues);
                    const CountResult all = CountLoops(grid, kEveryLoop, way);
                    EXPECT_EQ(Found(grid, all), expected)
                        << rows << " x " << cols << " \"" << clues << "\"";
                    EXPECT_EQ(all.count, static_cast<int>(expected.size()));

                    const CountResult two = CountLoops(grid, 2, way);
                    EXPECT_EQ(two.count, std::min<int>(2, static_cast<int>(expected.size())));
                    for (Inside loop : Found(grid, two)) EXPECT_TRUE(expected.count(loop));
                }
            }
        }
    }
}

// The count is the clues' alone; the player's entries neither help nor hinder it.
TEST(SolutionCounterTest, CountsFromTheCluesAndShowsTheLoopAsBars) {
    Grid grid = GridFromClues(5, 5, " 3  0  1 2   2 121  3 01 ");
    grid.SetEdge(1, 1, Side::Left, XMark);  // the loop's side
    grid.SetEdge(1, 1, Side::Bottom, Bar);  // not the loop's side
    const CountResult result = CountLoops(grid, 3);
    ASSERT_EQ(result.count, 1);
    ApplyFoundLoop(result.loops.front(), grid);
    EXPECT_TRUE(test::IsSingleLoop(grid) && test::CluesMatchLoop(grid));
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
    Grid grid = GridFromClues(kStorageDim, kStorageDim, clues);
    const CountResult result = CountLoops(grid, 2);
    ASSERT_EQ(result.count, 1);
    ApplyFoundLoop(result.loops.front(), grid);
    EXPECT_TRUE(test::IsSingleLoop(grid) && test::CluesMatchLoop(grid));
}

// A search that never ends by itself: every loop of a large blank grid, by the search and by the
// clause solver.
TEST(SolutionCounterTest, YieldsDuringLongWorkAndStopsWhenCancelled) {
    for (const std::uint64_t way : {kSearchBeforeClauses, std::uint64_t{0}}) {
        test::TestRun counting;
        counting.host.onYield = [&] { counting.state.cancelRequested = counting.host.yields >= 3; };
        const CountResult result =
            CountSolutions(GridFromClues(50, 50, ""), kEveryLoop, counting.run, way);
        EXPECT_TRUE(result.cancelled) << way;
        EXPECT_EQ(counting.host.yields, 3) << way;
        EXPECT_EQ(static_cast<int>(result.loops.size()), result.count) << way;
    }
}

// Each line of the data: the SAT counter's count (0, 1, or 2 for two or more), the source puzzle,
// and the altered record (size, level code and clues; the rest is ignored). A count beyond two
// needs the search to go on after the first solutions, across restarts, and a solution found again
// after a restart must not count twice: two altered puzzles whose search restarts are counted
// exactly, as the SAT counter did with a limit of 20.
TEST(SolutionCounterCorpusTest, AlteredPuzzlesHaveTheSatCountersCount) {
    const std::map<std::string, int> exact = {{"10x25-hard.txt:4", 2}, {"25x25-tricky.txt:8", 8}};
    std::ifstream in(std::string(RINGLACE_TEST_DATA_DIR) + "/altered_puzzles.txt");
    int byCount[3] = {0, 0, 0};
    // Every puzzle is counted by the search and again by the clause solver alone.
    int exactlyCounted = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string count, source, record;
        std::getline(fields, count, '\t');
        std::getline(fields, source, '\t');
        std::getline(fields, record);
        Grid grid = GridFromClues(std::stoi(record.substr(0, 2)), std::stoi(record.substr(2, 2)),
                                  record.substr(6));
        const auto known = exact.find(source);
        const int expected = known == exact.end() ? std::stoi(count) : known->second;
        for (const std::uint64_t way : {kSearchBeforeClauses, std::uint64_t{0}}) {
            const CountResult result = CountLoops(grid, known == exact.end() ? 2 : 20, way);
            EXPECT_EQ(result.count, expected) << source << " " << way;
            std::set<std::vector<std::uint8_t>> distinct;
            for (const FoundLoop& loop : result.loops) {
                ApplyFoundLoop(loop, grid);
                EXPECT_TRUE(test::IsSingleLoop(grid) && test::CluesMatchLoop(grid)) << source;
                distinct.insert(loop.barSides);
            }
            EXPECT_EQ(static_cast<int>(distinct.size()), expected) << source << " " << way;
        }
        ++byCount[std::stoi(count)];
        exactlyCounted += known != exact.end();
    }
    // The data covers every outcome.
    EXPECT_GT(byCount[0], 0);
    EXPECT_GT(byCount[1], 0);
    EXPECT_GT(byCount[2], 100);
    EXPECT_EQ(exactlyCounted, 2);
}

}  // namespace
}  // namespace ringlace
