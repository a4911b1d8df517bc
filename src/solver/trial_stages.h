// The trial stages of the solver: one tentative decision at a time, propagated by the colour
// engine and checked by the verification; a decision that leads to a contradiction is replaced by
// its opposite for good, one that finishes the puzzle is kept.
#pragma once

#include <cstdint>
#include <optional>

#include "model/grid.h"
#include "seams/run_context.h"
#include "solver/checks.h"

namespace ringlace {

// How a stage of the solver ends: the loop is finished, the grid contradicts itself (no loop fits
// the clues), the work was cancelled, or cells are still open for the next stage.
enum class StageResult { Open, Finished, Contradiction, Cancelled };

// A decision a trial stage makes for good: the cell tried (or the side, for the two bar cells),
// what was tried, and why it failed (the verification's problem); or, with finished set, the trial
// that completed the loop.
struct TrialDecision {
    int row = 0;
    int col = 0;
    std::int32_t triedColour = 0;   // the colour tried; 0 for a side, or for both colours
    std::optional<Side> triedSide;  // the side tried as a bar
    CheckResult problem;            // what the trial broke
    bool finished = false;          // the trial finished the loop: it is the solution
    int sameRow = 0, sameCol = 0;   // the common colour stage: the cell both trials coloured
};

// Hears of each decision a trial stage makes for good, the grid as that decision left it; true
// stops the stage there (it then ends Open).
class TrialWatch {
public:
    virtual ~TrialWatch() = default;
    virtual bool Decided(const Grid& grid, const TrialDecision& decision) = 0;
};

// Each open cell tried in the colour.
StageResult SingleColourTrials(Grid& grid, RunContext& run, std::int32_t colour,
                               TrialWatch* watch = nullptr);
// Each cell that needs one more bar among exactly two free sides, each side in turn; never a
// contradiction.
StageResult TwoBarTrials(Grid& grid, RunContext& run, TrialWatch* watch = nullptr);
// Each open cell both ways; cells coloured alike both times are fixed. Returns how many were.
int CommonColourTrials(Grid& grid, RunContext& run, TrialWatch* watch = nullptr);

}  // namespace ringlace
