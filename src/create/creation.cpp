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
    ctx.run.host.Status(ctx.options.jumbo ? "Creating Jumbo 50x50 puzzle ..."
                                          : "Creating grid ...");
    SetCreateSize(ctx.grid, rows, cols);
    if (!ctx.options.jumbo) ResetGridForCreate(ctx.grid);
}

bool GrowCoveringLoop(CreateContext& ctx) {
    ResetGridForCreate(ctx.grid);
    SeedSquare(ctx.grid);
    GrowLoop(ctx.grid, ctx.random, ctx.run);
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
SolveOutcome CheckerSolve(CreateContext& ctx, int lastStage) {
    if (ctx.run.Cancelled()) return {SolveResult::Cancelled, 0};
    ctx.grid.ResetGrid();
    ctx.grid.ResetColours();
    RunContext silent(ctx.run.host, ctx.run.cancelRequested, true);
    return SolveThroughStage(ctx.grid, silent, lastStage);
}

SolveResult SolveAsChecker(CreateContext& ctx) {
    return CheckerSolve(ctx, kChainStage).result;
}

namespace {

// Whether the clues admit exactly one loop (rejected for none or several).
Verdict HasOneSolution(CreateContext& ctx) {
    const CountResult counted = CountSolutions(ctx.grid, 2, ctx.run);
    if (counted.cancelled) return Verdict::Cancelled;
    return counted.count == 1 ? Verdict::Accepted : Verdict::Rejected;
}

// The solver, run on the clues as they are, finds exactly the loop given; with solvedAsIs the
// grid already holds what it found for exactly these clues.
Verdict SolvesToLoop(CreateContext& ctx, const std::string& loop, bool solvedAsIs) {
    if (!solvedAsIs) {
        const SolveResult result = SolveAsChecker(ctx);
        if (result == SolveResult::Cancelled) return Verdict::Cancelled;
        if (result != SolveResult::Solved) return Verdict::Rejected;
    }
    return LoopSignature(ctx.grid) == loop ? Verdict::Accepted : Verdict::Rejected;
}

// Blank cells whose true count the loop does not match: a clue on any of them rules the
// loop out.
std::vector<int> CellsTellingApart(const Grid& grid, const FoundLoop& loop) {
    std::vector<int> cells;
    for (int k = 1; k <= grid.NumCells; ++k) {
        if (grid.Clue[k] != kNoClue) continue;
        int sides = 0;
        for (const Side side : kSides)
            sides += loop.IsBar(grid.CellRow[k], grid.CellCol[k], side) ? 1 : 0;
        if (sides != TrueClue(grid, grid.CellRow[k], grid.CellCol[k])) cells.push_back(k);
    }
    return cells;
}

}  // namespace

Verdict RevealUntilUnique(CreateContext& ctx) {
    Grid& grid = ctx.grid;
    for (;;) {
        const CountResult counted = CountSolutions(grid, 2, ctx.run);
        if (counted.cancelled) return Verdict::Cancelled;
        if (counted.count == 1) return Verdict::Accepted;
        // At least one of the two loops found is not the grid's; a clue it breaks rules it out.
        std::vector<int> cells;
        for (const FoundLoop& other : counted.loops)
            if (cells.empty()) cells = CellsTellingApart(grid, other);
        if (cells.empty()) return Verdict::Rejected;
        const auto pick = ctx.random.Below(static_cast<int>(cells.size()));
        const int k = cells[static_cast<std::size_t>(pick)];
        RevealTrueClue(grid, grid.CellRow[k], grid.CellCol[k]);
    }
}

// The solver finding the loop is not enough: its complete search stops at the first loop it
// finds, so clues that admit a second loop would pass. The count decides, and goes first: it
// finds a second loop far sooner than a solve takes.
Verdict AcceptPuzzle(CreateContext& ctx, const std::string& loop, bool solvedAsIs) {
    const Verdict unique = HasOneSolution(ctx);
    return unique == Verdict::Accepted ? SolvesToLoop(ctx, loop, solvedAsIs) : unique;
}

Verdict AcceptPatternClues(CreateContext& ctx) {
    return AcceptPuzzle(ctx, LoopSignature(ctx.grid), false);
}

Verdict SettleOnSolvedLoop(CreateContext& ctx, Settling settling) {
    const SolveResult result = SolveAsChecker(ctx);
    if (result == SolveResult::Cancelled) return Verdict::Cancelled;
    if (result != SolveResult::Solved) return Verdict::Rejected;
    const std::string loop = LoopSignature(ctx.grid);
    const auto solvedClues = ctx.grid.Clue;
    std::vector<int> found;
    FindLinkAmbiguities(ctx.grid, AmbiguityMode::WriteClues, found);
    if (settling == Settling::OneLoop) {
        // Clues placed by rules nearly always leave room for another loop somewhere; throwing
        // every such puzzle away would grow thousands of loops for one puzzle.
        const Verdict unique = RevealUntilUnique(ctx);
        if (unique != Verdict::Accepted) return unique;
    }
    return SolvesToLoop(ctx, loop, ctx.grid.Clue == solvedClues);
}

}  // namespace ringlace
