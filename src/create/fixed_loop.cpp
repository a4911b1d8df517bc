#include "create/fixed_loop.h"

#include <vector>

#include "create/clue_rules.h"
#include "create/random_order.h"
#include "solver/solution_counter.h"

namespace ringlace {

namespace {

constexpr int kBelowTarget = 12;

}  // namespace

CreateResult CreateFromLoop(CreateContext& ctx) {
    Grid& grid = ctx.grid;
    ctx.run.host.Status("Creating fixed link puzzle ...");
    const std::string loop = LoopSignature(grid);
    StoreTrueClues(grid);
    std::vector<int> cells;
    for (int k = 1; k <= grid.NumCells; ++k) {
        grid.Clue[k] = grid.OrigClue[k];
        cells.push_back(k);
    }
    grid.DiffCode = LevelCode(kEasy);
    const int target = OpenTarget(grid.MaxDim) - kBelowTarget;
    // The exact count decides each removal: the drawn loop fits the true counts, so one loop
    // left means that loop.
    for (const int k : RandomOrder(ctx.random, cells, kClueKeys)) {
        if (OpenShare(grid) >= target) break;
        const ClueValue kept = grid.Clue[k];
        grid.Clue[k] = kNoClue;
        const CountResult counted = CountSolutions(grid, 2, ctx.run);
        if (counted.cancelled) return CreateResult::Cancelled;
        if (counted.count != 1) grid.Clue[k] = kept;
    }
    const Verdict result = AcceptPuzzle(ctx, loop, false);
    if (result == Verdict::Cancelled) return CreateResult::Cancelled;
    return result == Verdict::Accepted ? CreateResult::Created : CreateResult::Failed;
}

}  // namespace ringlace
