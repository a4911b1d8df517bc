#include "create/clue_rules.h"
#include "create/level_fit.h"
#include "create/single_creators.h"

namespace ringlace {

namespace {

int Base(const Grid& grid, bool jumbo) {
    return jumbo ? 40 : OpenTarget(grid.MaxDim);
}

// Harder levels leave more cells blank.
int LevelStep(int level) {
    return 2 * (kHard - level);
}

}  // namespace

CreateResult CreatePuzzle(CreateContext& ctx, int rows, int cols, int level) {
    if (ctx.options.quadrant) return CreateByRules(ctx, rows, cols, level);
    const auto make = [&] {
        return rows * cols >= 81 ? CreateByRules(ctx, rows, cols, level)
                                 : CreateByRemoval(ctx, rows, cols, level);
    };
    // A pattern's clues are the person's choice: they are graded, not changed.
    if (ctx.options.pattern) return Graded(ctx, make());
    return CreateToLevel(ctx, level, make);
}

int RemovalTarget(const Grid& grid, int level, bool jumbo) {
    return Base(grid, jumbo) - 6 - LevelStep(level);
}

int RulesTarget(const Grid& grid, int level, bool jumbo, bool composite) {
    const int base = !jumbo && composite && grid.MaxDim >= 11 ? 45 : Base(grid, jumbo);
    return base - LevelStep(level);
}

void ApplyPattern(Grid& grid, const PatternMask& pattern) {
    for (int k = 1; k <= grid.NumCells; ++k)
        grid.Clue[k] = pattern[grid.CellRow[k]][grid.CellCol[k]] == 1 ? grid.OrigClue[k] : kNoClue;
}

}  // namespace ringlace
