#include <vector>

#include "model/text.h"
#include "solver/colour_engine.h"
#include "solver/colouring.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"
#include "solver/verification.h"

namespace ringlace {

namespace {

constexpr int kDepthLimit = 3198;

struct Decision {
    int row = 0;
    int col = 0;
    std::int32_t first = Yellow;  // the colour tried first
    bool bothTried = false;       // the other colour is being tried now
    GridSnapshot before;
};

// A loop that agrees with everything decided so far. When none is left, the branch is a dead end
// now, however many levels deeper the verification would notice it. Only branches with no loop
// below them are cut, and the loop leads the search: each decision first takes the colour the loop
// gives the cell, so on clues that several loops fit the search walks straight down to one of them
// instead of proving branch after branch empty.
class LoopWitness {
public:
    bool StillPossible(const Grid& grid, RunContext& run) {
        if (known_ && LoopAgrees(loop_, grid)) return true;
        CountResult found = CountSolutionsAgreeing(grid, 1, run);
        if (found.cancelled) return true;  // the search sees the cancel at its next step
        known_ = found.count > 0;
        if (known_) loop_ = std::move(found.loops.front());
        return known_;
    }

    // The colour the loop gives the cell; Yellow when no loop is known.
    std::int32_t ColourOf(int r, int c) const {
        return !known_ || loop_.IsInside(r, c) ? Yellow : Pink;
    }

private:
    FoundLoop loop_;
    bool known_ = false;
};

bool AskToContinue(RunContext& run) {
    return run.host.Ask({"Could not solve in 5 tries" + std::string(kCrLf) +
                             "Do you wish to continue with more tries?",
                         Icon::Question, Buttons::YesNo}) == Answer::Yes;
}

}  // namespace

// The depth is the number of decisions on the stack, so the search stays complete: each level
// colours at least one more cell, and a grid has fewer cells than the depth limit. Since branches
// without a loop are cut at once, the question after every NumCells decisions and the depth limit
// are safety nets that a solve no longer reaches. Clues that no loop fits are unable before the
// first decision.
StageResult ChainSearch(Grid& grid, RunContext& run) {
    std::vector<Decision> stack;
    LoopWitness witness;
    if (!witness.StillPossible(grid, run)) return StageResult::Contradiction;
    int tries = 0;
    for (;;) {
        ++tries;
        if (run.Cancelled()) return StageResult::Cancelled;
        if (tries > grid.NumCells && !run.silent) {
            if (!AskToContinue(run)) return StageResult::Contradiction;
            tries = 0;
        }
        if (run.Yield()) return StageResult::Cancelled;
        const std::vector<TrialCell> open = ColourTrialList(grid, 0);
        if (open.empty()) return StageResult::Contradiction;
        if (static_cast<int>(stack.size()) + 1 > kDepthLimit) return StageResult::Contradiction;
        const int row = open.front().row;
        const int col = open.front().col;
        std::int32_t colour = witness.ColourOf(row, col);
        stack.push_back({row, col, colour, false, SaveGridState(grid)});
        for (;;) {
            ShowProgress(grid, run);
            SetCellColour(grid, stack.back().row, stack.back().col, colour);
            ColourEngine(grid);
            const VerifyResult result = VerifyPuzzle(grid).result;
            if (result == VerifyResult::Done) return StageResult::Finished;
            if (result == VerifyResult::Open && witness.StillPossible(grid, run)) break;
            while (stack.back().bothTried) {
                stack.pop_back();
                if (stack.empty()) return StageResult::Contradiction;
            }
            RestoreGridState(grid, stack.back().before);
            stack.back().bothTried = true;
            colour = OppositeColour(stack.back().first);
        }
    }
}

}  // namespace ringlace
