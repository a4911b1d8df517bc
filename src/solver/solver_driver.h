// The solver: the stages from cheap to expensive (one ordered table in solver_driver.cpp), each run
// at most once, ending with a complete depth-first search when the cheaper stages leave cells
// open.
#pragma once

#include "model/grid.h"
#include "seams/run_context.h"
#include "solver/rule_watch.h"
#include "solver/trial_stages.h"

namespace ringlace {

enum class SolveResult { Solved, NoClues, Unable, Cancelled };

// The stages by number, from 1 (direct lines) to 7 (the complete search). The number of the stage
// that finishes a puzzle is its grade: how deep the reasoning it needs goes.
inline constexpr int kSingleColourPinkStage = 4;
inline constexpr int kCommonColourStage = 6;
inline constexpr int kChainStage = 7;

struct SolveOutcome {
    SolveResult result = SolveResult::Unable;
    int stage = 0;  // the stage that finished (Solved), or the last one that ran
};

// Solved: the grid holds the loop as Bars, every other edge Free, the solve's colours still in
// place. The caller runs ResetColours first. The solver gives up after stage lastStage.
SolveOutcome SolveThroughStage(Grid& grid, RunContext& run, int lastStage);

// The grade of the puzzle in grid: the number of the stage that finishes it, solved silently from
// its clues alone on a copy; 0 when no stage finishes it or the run is cancelled.
int PuzzleGrade(const Grid& grid, RunContext& run);

// What a caller may hear of one stage as it runs: the local rules' writes (direct lines and
// colour parities) and the trials' decisions (the four trial stages). Either may be nullptr.
struct StageWatch {
    RuleWatch* rules = nullptr;
    TrialWatch* trials = nullptr;
};

// Runs stage `number` (1 to kChainStage) alone on the grid as it stands, as the solve runs it
// after the stages before it.
StageResult RunStage(int number, Grid& grid, RunContext& run, const StageWatch& watch = {});

// The stage's name in a few words: "Direct lines", "Colour parities", ..., "Chain inspection".
const char* StageName(int number);

// With allowChains false the solver gives up after the common-colour stage.
SolveResult SolvePuzzle(Grid& grid, RunContext& run, bool allowChains);

// The complete search: the most constrained open cell is tried Yellow, then Pink, one level per
// decision, backing up on every contradiction. Contradiction when every branch is exhausted.
StageResult ChainSearch(Grid& grid, RunContext& run);

// The progress bar from the share of the clue sum the bars have reached.
void ShowProgress(const Grid& grid, RunContext& run);

}  // namespace ringlace
