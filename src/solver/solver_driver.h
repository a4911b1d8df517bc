// The solver: the stages from cheap to expensive, each run at most once, ending with a complete
// depth-first search when the cheaper stages leave cells open.
#pragma once

#include "model/grid.h"
#include "seams/run_context.h"

namespace ringlace {

inline constexpr int kSolved = 0;
inline constexpr int kNoClues = -1;

// 0 solved (the grid holds the loop as Bars, every other edge Free, the solve's colours still in
// place), -1 no clues, 1 unable, -99 cancelled. The caller runs ResetColours first. With
// allowChains false the solver gives up after the common-colour stage.
int SolvePuzzle(Grid& grid, RunContext& run, bool allowChains);

// The complete search: the most constrained open cell is tried Yellow, then Pink, one level per
// decision, backing up on every contradiction. 99 finished, 1 exhausted, -99 cancelled.
int ChainSearch(Grid& grid, RunContext& run);

// The progress bar from the share of the clue sum the bars have reached.
void ShowProgress(const Grid& grid, Host& host);

}  // namespace ringlace
