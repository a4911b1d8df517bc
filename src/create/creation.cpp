#include "create/creation.h"

#include <vector>

#include "create/clue_rules.h"
#include "create/loop_growth.h"
#include "solver/link_ambiguities.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"

namespace ringlace {

std::string LevelCode(int level) {
    return level == kHard ? "HA" : level == kMedium ? "ME" : "EA";
}

std::string LevelName(int level) {
    return level == kHard ? "Hard" : level == kMedium ? "Medium" : "Easy";
}

void BeginCreation(CreateContext& ctx, int rows, int cols) {
    ctx.run.host.Status(ctx.options.jumbo ? "Creating Jumbo 50x50 puzzle ..." : "Creating grid ...");
    SetCreateSize(ctx.grid, rows, cols);
    if (!ctx.options.jumbo) ResetGridForCreate(ctx.grid);
}

bool GrowCoveringLoop(CreateContext& ctx) {
    ResetGridForCreate(ctx.grid);
    SeedSquare(ctx.grid);
    GrowLoop(ctx.grid, ctx.random, ctx.run.host);
    ++ctx.attempts;
    return CoverageTest(ctx.grid);
}

void StoreTrueClues(Grid& grid) {
    for (int k = 1; k <= grid.NumCells; ++k)
        grid.OrigClue[k] = TrueClue(grid, grid.CellRow[k], grid.CellCol[k]);
}

void ShowShare(CreateContext& ctx, int percent) {
    ctx.run.host.Status(NumText(percent) + "%");
}

// The solver starts from the edges and colours a loaded puzzle has, so that what it finds here is
// what it finds for the saved puzzle.
int SolveAsChecker(CreateContext& ctx) {
    if (ctx.run.Cancelled()) return kSolveCancelled;
    ctx.grid.ResetGrid();
    ctx.grid.ResetColours();
    RunContext silent(ctx.run.host, ctx.run.cancelRequested, true);
    return SolvePuzzle(ctx.grid, silent, true);
}

namespace {

// Whether the clues admit exactly one loop: 0 yes, 1 no (none or several), -99 cancelled.
int HasOneSolution(CreateContext& ctx) {
    const CountResult counted = CountSolutions(ctx.grid, 2, ctx.run);
    if (counted.cancelled) return kSolveCancelled;
    return counted.count == 1 ? kSolved : kSolveStuck;
}

// The solver, run on the clues as they are, finds exactly the loop given; with solvedAsIs the
// grid already holds what it found for exactly these clues. 0 yes, -99 cancelled, 1 no.
int SolvesToLoop(CreateContext& ctx, const std::string& loop, bool solvedAsIs) {
    if (!solvedAsIs) {
        const int result = SolveAsChecker(ctx);
        if (result == kSolveCancelled) return result;
        if (result != kSolved) return kSolveStuck;
    }
    return LoopSignature(ctx.grid) == loop ? kSolved : kSolveStuck;
}

// Blank cells whose true count the loop does not match: a clue on any of them rules the
// loop out.
std::vector<int> CellsTellingApart(const Grid& grid, const FoundLoop& loop) {
    std::vector<int> cells;
    for (int k = 1; k <= grid.NumCells; ++k) {
        if (grid.Clue[k] != kNoClue) continue;
        int sides = 0;
        for (int side = L; side <= B; ++side)
            sides += loop.IsBar(grid.CellRow[k], grid.CellCol[k], side) ? 1 : 0;
        if (sides != TrueClue(grid, grid.CellRow[k], grid.CellCol[k])) cells.push_back(k);
    }
    return cells;
}

}  // namespace

int RevealUntilUnique(CreateContext& ctx) {
    Grid& grid = ctx.grid;
    for (;;) {
        const CountResult counted = CountSolutions(grid, 2, ctx.run);
        if (counted.cancelled) return kSolveCancelled;
        if (counted.count == 1) return kSolved;
        // At least one of the two loops found is not the grid's; a clue it breaks rules it out.
        std::vector<int> cells;
        for (const FoundLoop& other : counted.loops)
            if (cells.empty()) cells = CellsTellingApart(grid, other);
        if (cells.empty()) return kSolveStuck;
        const auto pick = ctx.random.Below(static_cast<int>(cells.size()));
        const int k = cells[static_cast<std::size_t>(pick)];
        RevealTrueClue(grid, grid.CellRow[k], grid.CellCol[k]);
    }
}

// The solver finding the loop is not enough: its complete search stops at the first loop it
// finds, so clues that admit a second loop would pass. The count decides, and goes first: it
// finds a second loop far sooner than a solve takes.
int AcceptPuzzle(CreateContext& ctx, const std::string& loop, bool solvedAsIs) {
    const int unique = HasOneSolution(ctx);
    return unique == kSolved ? SolvesToLoop(ctx, loop, solvedAsIs) : unique;
}

int SettleOnSolvedLoop(CreateContext& ctx, Settling settling) {
    const int result = SolveAsChecker(ctx);
    if (result == kSolveCancelled) return result;
    if (result != kSolved) return kSolveStuck;
    const std::string loop = LoopSignature(ctx.grid);
    if (settling == Settling::KeepClues) return AcceptPuzzle(ctx, loop, true);
    const auto solvedClues = ctx.grid.Clue;
    std::vector<int> found;
    FindLinkAmbiguities(ctx.grid, AmbiguityMode::WriteClues, found);
    if (settling == Settling::OneLoop) {
        // Clues placed by rules nearly always leave room for another loop somewhere; throwing
        // every such puzzle away would grow thousands of loops for one puzzle.
        const int unique = RevealUntilUnique(ctx);
        if (unique != kSolved) return unique;
    }
    return SolvesToLoop(ctx, loop, ctx.grid.Clue == solvedClues);
}

}  // namespace ringlace
