#include "create/make_puzzle.h"

#include <algorithm>

#include "create/composite.h"
#include "create/single_creators.h"
#include "create/zero_three.h"

namespace ringlace {

int CreateForSize(CreateContext& ctx, int rows, int cols, int level) {
    if (std::min(rows, cols) < 10) return CreatePuzzle(ctx, rows, cols, level);
    for (;;) {
        const int result = CreateComposite(ctx, rows, cols, level);
        if (result != kCompositionFailed) return result;
    }
}

int CreateOfKind(CreateContext& ctx, CreateKind kind, int rows, int cols, int level) {
    if (kind == CreateKind::Normal) return CreateForSize(ctx, rows, cols, level);
    const int result = Create03Only(ctx, rows, cols);
    if (result == kCreated) ctx.grid.DiffCode = LevelCode(kMedium);
    return result;
}

}  // namespace ringlace
