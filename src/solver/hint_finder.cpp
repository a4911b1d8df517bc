#include "solver/hint_finder.h"

#include <cstdlib>
#include <optional>

#include "model/solution_letters.h"
#include "solver/colour_engine.h"
#include "solver/rule_words.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"

namespace ringlace {

namespace {

struct EdgePlace {
    int row = 0;
    int col = 0;
    Side side = Side::Left;
};

// Side `side` of cell (r, c) named as a side of the first real cell in cell order that has it;
// nothing for a side between two frame cells.
std::optional<EdgePlace> RealEdge(const Grid& grid, int r, int c, Side side) {
    const int nr = r + RowStep(side);
    const int nc = c + ColStep(side);
    if (!grid.IsRealCell(r, c) && !grid.IsRealCell(nr, nc)) return std::nullopt;
    if (!grid.IsRealCell(r, c) || (grid.IsRealCell(nr, nc) && (nr < r || nc < c)))
        return EdgePlace{nr, nc, NextSide(NextSide(side))};
    return EdgePlace{r, c, side};
}

// Every edge once, in cell order, each as a side of the first cell that has it.
template <typename Visit>
void ForEachEdge(const Grid& grid, Visit visit) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (const Side side : kSides)
                if ((side != Side::Left || c == 1) && (side != Side::Top || r == 1))
                    visit(EdgePlace{r, c, side});
}

EdgeState EdgeAt(const Grid& grid, const EdgePlace& edge) {
    return grid.CellEdge[edge.row][edge.col][edge.side];
}

// The edge open in the position that the work decided, nearest to the focus cell (ties in cell
// order); with no focus, the first in cell order.
std::optional<EdgePlace> DecidedEdge(const Grid& position, const Grid& work,
                                     std::optional<CellPlace> focus = std::nullopt,
                                     EdgeState only = Free) {
    std::optional<EdgePlace> best;
    int bestDistance = 0;
    ForEachEdge(position, [&](const EdgePlace& edge) {
        const EdgeState value = EdgeAt(work, edge);
        if (EdgeAt(position, edge) != Free || value == Free || (only != Free && value != only))
            return;
        // In half cells, from the focus cell's centre to the edge's middle: each of the cell's
        // own sides is one away.
        const int distance = focus
                                 ? std::abs(2 * edge.row + RowStep(edge.side) - 2 * focus->row) +
                                       std::abs(2 * edge.col + ColStep(edge.side) - 2 * focus->col)
                                 : 0;
        if (best && distance >= bestDistance) return;
        best = edge;
        bestDistance = distance;
    });
    return best;
}

Hint StepAt(const EdgePlace& edge, EdgeState value, int stage, const RuleWords& words) {
    Hint hint;
    hint.kind = HintKind::Step;
    hint.row = edge.row;
    hint.col = edge.col;
    hint.side = edge.side;
    hint.value = value;
    hint.stage = stage;
    hint.rule = words.key;
    hint.message = std::string(StageName(stage)) + ": " + words.words;
    return hint;
}

// The real cells from the first of the pattern to the last, one step at a time.
std::vector<CellPlace> PatternCells(const StartPattern& pattern) {
    const int dr = (pattern.lastRow > pattern.firstRow) - (pattern.lastRow < pattern.firstRow);
    const int dc = (pattern.lastCol > pattern.firstCol) - (pattern.lastCol < pattern.firstCol);
    std::vector<CellPlace> cells{{pattern.firstRow, pattern.firstCol}};
    while (cells.back().row != pattern.lastRow || cells.back().col != pattern.lastCol)
        cells.push_back({cells.back().row + dr, cells.back().col + dc});
    return cells;
}

// The first edge open in the position that the local rules write, and the rule that wrote it.
class FirstRuleWrite : public RuleWatch {
public:
    FirstRuleWrite(const Grid& position, int stage) : position_(position), stage_(stage) {}

