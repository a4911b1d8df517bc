#include "create/creation.h"

#include <vector>

#include "create/clue_rules.h"
#include "create/loop_growth.h"
#include "solver/link_ambiguities.h"
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
    ctx.run.host.Status(ctx.session().JumboFlag ? "Creating Jumbo 50x50 puzzle ..."
                                                : "Creating grid ...");
    SetCreateSize(ctx.grid, rows, cols);
    if (!ctx.session().JumboFlag) ResetGridForCreate(ctx.grid);
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
// what it finds for the saved puzzle. A solve that succeeds clears Busy and the busy pointer; the
// creation is still running, so both are set again: no other command may start until the create
// command ends.
int SolveAsChecker(CreateContext& ctx) {
    Session& session = ctx.session();
    if (session.CancelRequested) return kSolveCancelled;
    session.SilentSolve = true;
    ctx.grid.ResetGrid();
    ctx.grid.ResetColours();
    const int result = SolvePuzzle(ctx.grid, ctx.run, true);
    session.Busy = true;
    ctx.run.host.BusyPointer(true);
    return result;
}

int AcceptPuzzle(CreateContext& ctx, const std::string& loop, bool solvedAsIs) {
    if (!solvedAsIs) {
        const int result = SolveAsChecker(ctx);
        if (result == kSolveCancelled) return result;
        if (result != kSolved) return kSolveStuck;
    }
    return LoopSignature(ctx.grid) == loop ? kSolved : kSolveStuck;
}

int SettleOnSolvedLoop(CreateContext& ctx, bool markAmbiguities) {
    const int result = SolveAsChecker(ctx);
    if (result == kSolveCancelled) return result;
    if (result != kSolved) return kSolveStuck;
    const std::string loop = LoopSignature(ctx.grid);
    std::vector<int> found;
    const bool marked =
        markAmbiguities && FindLinkAmbiguities(ctx.grid, AmbiguityMode::WriteClues, found) > 0;
    return AcceptPuzzle(ctx, loop, !marked);
}

}  // namespace ringlace
