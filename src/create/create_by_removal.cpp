// Creation by removal: all clues shown, then taken away one at a time in random order; a removal
// stands only when the solver still finds the loop and no other loop fits. Used below 81 cells,
// where the solver runs once per clue in reasonable time.
#include <vector>

#include "create/clue_rules.h"
#include "create/random_order.h"
#include "create/single_creators.h"
#include "solver/link_ambiguities.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"

namespace ringlace {

namespace {

// Takes clues away until the share of blank cells reaches the target. On success the grid holds
// the loop again (the last solve found it). False when cancelled.
bool RemoveClues(CreateContext& ctx, const std::string& loop, int target) {
    Grid& grid = ctx.grid;
    std::vector<int> shown;
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.Clue[k] != kNoClue) shown.push_back(k);
    for (int k : RandomOrder(ctx.random, shown, kClueKeys)) {
        const ClueValue kept = grid.Clue[k];
        grid.Clue[k] = kNoClue;
        // A removal stands only while no other loop fits the clues. Checking only the finished
        // puzzle instead threw most walks away at the end (7 x 7 Hard grew 36 loops for one
        // puzzle instead of 23, 8 x 10 up to 136); only 5 x 5 is faster that way.
        const Verdict result = AcceptPuzzle(ctx, loop, false);
        // A cancel ends the walk at once rather than being taken for a removal that failed.
        if (result == Verdict::Cancelled) return false;
        if (result == Verdict::Rejected) {
            grid.Clue[k] = kept;
            continue;
        }
        if (OpenShare(grid) >= target) break;
    }
    return true;
}

}  // namespace

CreateResult CreateByRemoval(CreateContext& ctx, int rows, int cols, int level) {
    Grid& grid = ctx.grid;
    BeginCreation(ctx, rows, cols);
    int patternTries = 0;
    for (;;) {
        if (ctx.run.Cancelled()) return CreateResult::Cancelled;
        if (!GrowCoveringLoop(ctx)) continue;
        StoreTrueClues(grid);
        for (int k = 1; k <= grid.NumCells; ++k) grid.Clue[k] = grid.OrigClue[k];

        if (ctx.options.pattern) {
            ApplyPattern(grid, *ctx.options.pattern);
            grid.DiffCode = LevelCode(level);
            ShowShare(ctx, OpenShare(grid));
            const Verdict result = AcceptPatternClues(ctx);
            if (result == Verdict::Accepted) return CreateResult::Created;
            if (result == Verdict::Cancelled) return CreateResult::Cancelled;
            if (++patternTries == kPatternTries) return CreateResult::Failed;
            continue;
        }

        const std::string loop = LoopSignature(grid);
        const int target = RemovalTarget(grid, level, ctx.options.jumbo);
        grid.DiffCode = LevelCode(level);
        ShowShare(ctx, target);
        if (!RemoveClues(ctx, loop, target)) return CreateResult::Cancelled;
        // A walk that stops short of the target still leaves a puzzle with one solution, which
        // the level's own walk takes further; throwing its loop away made 5 x 5 Hard grow
        // thousands of loops for one puzzle.
        const int share = OpenShare(grid);
        const auto walked = grid.Clue;
        if (share > target) RevealRandomBlanks(grid, ctx.random, share - target - 1);
        AdjustThrees(grid);
        AdjustThrees(grid);
        std::vector<int> found;
        FindLinkAmbiguities(grid, AmbiguityMode::WriteClues, found);
        // The finishing passes add clues and move threes after the last check of the walk.
        const Verdict result = AcceptPuzzle(ctx, loop, grid.Clue == walked);
        if (result == Verdict::Cancelled) return CreateResult::Cancelled;
        if (result == Verdict::Accepted) return CreateResult::Created;
    }
}

}  // namespace ringlace
