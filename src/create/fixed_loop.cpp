#include "create/fixed_loop.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "create/clue_rules.h"
#include "create/random_order.h"
#include "solver/checks.h"
#include "solver/solution_counter.h"

namespace ringlace {

namespace {

constexpr int kBelowTarget = 12;

// A dot by its row and column of dots (0 to Rows, 0 to Cols).
using Dot = std::pair<int, int>;

// The Bars as pairs of dots, each side once.
std::set<std::pair<Dot, Dot>> BarEdges(const Grid& grid) {
    std::set<std::pair<Dot, Dot>> edges;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const auto& sides = grid.CellEdge[r][c];
            if (sides[Side::Top] == Bar) edges.insert({{r - 1, c - 1}, {r - 1, c}});
            if (sides[Side::Bottom] == Bar) edges.insert({{r, c - 1}, {r, c}});
            if (sides[Side::Left] == Bar) edges.insert({{r - 1, c - 1}, {r, c - 1}});
            if (sides[Side::Right] == Bar) edges.insert({{r - 1, c}, {r, c}});
        }
    }
    return edges;
}

}  // namespace

std::string DrawnLoopFault(const Grid& grid) {
    const CheckResult dots = CheckNodeBars(grid);
    if (dots.Broken()) return dots.message;
    const auto edges = BarEdges(grid);
    if (edges.empty()) return "no loop";
    std::map<Dot, std::vector<Dot>> next;
    for (const auto& [from, to] : edges) {
        next[from].push_back(to);
        next[to].push_back(from);
    }
    // Every dot on a bar has two: walk the loop from one of them and see whether it holds all.
    std::set<Dot> seen;
    std::vector<Dot> open{edges.begin()->first};
    while (!open.empty()) {
        const Dot dot = open.back();
        open.pop_back();
        if (!seen.insert(dot).second) continue;
        for (const Dot& other : next[dot]) open.push_back(other);
    }
    return seen.size() == next.size() ? "" : "more than one loop";
}

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
