#include "create/level_fit.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "create/clue_rules.h"
#include "create/random_order.h"
#include "create/single_creators.h"
#include "solver/solution_counter.h"

namespace ringlace {

namespace {

// Which clues tend to go first: 2s, then 1s, 3s and 0s. A puzzle that keeps its 0s and 3s, which
// fix the most edges, needs fewer clues in all: taken in plain random order, minimal 10 x 10
// puzzles kept 57 % of their cells blank in the median; taken strictly by kind, 65 %, but with
// only 9 % of their clues 2s (an independent generator's puzzles: 45 %). Each kind's keys lean a
// quarter of their range later than the kind before: 64 % blank, 30 % of the clues 2s.
int RemovalRank(ClueValue clue) {
    switch (clue) {
        case 2:
            return 0;
        case 1:
            return 1;
        case 3:
            return 2;
        default:
            return 3;
    }
}

constexpr int kRankLean = kClueKeys / 4;

std::vector<int> RemovalOrder(const Grid& grid, RandomSource& random) {
    std::vector<std::pair<int, int>> keyed;  // key, cell
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.Clue[k] != kNoClue)
            keyed.emplace_back(random.Below(kClueKeys) + kRankLean * RemovalRank(grid.Clue[k]), k);
    std::sort(keyed.begin(), keyed.end());
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const auto& [key, cell] : keyed) order.push_back(cell);
    return order;
}

// A grid's loop, kept while the solver's runs move the grid's edges.
class KeptLoop {
public:
    explicit KeptLoop(const Grid& grid) : edges_(grid.CellEdge) {}

    void PutBack(Grid& grid) const {
        grid.ResetGrid();
        for (int r = 1; r <= grid.Rows; ++r)
            for (int c = 1; c <= grid.Cols; ++c)
                for (const Side side : kSides)
                    if (edges_[r][c][side] == Bar) grid.SetEdge(r, c, side, Bar);
    }

private:
    decltype(Grid::CellEdge) edges_;
};

// Walks from every clue of a loop before a new loop is grown: with four, 5 x 5 Hard took 357 ms in
// the median, with eight 180 ms; larger grids seldom need a second.
constexpr int kWalksFromAllClues = 8;

// One puzzle's walk towards its goal.
class LevelWalk {
public:
    LevelWalk(CreateContext& ctx, const LevelGoal& goal)
        : ctx_(ctx), grid_(ctx.grid), goal_(goal), loop_(ctx.grid) {}

    LevelFit Run() {
        if (!Start()) return LevelFit::Cancelled;
        // Taking clues away never makes a puzzle easier: one that needs a deeper stage than the
        // level allows goes straight to the second walk.
        const bool withinReach = !goal_.graded || goal_.highestGrade == kChainStage || grade_ != 0;
        if (withinReach && !Walk(goal_.highestGrade)) return LevelFit::Cancelled;
        // The puzzle's own clues leave too few cells blank, or need a deeper stage than the level
        // allows: the walk starts again from every clue of the loop, in new orders, since where a
        // walk ends depends on its order and a new loop costs more than a walk.
        for (int walk = 0; walk < kWalksFromAllClues && !Met(); ++walk) {
            ShowAll();
            if (!Start() || !Walk(goal_.highestGrade)) return LevelFit::Cancelled;
        }
        // The share is a promise, the grade a preference: a level whose stages cannot reach the
        // share goes on without them, and the grade counts as missed.
        if (OpenShare(grid_) < goal_.target && goal_.highestGrade < kChainStage)
            if (!Walk(kChainStage)) return LevelFit::Cancelled;
        if (goal_.graded && grade_ == 0 && !Grade(kChainStage)) return LevelFit::Cancelled;
        PutLoopBack();
        ctx_.grade = goal_.graded ? grade_ : 0;
        if (OpenShare(grid_) < goal_.target) return LevelFit::ShareMissed;
        return GradeMiss(goal_, grade_) == 0 || !goal_.graded ? LevelFit::Met
                                                              : LevelFit::GradeMissed;
    }

private:
    bool Met() const {
        return OpenShare(grid_) >= goal_.target &&
               (!goal_.graded || (grade_ != 0 && GradeMiss(goal_, grade_) == 0));
    }

    // The grade of the clues as they stand, when the walk needs it. False when cancelled.
    bool Start() {
        grade_ = 0;
        return !goal_.graded || Grade(goal_.highestGrade);
    }

    // grade_ becomes the stage that finishes the puzzle, or 0 when no stage up to lastStage does.
    // False when cancelled.
    bool Grade(int lastStage) {
        grade_ = 0;
        const SolveOutcome outcome = CheckerSolve(ctx_, lastStage);
        if (outcome.result == SolveResult::Cancelled) return false;
        if (outcome.result == SolveResult::Solved) grade_ = outcome.stage;
        return true;
    }