    void SweepWrote(const Grid& grid, LocalRule rule, int r, int c) override {
        if (hint) return;
        const std::optional<EdgePlace> edge = DecidedEdge(position_, grid, CellPlace{r, c});
        if (!edge) return;
        const EdgeState value = EdgeAt(grid, *edge);
        hint = StepAt(*edge, value, stage_, LocalRuleWords(rule, grid, r, c, value));
        hint->cells = LookedAt(rule, r, c, *edge);
        if (rule == LocalRule::NodeRules) hint->dots = {{r, c}};
    }

    void StartWrote(const Grid& grid, const StartPattern& pattern, int r, int c,
                    Side side) override {
        if (hint) return;
        const std::optional<EdgePlace> edge = RealEdge(grid, r, c, side);
        if (!edge || EdgeAt(position_, *edge) != Free) return;
        hint = StepAt(*edge, EdgeAt(grid, *edge), stage_, StartRuleWords(pattern.rule));
        hint->cells = PatternCells(pattern);
    }

    std::optional<Hint> hint;

private:
    std::vector<CellPlace> LookedAt(LocalRule rule, int r, int c, const EdgePlace& edge) const {
        switch (rule) {
            case LocalRule::NodeRules:
                return {};
            case LocalRule::BarsFromColours:
            case LocalRule::CrossesFromColours: {
                std::vector<CellPlace> cells{{edge.row, edge.col}};
                const int nr = edge.row + RowStep(edge.side);
                const int nc = edge.col + ColStep(edge.side);
                if (position_.IsRealCell(nr, nc)) cells.push_back({nr, nc});
                return cells;
            }
            case LocalRule::OnesAboveCrossRight:
            case LocalRule::OnesAboveCrossLeft:
                return {{r, c}, {r + 1, c}};
            case LocalRule::OnesBesideCrossAbove:
            case LocalRule::OnesBesideCrossBelow:
                return {{r, c}, {r, c + 1}};
            case LocalRule::DiagonalOnesFromUpperLeft:
            case LocalRule::DiagonalOnesFromLowerRight:
                return {{r, c}, {r + 1, c + 1}};
            case LocalRule::DiagonalOnesFromUpperRight:
            case LocalRule::DiagonalOnesFromLowerLeft:
                return {{r, c + 1}, {r + 1, c}};
            default:
                return {{r, c}};
        }
    }

    const Grid& position_;
    int stage_;
};

const char* InOrOut(std::int32_t colour) {
    return colour == Yellow ? "inside" : "outside";
}

std::string CellName(int r, int c) {
    return "row " + NumText(r) + ", column " + NumText(c);
}

RuleWords TrialWords(const Grid& grid, const TrialDecision& decision) {
    const std::string way = InOrOut(decision.triedColour);
    if (decision.triedSide && decision.finished)
        return {"side-finishes",
                "with the loop along this side of the cell, it closes with every "
                "clue met"};
    if (decision.triedSide)
        return {"other-side-fails", "if the loop ran along the other free side of this cell, " +
                                        TrialFailure(decision.problem)};
    // Two cells are marked: the words tell them apart by their places.
    if (decision.sameRow != 0)
        return {"same-either-way",
                "whether the cell in " + CellName(decision.row, decision.col) +
                    " is inside the loop or not, the cell in " +
                    CellName(decision.sameRow, decision.sameCol) + " is " +
                    InOrOut(grid.CellColour[decision.sameRow][decision.sameCol])};
    if (decision.finished)
        return {way + "-finishes",
                "with this cell " + way + " the loop, it closes with every clue met"};
    return {way + "-fails",
            "if this cell were " + way + " the loop, " + TrialFailure(decision.problem)};
}

// The first decision of a trial stage that decides an edge open in the position.
class FirstTrialDecision : public TrialWatch {
public:
    FirstTrialDecision(const Grid& position, int stage) : position_(position), stage_(stage) {}

