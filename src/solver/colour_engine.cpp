#include "solver/colour_engine.h"

#include <array>
#include <bit>
#include <optional>

#include "solver/colouring.h"
#include "solver/corner_rules.h"
#include "solver/direct_lines.h"

namespace ringlace {

namespace {

// Sides in the order the colour and edge sweeps take them.
constexpr Side kSweepSides[] = {Side::Left, Side::Right, Side::Top, Side::Bottom};

// The colours of the neighbours left, up, right, down, read once when a cell is visited.
struct Neighbours {
    std::int32_t left, up, right, down;
};

Neighbours NeighboursOf(const Grid& grid, int r, int c) {
    return {grid.CellColour[r][c - 1], grid.CellColour[r - 1][c], grid.CellColour[r][c + 1],
            grid.CellColour[r + 1][c]};
}

// The neighbour pairs in the order the clue rules try them, with the two other neighbours.
struct Pair {
    int first, second, other1, other2;  // indexes into {left, up, right, down}
};
constexpr Pair kPairs[] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2},
                           {1, 2, 0, 3}, {1, 3, 0, 2}, {2, 3, 0, 1}};
// Positions of left, up, right, down relative to the cell.
constexpr int kNr[] = {0, -1, 0, 1};
constexpr int kNc[] = {-1, 0, 1, 0};

// The rule at every cell, or at the cells its clue site allows (see SiteOf).
template <typename Rule>
void ForEachCell(Grid& grid, RuleVisits& visits, LocalRule id, Rule rule) {
    visits.Sweep(grid, id, 1, grid.Rows, 1, grid.Cols, rule);
}

// A bar on the border has the inside of the loop on its cell's side.
void BorderBars(Grid& grid, RuleVisits& visits) {
    const auto along = [&grid, &visits](LocalRule id, int r0, int r1, int c0, int c1, Side side) {
        visits.Sweep(grid, id, r0, r1, c0, c1, [&grid, &visits, side](int r, int c) {
            if (grid.CellEdge[r][c][side] == Bar) visits.SetColour(grid, r, c, Yellow);
        });
    };
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    along(LocalRule::BorderBarsTop, 1, 1, 1, cols, Side::Top);
    along(LocalRule::BorderBarsBottom, rows, rows, 1, cols, Side::Bottom);
    along(LocalRule::BorderBarsLeft, 1, rows, 1, 1, Side::Left);
    along(LocalRule::BorderBarsRight, 1, rows, cols, cols, Side::Right);
}

// A "0" has no bar: the cell and its four neighbours share one colour.
void ZeroClues(Grid& grid, RuleVisits& visits) {
    ForEachCell(grid, visits, LocalRule::ZeroClue, [&grid, &visits](int r, int c) {
        const Neighbours n = NeighboursOf(grid, r, c);
        std::int32_t colour = 0;
        for (std::int32_t candidate : {n.left, n.right, n.up, n.down})
            if (colour == 0 && candidate != 0) colour = candidate;
        if (colour == 0) return;
        visits.SetColour(grid, r, c, colour);
        for (int k = 0; k < 4; ++k) visits.SetColour(grid, r + kNr[k], c + kNc[k], colour);
    });
}

// A "2" with two neighbours of one colour: the other two have the other colour.
void TwoClues(Grid& grid, RuleVisits& visits) {
    ForEachCell(grid, visits, LocalRule::TwoClue, [&grid, &visits](int r, int c) {
        const Neighbours n = NeighboursOf(grid, r, c);
        const std::array<std::int32_t, 4> colours{n.left, n.up, n.right, n.down};
        for (const Pair& pair : kPairs) {
            const std::int32_t k = colours[static_cast<std::size_t>(pair.first)];
            if (k == 0 || k != colours[static_cast<std::size_t>(pair.second)]) continue;
            visits.SetColour(grid, r + kNr[pair.other1], c + kNc[pair.other1], OppositeColour(k));
            visits.SetColour(grid, r + kNr[pair.other2], c + kNc[pair.other2], OppositeColour(k));
        }
    });
}