    // Takes clues away in the removal order while the loop stays the only one and, below the
    // complete search, while the stages up to lastStage still finish the puzzle; stops when the
    // goal is met. False when cancelled.
    bool Walk(int lastStage) {
        for (int k : RemovalOrder(grid_, ctx_.random)) {
            if (Met()) break;
            const ClueValue kept = grid_.Clue[k];
            grid_.Clue[k] = kNoClue;
            const CountResult counted = CountSolutions(grid_, 2, ctx_.run);
            if (counted.cancelled) return false;
            bool stands = counted.count == 1;
            if (stands && lastStage < kChainStage) {
                const int before = grade_;
                if (!Grade(lastStage)) return false;
                stands = grade_ != 0;
                if (!stands) grade_ = before;
            } else if (stands && goal_.graded) {
                // The grade only matters once the share is reached; the complete search always
                // finishes a puzzle with one solution.
                grade_ = 0;
                if (OpenShare(grid_) >= goal_.target && !Grade(kChainStage)) return false;
            }
            if (!stands) grid_.Clue[k] = kept;
        }
        return true;
    }

    void ShowAll() {
        PutLoopBack();
        for (int k = 1; k <= grid_.NumCells; ++k)
            grid_.Clue[k] = TrueClue(grid_, grid_.CellRow[k], grid_.CellCol[k]);
    }

    // The loop as the walk found it, and the clues as a solve leaves them (OrigClue = Clue).
    void PutLoopBack() {
        loop_.PutBack(grid_);
        grid_.OrigClue = grid_.Clue;
    }

    CreateContext& ctx_;
    Grid& grid_;
    const LevelGoal goal_;
    const KeptLoop loop_;
    int grade_ = 0;  // 0: not known
};

}  // namespace

LevelGoal GoalFor(const Grid& grid, int level, bool jumbo) {
    LevelGoal goal;
    goal.target = grid.NumCells >= 81 ? RulesTarget(grid, level, jumbo, false)
                                      : RemovalTarget(grid, level, jumbo);
    goal.graded = !jumbo;
    if (level == kEasy) {
        goal.highestGrade = kSingleColourPinkStage;
    } else if (level == kMedium) {
        goal.lowestGrade = kSingleColourPinkStage + 1;
        goal.highestGrade = kCommonColourStage;
    } else if (!jumbo) {
        goal.lowestGrade = kCommonColourStage;
    }
    return goal;
}

int GradeMiss(const LevelGoal& goal, int grade) {
    return std::max({0, goal.lowestGrade - grade, grade - goal.highestGrade});
}

LevelFit FitToLevel(CreateContext& ctx, const LevelGoal& goal) {
    return LevelWalk(ctx, goal).Run();
}

CreateResult Graded(CreateContext& ctx, CreateResult made) {
    if (made != CreateResult::Created) return made;
    ctx.grade = PuzzleGrade(ctx.grid, ctx.run);
    return ctx.run.Cancelled() ? CreateResult::Cancelled : made;
}

CreateResult CreateToGoal(CreateContext& ctx, const std::function<LevelGoal(const Grid&)>& goalOf,
                          const std::function<CreateResult()>& make) {
    std::unique_ptr<Grid> nearest;
    int nearestMiss = 0;
    int nearestGrade = 0;
    for (int missed = 0;;) {
        const CreateResult made = make();
        if (made != CreateResult::Created) return made;
        const LevelGoal goal = goalOf(ctx.grid);
        switch (FitToLevel(ctx, goal)) {
            case LevelFit::Met:
                return CreateResult::Created;
            case LevelFit::Cancelled:
                return CreateResult::Cancelled;
            case LevelFit::ShareMissed:
                continue;
            case LevelFit::GradeMissed:
                break;
        }
        const int miss = GradeMiss(goal, ctx.grade);
        if (!nearest || miss < nearestMiss) {
            nearest = std::make_unique<Grid>(ctx.grid);
            nearestMiss = miss;
            nearestGrade = ctx.grade;
        }
        if (++missed == kGradeTries) {
            ctx.grid = *nearest;
            ctx.grade = nearestGrade;
            return CreateResult::Created;
        }
    }
}

CreateResult CreateToLevel(CreateContext& ctx, int level,
                           const std::function<CreateResult()>& make) {
    const bool jumbo = ctx.options.jumbo;
    return CreateToGoal(
        ctx, [level, jumbo](const Grid& grid) { return GoalFor(grid, level, jumbo); }, make);
}

}  // namespace ringlace