    bool Decided(const Grid& grid, const TrialDecision& decision) override {
        // The common colour stage fixes colours only; the edges they decide come from the colour
        // engine, which the stage runs once at its end.
        std::optional<Grid> spread;
        if (stage_ == kCommonColourStage) {
            spread = grid;
            ColourEngine(*spread);
        }
        const Grid& seen = spread ? *spread : grid;
        const CellPlace focus = decision.sameRow != 0
                                    ? CellPlace{decision.sameRow, decision.sameCol}
                                    : CellPlace{decision.row, decision.col};
        const std::optional<EdgePlace> edge = DecidedEdge(position_, seen, focus);
        if (!edge) return false;
        hint = StepAt(*edge, EdgeAt(seen, *edge), stage_, TrialWords(grid, decision));
        hint->cells = {{decision.row, decision.col}};
        if (decision.sameRow != 0) hint->cells.push_back(focus);
        return true;
    }

    std::optional<Hint> hint;

private:
    const Grid& position_;
    int stage_;
};

// What a stage does, for a step found only by comparing the grid before and after it.
RuleWords StageWords(int stage) {
    switch (stage) {
        case 1:
            return {"stage", "the rules on clues and dots decide this edge"};
        case 2:
            return {"stage", "the colours inside and outside the loop decide this edge"};
        default:
            return {"stage", "trying cells one at a time decides this edge"};
    }
}

// loop: the puzzle's one loop as Bars.
Hint NextStep(const Grid& position, const Grid& loop, RunContext& run) {
    Grid work = position;
    int sum = 0;
    for (int k = 1; k <= work.NumCells; ++k) {
        sum += work.ClueNumber(k);
        work.OrigClue[k] = work.Clue[k];
    }
    work.ClueSum = sum;
    work.ResetColours();
    for (int stage = 1; stage < kChainStage; ++stage) {
        FirstRuleWrite rules(position, stage);
        FirstTrialDecision trials(position, stage);
        const StageResult result = RunStage(stage, work, run, {&rules, &trials});
        if (rules.hint) return *rules.hint;
        if (trials.hint) return *trials.hint;
        const std::optional<EdgePlace> edge = DecidedEdge(position, work);
        if (edge) return StepAt(*edge, EdgeAt(work, *edge), stage, StageWords(stage));
        if (result != StageResult::Open) return {};
    }
    // What the complete search would end with is the one loop, known already: the step is the
    // first of its edges still open.
    const std::optional<EdgePlace> edge = DecidedEdge(position, loop, std::nullopt, Bar);
    if (!edge) return {};
    return StepAt(*edge, Bar, kChainStage,
                  {"search",
                   "a search through the remaining choices finds the one loop, and it "
                   "runs here"});
}

Hint Said(HintKind kind, const std::string& message) {
    Hint hint;
    hint.kind = kind;
    hint.message = message;
    return hint;
}

}  // namespace

Hint FindHint(const Grid& grid, RunContext& run) {
    Grid loop = grid;
    if (grid.SolutionCode.empty()) {
        const CountResult counted = CountSolutions(grid, 2, run);
        if (counted.cancelled) return {};
        if (counted.count == 0) return Said(HintKind::NoSolution, "This puzzle has no solution");
        if (counted.count > 1) return Said(HintKind::NotUnique, ": Link is not unique");
        ApplyFoundLoop(counted.loops.front(), loop);
    } else {
        ApplySolution(loop);
    }
    std::optional<Hint> mistake;
    bool complete = true;
    ForEachEdge(grid, [&](const EdgePlace& edge) {
        const EdgeState entered = EdgeAt(grid, edge);
        const bool onLoop = EdgeAt(loop, edge) == Bar;
        complete = complete && (!onLoop || entered == Bar);
        const bool wrong = (entered == Bar && !onLoop) || (entered == XMark && onLoop);
        if (mistake || !wrong) return;
        mistake = Said(HintKind::Mistake,
                       entered == Bar ? "This bar is not on the loop" : "This X is on the loop");
        mistake->row = edge.row;
        mistake->col = edge.col;
        mistake->side = edge.side;
        mistake->value = entered;
    });
    if (mistake) return *mistake;
    if (complete) return Said(HintKind::Solved, "The loop is already complete");
    return NextStep(grid, loop, run);
}

void ApplyHintStep(Grid& grid, const Hint& hint) {
    if (hint.kind == HintKind::Step) grid.SetEdge(hint.row, hint.col, hint.side, hint.value);
}

}  // namespace ringlace
