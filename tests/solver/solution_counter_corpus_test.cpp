// The counter on real puzzles: every puzzle of the development corpus, and corpus puzzles altered
// to have several solutions or none, whose counts an independent SAT counter made (see
// tests/data/make_altered_puzzles.py).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text_file.h"
#include "solver/loop_checks.h"
#include "solver/solution_counter.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

struct Counting {
    test::TestHost host;
    const bool cancelRequested = false;
    RunContext run{host, cancelRequested};
    PuzzlePlace place;
};

TEST(SolutionCounterCorpusTest, EveryCorpusPuzzleHasItsStoredSolutionOnly) {
    const std::filesystem::path corpus = RINGLACE_CORPUS_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << "no corpus at " << corpus;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(corpus))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    ASSERT_FALSE(files.empty());
    Counting counting;
    int puzzles = 0;
    for (const auto& file : files) {
        counting.place.count = CountLines(file.string());
        for (int n = 1; n <= counting.place.count; ++n) {
            Grid grid;
            ASSERT_TRUE(LoadPuzzle(grid, counting.place, file.string(), n)) << file << ":" << n;
            const CountResult result = CountSolutions(grid, 2, counting.run);
            ASSERT_EQ(result.count, 1) << file << ":" << n;
            const std::string stored = grid.SolutionCode;
            ApplyFoundLoop(result.loops.front(), grid);
            EXPECT_EQ(SolutionLetters(grid), stored) << file << ":" << n;
            ++puzzles;
        }
    }
    EXPECT_GE(puzzles, 300);
}

struct AlteredPuzzle {
    int count;
    std::string source;
    std::string record;
};

std::vector<AlteredPuzzle> ReadAlteredPuzzles() {
    std::ifstream in(std::string(RINGLACE_TEST_DATA_DIR) + "/altered_puzzles.txt");
    std::vector<AlteredPuzzle> puzzles;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        AlteredPuzzle puzzle;
        std::string count;
        std::getline(fields, count, '\t');
        std::getline(fields, puzzle.source, '\t');
        std::getline(fields, puzzle.record);
        puzzle.count = std::stoi(count);
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

TEST(SolutionCounterCorpusTest, AlteredPuzzlesHaveTheSatCountersCount) {
    const std::vector<AlteredPuzzle> puzzles = ReadAlteredPuzzles();
    ASSERT_GE(puzzles.size(), 300u);
    Counting counting;
    int byCount[3] = {0, 0, 0};
    for (const AlteredPuzzle& puzzle : puzzles) {
        Grid grid = test::GridOfRecord(puzzle.record);
        const CountResult result = CountSolutions(grid, 2, counting.run);
        EXPECT_EQ(result.count, puzzle.count) << puzzle.source;
        for (const FoundLoop& loop : result.loops) {
            ApplyFoundLoop(loop, grid);
            EXPECT_EQ(test::LoopFault(grid), "") << puzzle.source;
        }
        if (result.loops.size() == 2) {
            EXPECT_NE(result.loops[0].barSides, result.loops[1].barSides) << puzzle.source;
        }
        ++byCount[puzzle.count];
    }
    // The data covers every outcome.
    EXPECT_GT(byCount[0], 0);
    EXPECT_GT(byCount[1], 0);
    EXPECT_GT(byCount[2], 0);
}

// A count beyond two needs the search to go on after the first solutions, across restarts; a
// solution found again after a restart must not count twice. Exact counts of two altered puzzles
// whose search restarts, from the SAT counter run with a limit of 20.
TEST(SolutionCounterCorpusTest, CountsBeyondTwoExactly) {
    const std::map<std::string, int> exact = {{"10x25-hard.txt:4", 2}, {"25x25-tricky.txt:8", 8}};
    Counting counting;
    int checked = 0;
    for (const AlteredPuzzle& puzzle : ReadAlteredPuzzles()) {
        const auto known = exact.find(puzzle.source);
        if (known == exact.end()) continue;
        const CountResult result =
            CountSolutions(test::GridOfRecord(puzzle.record), 20, counting.run);
        EXPECT_EQ(result.count, known->second) << puzzle.source;
        std::set<std::vector<std::uint8_t>> distinct;
        for (const FoundLoop& loop : result.loops) distinct.insert(loop.barSides);
        EXPECT_EQ(static_cast<int>(distinct.size()), known->second) << puzzle.source;
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}

}  // namespace
}  // namespace ringlace
