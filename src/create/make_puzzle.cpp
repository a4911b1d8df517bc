#include "create/make_puzzle.h"

#include <algorithm>

#include "create/composite.h"
#include "create/level_fit.h"
#include "create/single_creators.h"
#include "create/zero_three.h"

namespace ringlace {

CreateResult CreateForSize(CreateContext& ctx, int rows, int cols, int level) {
    if (std::min(rows, cols) < 10) return CreatePuzzle(ctx, rows, cols, level);
    return CreateToLevel(ctx, level, [&] {
        for (;;) {
            const CreateResult result = CreateComposite(ctx, rows, cols, level);
            if (result != CreateResult::Failed) return result;
        }
    });
}

CreateResult CreateOfKind(CreateContext& ctx, CreateKind kind, int rows, int cols, int level) {
    if (kind == CreateKind::Normal) return CreateForSize(ctx, rows, cols, level);
    const CreateResult result = Graded(ctx, Create03Only(ctx, rows, cols));
    if (result == CreateResult::Created) ctx.grid.DiffCode = LevelCode(kMedium);
    return result;
}

}  // namespace ringlace
