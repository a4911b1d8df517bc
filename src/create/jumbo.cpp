#include "create/jumbo.h"

#include "create/single_creators.h"
#include "model/text.h"

namespace ringlace {

namespace {

constexpr int kMostZeros = 2;  // percent of the cells

int ZeroShare(const Grid& grid) {
    int zeros = 0;
    for (int k = 1; k <= grid.NumCells; ++k) zeros += grid.Clue[k] == 0 ? 1 : 0;
    return 100 * zeros / (grid.Rows * grid.Cols);
}

}  // namespace

// The rules creator on the jumbo settings gives clues back until one loop is left. Taking half
// of the 3s and 2s away afterwards, and settling the clues again, made the count take 20 to 35 s
// for a 40 x 40 grid and minutes for 50 x 50; the puzzle stays near the jumbo's 40 % of blank
// cells instead (38 to 40 %).
CreateResult CreateJumbo(CreateContext& ctx, int rows, int cols) {
    ctx.options.jumbo = true;
    for (int attempt = 1;; ++attempt) {
        const CreateResult made = CreatePuzzle(ctx, rows, cols, kHard);
        if (made != CreateResult::Created || ZeroShare(ctx.grid) <= kMostZeros) return made;
        ctx.run.host.Status("Creating Jumbo puzzle ... try" + StrNumber(attempt + 1));
    }
}

}  // namespace ringlace
