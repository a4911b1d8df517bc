#include "solver/solver_driver.h"

#include "solver/checks.h"
#include "solver/colour_engine.h"
#include "solver/direct_lines.h"
#include "solver/trial_stages.h"
#include "solver/verification.h"

namespace ringlace {

namespace {

// Only the loop's Bars remain; every X goes back to Free.
void ClearCrosses(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (int side = L; side <= B; ++side)
                if (grid.CellEdge[r][c][side] == XMark) grid.SetEdge(r, c, side, Free);
}

int Finish(Grid& grid) {
    ClearCrosses(grid);
    return kSolved;
}

}  // namespace

void ShowProgress(const Grid& grid, Host& host) {
    if (grid.ClueSum < 1) return;
    int bars = 0;
    for (int r = 0; r <= grid.Rows + 1; ++r)
        for (int c = 0; c <= grid.Cols + 1; ++c)
            bars += (grid.CellEdge[r][c][L] == Bar) + (grid.CellEdge[r][c][T] == Bar);
    host.Progress(bars * 85 / grid.ClueSum);
}

int SolvePuzzle(Grid& grid, RunContext& run, bool allowChains) {
    int sum = 0;
    for (int k = 1; k <= grid.NumCells; ++k) {
        sum += grid.ClueNumber(k);
        grid.OrigClue[k] = grid.Clue[k];
    }
    if (sum == 0) return kNoClues;
    grid.ClueSum = sum;
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (int side = L; side <= B; ++side) grid.SetEdge(r, c, side, Free);

    run.Stage("Solving direct lines ...");
    SolveDirectLines(grid);
    if (VerifyPuzzle(grid).code == kSolveFinished) return Finish(grid);

    ShowProgress(grid, run.host);
    run.Stage("Solving colour parities ...");
    grid.ResetColours();
    ColourEngine(grid);
    int result = VerifyPuzzle(grid).code;
    if (result == kSolveFinished) return Finish(grid);
    if (result == kVerifyError) return kSolveStuck;

    const struct {
        const char* text;
        int (*stage)(Grid&, RunContext&);
    } trials[] = {
        {"Solving single Y ...", [](Grid& g, RunContext& r) { return SingleColourTrials(g, r, Yellow); }},
        {"Solving single P ...", [](Grid& g, RunContext& r) { return SingleColourTrials(g, r, Pink); }},
        {"Solving 2 bar cells ...", TwoBarTrials},
    };
    for (const auto& trial : trials) {
        ShowProgress(grid, run.host);
        run.Stage(trial.text);
        result = trial.stage(grid, run);
        if (result == kSolveFinished) return Finish(grid);
        if (result != 0) return result;
    }

    ShowProgress(grid, run.host);
    run.Stage("Solving common YP ...");
    CommonColourTrials(grid, run);
    // The colours the stage fixed are turned into edges before the finished check: a grid
    // coloured throughout but not yet barred to match would read as a broken loop.
    ColourEngine(grid);
    result = VerifyPuzzle(grid).code;
    if (result == kSolveFinished) return Finish(grid);
    if (result != 0) return result;

    if (!allowChains) return kSolveStuck;
    run.Stage("Solving by chain inspection ...");
    result = ChainSearch(grid, run);
    if (result == kSolveFinished) return Finish(grid);
    return result;
}

}  // namespace ringlace
