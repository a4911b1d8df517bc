// What a creator runs on in the tests: a test run, a seeded random source and the grid the puzzle
// is made in; and the count of a grid's solutions.
#pragma once

#include <cstdint>

#include "create/creation.h"
#include "create/loop_growth.h"
#include "solver/solution_counter.h"
#include "support/test_host.h"

namespace ringlace::test {

struct Creation : TestRun {
    explicit Creation(std::uint64_t seed) : random(seed) {}

    RandomSource random;
    Grid grid;
    CreateContext ctx{grid, run, random};
};

// A grid of the size as a creation starts it: no clue, every side Free.
inline Grid CreateGrid(int rows, int cols) {
    Grid grid;
    SetCreateSize(grid, rows, cols);
    ResetGridForCreate(grid);
    return grid;
}

// The loops the clues admit, up to the limit; never cancelled.
inline CountResult CountLoops(const Grid& grid, int limit,
                              std::uint64_t searchBeforeClauses = kSearchBeforeClauses) {
    TestRun counting;
    return CountSolutions(grid, limit, counting.run, searchBeforeClauses);
}

// The loops the clues admit: 0, 1, or 2 for two or more.
inline int Solutions(const Grid& grid) {
    return CountLoops(grid, 2).count;
}

}  // namespace ringlace::test
