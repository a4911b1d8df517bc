// Creation by rules: clues placed by the loop's shape, thinned, adjusted to the level's target,
// and the whole puzzle checked once by the solver. Used from 81 cells on and for the quadrants of
// a composite grid.
#include <vector>

#include "create/clue_rules.h"
#include "create/single_creators.h"
#include "solver/link_ambiguities.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"

namespace ringlace {

namespace {

// The rule passes and the adjustment to the target. False when the rules leave fewer blank cells
// than the target: the loop is given up.
bool PlaceClues(CreateContext& ctx, int level) {
    Grid& grid = ctx.grid;
    RevealTurningCells(grid);
    RevealEmptyCells(grid);
    ThinRows(grid);
    ThinColumns(grid);
    MoveThreesToOnes(grid);
    RevealBesideU(grid);
    FixCornerTwos(grid, ctx.random);
    const int share = OpenShare(grid);
    const int target = RulesTarget(grid, level, ctx.options.jumbo, ctx.options.quadrant);
    grid.DiffCode = LevelCode(level);
    if (share < target) return false;
    if (share > target) RevealRandomBlanks(grid, ctx.random, share - target - 1);
    AdjustThrees(grid);
    AdjustThrees(grid);
    AdjustThrees(grid);
    std::vector<int> found;
    FindLinkAmbiguities(grid, AmbiguityMode::WriteClues, found);
    return true;
}

}  // namespace

CreateResult CreateByRules(CreateContext& ctx, int rows, int cols, int level) {
    Grid& grid = ctx.grid;
    const std::optional<PatternMask>& pattern = ctx.options.pattern;
    BeginCreation(ctx, rows, cols);
    int patternTries = 0;
    for (;;) {
        // Attempts that never reach the solver (coverage, target) would otherwise not notice a
        // cancel at all.
        if (ctx.run.Cancelled()) return CreateResult::Cancelled;
        if (!GrowCoveringLoop(ctx)) continue;
        StoreTrueClues(grid);
        for (int k = 1; k <= grid.NumCells; ++k) grid.Clue[k] = kNoClue;
        if (pattern) {
            ApplyPattern(grid, *pattern);
            grid.DiffCode = LevelCode(level);
        } else if (!PlaceClues(ctx, level))
            continue;
        if (ctx.options.jumbo) {
            // No solve on a grid this large, and its thin clues never pin the loop down by
            // themselves: throwing such loops away would never end. Clues are given back
            // instead until the grown loop is the only one.
            const Verdict result = RevealUntilUnique(ctx);
            if (result == Verdict::Cancelled) return CreateResult::Cancelled;
            if (result == Verdict::Accepted) return CreateResult::Created;
            continue;
        }

        ShowShare(ctx, OpenShare(grid));
        const Verdict result =
            pattern ? AcceptPatternClues(ctx)
                    : SettleOnSolvedLoop(
                          ctx, ctx.options.quadrant ? Settling::Quadrant : Settling::OneLoop);
        if (result == Verdict::Cancelled) return CreateResult::Cancelled;
        if (result == Verdict::Accepted) return CreateResult::Created;
        if (pattern && ++patternTries == kPatternTries) return CreateResult::Failed;
    }
}

}  // namespace ringlace
