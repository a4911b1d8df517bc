#include "solver/trial_stages.h"

#include <string>

#include "solver/checks.h"
#include "solver/colour_engine.h"
#include "solver/colouring.h"
#include "solver/verification.h"

namespace ringlace {

namespace {

// A state to come back to after a trial: the grid's and the engine's.
struct TrialPoint {
    GridSnapshot grid;
    EngineMarks marks;
};

TrialPoint Save(const Grid& grid) {
    return {SaveGridState(grid), SaveEngineMarks(grid)};
}

void Restore(Grid& grid, const TrialPoint& point) {
    RestoreGridState(grid, point.grid);
    RestoreEngineMarks(grid, point.marks);
}

Verification Propagate(Grid& grid) {
    ColourEngine(grid);
    return VerifyPuzzle(grid);
}

// Tells the watch, if any; true when it asks the stage to stop.
bool Tell(TrialWatch* watch, const Grid& grid, const TrialDecision& decision) {
    return watch != nullptr && watch->Decided(grid, decision);
}

// Free sides of the cell, the last first (right before left).
std::vector<Side> FreeSidesLastFirst(const Grid& grid, int r, int c) {
    std::vector<Side> sides;
    for (const Side side : kSides)
        if (grid.CellEdge[r][c][side] == Free) sides.insert(sides.begin(), side);
    return sides;
}

bool NeedsOneOfTwo(const Grid& grid, int r, int c) {
    if (CountFreeSides(grid, r, c) != 2) return false;
    const int clue = grid.Clue[grid.CellNum[r][c]];
    const int bars = grid.CountBars(r, c);
    return (bars == 2 && clue == 3) || (bars == 1 && clue == 2) || (bars == 0 && clue == 1);
}

}  // namespace

StageResult SingleColourTrials(Grid& grid, RunContext& run, std::int32_t colour,
                               TrialWatch* watch) {
    const std::int32_t other = colour == Yellow ? Pink : Yellow;
    if (run.Yield()) return StageResult::Cancelled;
    // A trial that decides nothing leaves the grid as it was: the state saved serves until one
    // does.
    TrialPoint snapshot = Save(grid);
    for (const TrialCell& cell : ColourTrialList(grid, 1)) {
        if (run.Yield()) return StageResult::Cancelled;
        if (grid.CellColour[cell.row][cell.col] != 0) continue;
        SetCellColour(grid, cell.row, cell.col, colour);
        const Verification tried = Propagate(grid);
        if (tried.result == VerifyResult::Done) {
            Tell(watch, grid, {cell.row, cell.col, colour, std::nullopt, {}, true});
            return StageResult::Finished;
        }
        Restore(grid, snapshot);
        if (tried.result == VerifyResult::Open) continue;
        // The opposite colour is then certain. A grid it completes must pass the whole
        // verification to count as finished: every cell coloured with no dot left open is not
        // enough, since a clue may still be short of bars.
        SetCellColour(grid, cell.row, cell.col, other);
        const VerifyResult certain = Propagate(grid).result;
        if (certain == VerifyResult::Broken) return StageResult::Contradiction;
        const bool stop =
            Tell(watch, grid, {cell.row, cell.col, colour, std::nullopt, tried.problem});
        if (certain == VerifyResult::Done) return StageResult::Finished;
        if (stop) return StageResult::Open;
        snapshot = Save(grid);
    }
    return StageResult::Open;
}

StageResult TwoBarTrials(Grid& grid, RunContext& run, TrialWatch* watch) {
    if (run.Yield()) return StageResult::Cancelled;
    std::vector<TrialCell> list;
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            if (NeedsOneOfTwo(grid, r, c)) list.push_back({r * 100 + c, r, c});
    TrialPoint snapshot = Save(grid);
    for (const TrialCell& cell : list) {
        if (run.Yield()) return StageResult::Cancelled;
        const std::vector<Side> sides = FreeSidesLastFirst(grid, cell.row, cell.col);
        if (sides.size() != 2) continue;
        for (int turn = 0; turn < 2; ++turn) {
            const Side tried = sides[static_cast<std::size_t>(turn)];
            const Side kept = sides[static_cast<std::size_t>(1 - turn)];
            grid.SetEdge(cell.row, cell.col, tried, Bar);
            const Verification result = Propagate(grid);
            if (result.result == VerifyResult::Done) {
                Tell(watch, grid, {cell.row, cell.col, 0, tried, {}, true});
                return StageResult::Finished;
            }
            Restore(grid, snapshot);
            if (result.result == VerifyResult::Broken) {
                grid.SetEdge(cell.row, cell.col, kept, Bar);
                snapshot = Save(grid);
                if (Tell(watch, grid, {cell.row, cell.col, 0, tried, result.problem}))
                    return StageResult::Open;
            }
        }
    }
    return StageResult::Open;
}

// One snapshot serves the whole stage: each entry's trials go back to it, so a colour fixed for
// one entry lasts only until a later entry restores the grid. The colour signature of the grid
// between trials is kept up to date as it changes, not made again for every entry.
int CommonColourTrials(Grid& grid, RunContext& run, TrialWatch* watch) {
    const TrialPoint snapshot = Save(grid);
    const std::string saved = ColourSignature(grid);
    std::string current = saved;
    const auto restore = [&] {
        Restore(grid, snapshot);
        current = saved;
    };
    const auto colour = [&](int r, int c, std::int32_t value) {
        SetCellColour(grid, r, c, value);
        current[static_cast<std::size_t>((r - 1) * grid.Cols + c - 1)] =
            value == Yellow ? 'Y' : 'P';
    };
    int count = 0;
    if (run.Yield()) return count;
    for (const TrialCell& cell : ColourTrialList(grid, 1)) {
        // The window breathes between cells, but this stage does not stop on a cancel: the next
        // stage sees it.
        run.host.Yield();
        const int r = cell.row;
        const int c = cell.col;
        if (grid.CellColour[r][c] != 0) continue;
        if (ColourConflicts(grid, r, c, Yellow) == 1) continue;
        const std::string before = current;
        SetCellColour(grid, r, c, Yellow);
        Verification result = Propagate(grid);
        if (result.result == VerifyResult::Done) {
            Tell(watch, grid, {r, c, Yellow, std::nullopt, {}, true});
            return count;
        }
        if (result.result == VerifyResult::Broken) {
            restore();
            colour(r, c, Pink);
            if (Tell(watch, grid, {r, c, Yellow, std::nullopt, result.problem})) return count;
            continue;
        }
        const std::string yellowSig = ColourSignature(grid);
        restore();
        if (yellowSig == before) continue;
        if (ColourConflicts(grid, r, c, Pink) == 1) continue;
        SetCellColour(grid, r, c, Pink);
        result = Propagate(grid);
        if (result.result == VerifyResult::Done) {
            Tell(watch, grid, {r, c, Pink, std::nullopt, {}, true});
            return count;
        }
        if (result.result == VerifyResult::Broken) {
            restore();
            colour(r, c, Yellow);
            if (Tell(watch, grid, {r, c, Pink, std::nullopt, result.problem})) return count;
            continue;
        }
        const std::string pinkSig = ColourSignature(grid);
        restore();
        if (pinkSig == before) continue;
        for (std::size_t k = 0; k < yellowSig.size(); ++k) {
            if (yellowSig[k] != pinkSig[k] || before[k] != '0' || yellowSig[k] == '0') continue;
            ++count;
            const int cellNumber = static_cast<int>(k) + 1;
            const int sameRow = grid.CellRow[cellNumber];
            const int sameCol = grid.CellCol[cellNumber];
            colour(sameRow, sameCol, yellowSig[k] == 'Y' ? Yellow : Pink);
            if (Tell(watch, grid, {r, c, 0, std::nullopt, {}, false, sameRow, sameCol}))
                return count;
        }
    }
    return count;
}

}  // namespace ringlace
