#include "solver/solver_driver.h"

#include <iterator>
#include <memory>

#include "solver/colour_engine.h"
#include "solver/trial_stages.h"
#include "solver/verification.h"

namespace ringlace {

namespace {

// Only the loop's Bars remain; every X goes back to Free.
void ClearCrosses(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (const Side side : kSides)
                if (grid.CellEdge[r][c][side] == XMark) grid.SetEdge(r, c, side, Free);
}

// A stage that verifies what the colour engine made of the grid: finished, broken or still open.
StageResult Verified(const Grid& grid) {
    switch (VerifyPuzzle(grid).result) {
        case VerifyResult::Done:
            return StageResult::Finished;
        case VerifyResult::Broken:
            return StageResult::Contradiction;
        case VerifyResult::Open:
            break;
    }
    return StageResult::Open;
}

StageResult DirectLinesStage(Grid& grid, RunContext&, const StageWatch& watch) {
    EngineDirectLines(grid, watch.rules);
    // A contradiction here is found again, and reported, by the colour stage that follows.
    return Verified(grid) == StageResult::Finished ? StageResult::Finished : StageResult::Open;
}

StageResult ColourParityStage(Grid& grid, RunContext&, const StageWatch& watch) {
    grid.ResetColours();
    ColourEngine(grid, watch.rules);
    return Verified(grid);
}

StageResult CommonColourStage(Grid& grid, RunContext& run, const StageWatch& watch) {
    CommonColourTrials(grid, run, watch.trials);
    // The colours the stage fixed are turned into edges before the finished check: a grid
    // coloured throughout but not yet barred to match would read as a broken loop.
    ColourEngine(grid);
    return Verified(grid);
}

StageResult ChainStage(Grid& grid, RunContext& run, const StageWatch&) {
    return ChainSearch(grid, run);
}

struct SolverStage {
    const char* name;    // what a hint calls the stage
    const char* text;    // announced in the status line as the stage starts
    bool showsProgress;  // the progress bar is brought up to date before it
    StageResult (*run)(Grid&, RunContext&, const StageWatch&);
};

// The stages from cheap to expensive, each run at most once.
constexpr SolverStage kStages[] = {
    {"Direct lines", "Solving direct lines ...", false, DirectLinesStage},
    {"Colour parities", "Solving colour parities ...", true, ColourParityStage},
    {"Single Y", "Solving single Y ...", true,
     [](Grid& grid, RunContext& run, const StageWatch& watch) {
         return SingleColourTrials(grid, run, Yellow, watch.trials);
     }},
    {"Single P", "Solving single P ...", true,
     [](Grid& grid, RunContext& run, const StageWatch& watch) {
         return SingleColourTrials(grid, run, Pink, watch.trials);
     }},
    {"2 bar cells", "Solving 2 bar cells ...", true,
     [](Grid& grid, RunContext& run, const StageWatch& watch) {
         return TwoBarTrials(grid, run, watch.trials);
     }},
    {"Common YP", "Solving common YP ...", true, CommonColourStage},
    {"Chain inspection", "Solving by chain inspection ...", false, ChainStage},
};
static_assert(std::size(kStages) == kChainStage && kStages[kChainStage - 1].run == ChainStage);
static_assert(kStages[kCommonColourStage - 1].run == CommonColourStage);

}  // namespace

void ShowProgress(const Grid& grid, RunContext& run) {
    if (grid.ClueSum < 1) return;
    int bars = 0;
    for (int r = 0; r <= grid.Rows + 1; ++r)
        for (int c = 0; c <= grid.Cols + 1; ++c)
            bars +=
                (grid.CellEdge[r][c][Side::Left] == Bar) + (grid.CellEdge[r][c][Side::Top] == Bar);
    run.host.Progress(bars * 85 / grid.ClueSum);
}

SolveOutcome SolveThroughStage(Grid& grid, RunContext& run, int lastStage) {
    int sum = 0;
    for (int k = 1; k <= grid.NumCells; ++k) {
        sum += grid.ClueNumber(k);
        grid.OrigClue[k] = grid.Clue[k];
    }
    if (sum == 0) return {SolveResult::NoClues, 0};
    grid.ClueSum = sum;
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (const Side side : kSides) grid.SetEdge(r, c, side, Free);

    int number = 0;
    for (const SolverStage& stage : kStages) {
        if (number == lastStage) break;
        ++number;
        if (stage.showsProgress) ShowProgress(grid, run);
        run.Stage(stage.text);
        switch (stage.run(grid, run, {})) {
            case StageResult::Finished:
                ClearCrosses(grid);
                return {SolveResult::Solved, number};
            case StageResult::Contradiction:
                return {SolveResult::Unable, number};
            case StageResult::Cancelled:
                return {SolveResult::Cancelled, number};
            case StageResult::Open:
                break;
        }
    }
    return {SolveResult::Unable, number};
}

int PuzzleGrade(const Grid& grid, RunContext& run) {
    const auto copy = std::make_unique<Grid>(grid);
    copy->ResetGrid();
    copy->ResetColours();
    RunContext silent(run.host, run.cancelRequested, true);
    const SolveOutcome outcome = SolveThroughStage(*copy, silent, kChainStage);
    return outcome.result == SolveResult::Solved ? outcome.stage : 0;
}

StageResult RunStage(int number, Grid& grid, RunContext& run, const StageWatch& watch) {
    return kStages[number - 1].run(grid, run, watch);
}

const char* StageName(int number) {
    return kStages[number - 1].name;
}

SolveResult SolvePuzzle(Grid& grid, RunContext& run, bool allowChains) {
    return SolveThroughStage(grid, run, allowChains ? kChainStage : kCommonColourStage).result;
}

}  // namespace ringlace
