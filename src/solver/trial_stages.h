// The trial stages of the solver: one tentative decision at a time, propagated by the colour
// engine and checked by the verification; a decision that leads to a contradiction is replaced by
// its opposite for good, one that finishes the puzzle is kept.
#pragma once

#include <cstdint>

#include "model/grid.h"
#include "seams/run_context.h"

namespace ringlace {

inline constexpr int kSolveFinished = 99;
inline constexpr int kSolveCancelled = -99;
inline constexpr int kSolveStuck = 1;

// Each open cell tried in the colour; 99 finished, -99 cancelled, 1 contradiction, 0 otherwise.
int SingleColourTrials(Grid& grid, RunContext& run, std::int32_t colour);
// Each cell that needs one more bar among exactly two free sides, each side in turn.
int TwoBarTrials(Grid& grid, RunContext& run);
// Each open cell both ways; cells coloured alike both times are fixed. Returns how many were.
int CommonColourTrials(Grid& grid, RunContext& run);

}  // namespace ringlace
