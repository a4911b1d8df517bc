// What a creator runs on in the tests: a test host, a cancel flag, a seeded random source and the
// grid the puzzle is made in; and the exact count of a grid's solutions.
#pragma once

#include <cstdint>

#include "create/creation.h"
#include "solver/solution_counter.h"
#include "support/test_host.h"

namespace ringlace::test {

struct Creation {
    explicit Creation(std::uint64_t seed) : random(seed) {}

    TestHost host;
    RunState state;
    RunContext run{host, state.cancelRequested, true};
    RandomSource random;
    Grid grid;
    CreateContext ctx{grid, run, random};
};

// The loops the clues admit: 0, 1, or 2 for two or more.
inline int Solutions(const Grid& grid) {
    TestHost host;
    const bool cancelRequested = false;
    RunContext run(host, cancelRequested);
    return CountSolutions(grid, 2, run).count;
}

}  // namespace ringlace::test