// A "1" (or a "3") with two neighbours of one colour takes that colour (or the other one).
void OneAndThreeClues(Grid& grid, RuleVisits& visits, ClueValue clue) {
    ForEachCell(grid, visits, clue == 1 ? LocalRule::OneClue : LocalRule::ThreeClue,
                [&grid, &visits, clue](int r, int c) {
                    const Neighbours n = NeighboursOf(grid, r, c);
                    const std::array<std::int32_t, 4> colours{n.left, n.up, n.right, n.down};
                    for (const Pair& pair : kPairs) {
                        const std::int32_t k = colours[static_cast<std::size_t>(pair.first)];
                        if (k == 0 || k != colours[static_cast<std::size_t>(pair.second)]) continue;
                        visits.SetColour(grid, r, c, clue == 1 ? k : OppositeColour(k));
                        return;
                    }
                });
}

// Four cells around a dot are never coloured like a checkerboard: the dot would carry four bars.
void NoCheckerboard(Grid& grid, RuleVisits& visits) {
    ForEachCell(grid, visits, LocalRule::NoCheckerboard, [&grid, &visits](int r, int c) {
        const std::int32_t a = grid.CellColour[r][c];
        const std::int32_t b = grid.CellColour[r][c + 1];
        const std::int32_t cc = grid.CellColour[r + 1][c];
        const std::int32_t d = grid.CellColour[r + 1][c + 1];
        if (a != 0 && a == d) {
            if (cc != 0 && cc != a)
                visits.SetColour(grid, r, c + 1, OppositeColour(cc));
            else if (b != 0 && b != a)
                visits.SetColour(grid, r + 1, c, OppositeColour(b));
        }
        if (b != 0 && b == cc) {
            if (a != 0 && a != b)
                visits.SetColour(grid, r + 1, c + 1, OppositeColour(a));
            else if (d != 0 && d != b)
                visits.SetColour(grid, r, c, OppositeColour(d));
        }
    });
}

// The sides of cell (r, c), as bits in sweep order, for which take(neighbour's colour, edge)
// holds. All four are read before any is acted on: acting on one side changes nothing another
// side reads. Most visits act on none, so no side costs a branch of its own.
template <typename Take>
unsigned SidesWhere(const Grid& grid, int r, int c, Take take) {
    unsigned sides = 0;
    for (unsigned k = 0; k < 4; ++k) {
        const Side side = kSweepSides[k];
        const bool taken =
            take(grid.CellColour[r + RowStep(side)][c + ColStep(side)], grid.CellEdge[r][c][side]);
        sides |= static_cast<unsigned>(taken) << k;
    }
    return sides;
}

// Calls act(side) for the sides given by SidesWhere, in sweep order.
template <typename Act>
void ForSides(unsigned sides, Act act) {
    for (; sides != 0; sides &= sides - 1) act(kSweepSides[std::countr_zero(sides)]);
}

// Across a Bar the colour changes; across an X it stays. Only uncoloured neighbours are filled.
void AcrossEdges(Grid& grid, RuleVisits& visits, EdgeState edge) {
    ForEachCell(grid, visits, edge == Bar ? LocalRule::AcrossBars : LocalRule::AcrossCrosses,
                [&grid, &visits, edge](int r, int c) {
                    const std::int32_t colour = grid.CellColour[r][c];
                    if (colour == 0) return;
                    const std::int32_t given = edge == Bar ? OppositeColour(colour) : colour;
                    const unsigned sides =
                        SidesWhere(grid, r, c, [edge](std::int32_t neighbour, EdgeState state) {
                            return (state == edge) & (neighbour == 0);
                        });
                    ForSides(sides, [&](Side side) {
                        visits.SetColour(grid, r + RowStep(side), c + ColStep(side), given);
                    });
                });
}

