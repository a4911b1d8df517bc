// The trial stages of the solver: one tentative decision at a time, propagated by the colour
// engine and checked by the verification; a decision that leads to a contradiction is replaced by
// its opposite for good, one that finishes the puzzle is kept.
#pragma once

#include <cstdint>

#include "model/grid.h"
#include "seams/run_context.h"

namespace ringlace {

// How a stage of the solver ends: the loop is finished, the grid contradicts itself (no loop fits
// the clues), the work was cancelled, or cells are still open for the next stage.
enum class StageResult { Open, Finished, Contradiction, Cancelled };

// Each open cell tried in the colour.
StageResult SingleColourTrials(Grid& grid, RunContext& run, std::int32_t colour);
// Each cell that needs one more bar among exactly two free sides, each side in turn; never a
// contradiction.
StageResult TwoBarTrials(Grid& grid, RunContext& run);
// Each open cell both ways; cells coloured alike both times are fixed. Returns how many were.
int CommonColourTrials(Grid& grid, RunContext& run);

}  // namespace ringlace