void EdgesFromColours(Grid& grid, RuleVisits& visits) {
    ForEachCell(grid, visits, LocalRule::BarsFromColours, [&grid](int r, int c) {
        const std::int32_t colour = grid.CellColour[r][c];
        if (colour == 0) return;
        const std::int32_t other = OppositeColour(colour);
        const unsigned sides =
            SidesWhere(grid, r, c, [other](std::int32_t neighbour, EdgeState state) {
                return (neighbour == other) & (state == Free);
            });
        ForSides(sides, [&](Side side) { grid.SetEdge(r, c, side, Bar); });
    });
    ForEachCell(grid, visits, LocalRule::CrossesFromColours, [&grid](int r, int c) {
        const std::int32_t colour = grid.CellColour[r][c];
        if (colour == 0) return;
        // An edge already X is not written again: that would change nothing.
        const unsigned sides =
            SidesWhere(grid, r, c, [colour](std::int32_t neighbour, EdgeState state) {
                return (neighbour == colour) & (state != XMark);
            });
        ForSides(sides, [&](Side side) { grid.SetEdge(r, c, side, XMark); });
    });
}

}  // namespace

int NodeBarsAt(const Grid& grid, int r, int c) {
    return (grid.CellEdge[r][c][Side::Top] == Bar) + (grid.CellEdge[r][c][Side::Left] == Bar) +
           (grid.CellEdge[r - 1][c][Side::Left] == Bar) +
           (grid.CellEdge[r][c - 1][Side::Top] == Bar);
}

void ColourRules(Grid& grid, RuleVisits& visits) {
    BorderBars(grid, visits);
    ZeroClues(grid, visits);
    TwoClues(grid, visits);
    OneAndThreeClues(grid, visits, 1);
    OneAndThreeClues(grid, visits, 3);
    NoCheckerboard(grid, visits);
    AcrossEdges(grid, visits, Bar);
    AcrossEdges(grid, visits, XMark);
}

void PatternRules(Grid& grid, RuleVisits& visits) {
    EdgesFromColours(grid, visits);
    CornerRules(grid, visits);
}

namespace {

// The marks of what the rules last saw are kept from one run to the next: a trial changes a few
// cells, so the next run visits only the cells around them.
std::optional<RuleVisits>& EngineVisits() {
    thread_local std::optional<RuleVisits> visits;
    return visits;
}

// The engine's marks, brought up to date with the grid.
RuleVisits& VisitsOn(const Grid& grid) {
    std::optional<RuleVisits>& visits = EngineVisits();
    if (visits)
        visits->Resume(grid);
    else
        visits.emplace(grid);
    return *visits;
}

}  // namespace

void EngineDirectLines(Grid& grid, RuleWatch* watch) {
    RuleVisits& visits = VisitsOn(grid);
    visits.Watch(watch);
    SolveDirectLines(grid, visits);
    visits.Watch(nullptr);
}

EngineMarks SaveEngineMarks(const Grid& grid) {
    return VisitsOn(grid).LeftToVisit();
}

void RestoreEngineMarks(const Grid& grid, const EngineMarks& marks) {
    EngineVisits()->ComeBack(grid, marks);
}

void ColourEngine(Grid& grid, RuleWatch* watch) {
    RuleVisits& visits = VisitsOn(grid);
    visits.Watch(watch);
    // The colour and pattern rules never read the dot links, and every edge they write goes
    // through SetEdge, which keeps the links built: they are built once, before the first direct
    // lines, and only when there are clues (without, the direct lines do nothing). Every side of a
    // real cell is written through SetEdge, whatever wrote it since the last run: only the dots on
    // the frame can be out of date.
    const bool clued = HasClues(grid);
    for (int pass = 1; pass <= 3; ++pass) {
        ColourRules(grid, visits);
        PatternRules(grid, visits);
        if (!clued) continue;
        if (pass == 1) RefreshFrameLinks(grid);
        DirectLinesOnBuiltLinks(grid, visits);
    }
    visits.Watch(nullptr);
}

}  // namespace ringlace
