#include "solver/colour_engine.h"

#include <array>

#include "solver/colouring.h"
#include "solver/corner_rules.h"
#include "solver/direct_lines.h"

namespace ringlace {

namespace {

// Sides in the order the colour and edge sweeps take them.
constexpr Side kSweepSides[] = {Side::Left, Side::Right, Side::Top, Side::Bottom};

ClueValue ClueAt(const Grid& grid, int r, int c) {
    return grid.Clue[grid.CellNum[r][c]];
}

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

template <typename Rule>
void ForEachCell(Grid& grid, Rule rule) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) rule(r, c);
}

void BorderBars(Grid& grid) {
    for (int c = 1; c <= grid.Cols; ++c)
        if (grid.CellEdge[1][c][Side::Top] == Bar) SetCellColour(grid, 1, c, Yellow);
    for (int c = 1; c <= grid.Cols; ++c)
        if (grid.CellEdge[grid.Rows][c][Side::Bottom] == Bar)
            SetCellColour(grid, grid.Rows, c, Yellow);
    for (int r = 1; r <= grid.Rows; ++r)
        if (grid.CellEdge[r][1][Side::Left] == Bar) SetCellColour(grid, r, 1, Yellow);
    for (int r = 1; r <= grid.Rows; ++r)
        if (grid.CellEdge[r][grid.Cols][Side::Right] == Bar)
            SetCellColour(grid, r, grid.Cols, Yellow);
}

// A "0" has no bar: the cell and its four neighbours share one colour.
void ZeroClues(Grid& grid) {
    ForEachCell(grid, [&grid](int r, int c) {
        if (ClueAt(grid, r, c) != 0) return;
        const Neighbours n = NeighboursOf(grid, r, c);
        std::int32_t colour = 0;
        for (std::int32_t candidate : {n.left, n.right, n.up, n.down})
            if (colour == 0 && candidate != 0) colour = candidate;
        if (colour == 0) return;
        SetCellColour(grid, r, c, colour);
        for (int k = 0; k < 4; ++k) SetCellColour(grid, r + kNr[k], c + kNc[k], colour);
    });
}

// A "2" with two neighbours of one colour: the other two have the other colour.
void TwoClues(Grid& grid) {
    ForEachCell(grid, [&grid](int r, int c) {
        if (ClueAt(grid, r, c) != 2) return;
        const Neighbours n = NeighboursOf(grid, r, c);
        const std::array<std::int32_t, 4> colours{n.left, n.up, n.right, n.down};
        for (const Pair& pair : kPairs) {
            const std::int32_t k = colours[static_cast<std::size_t>(pair.first)];
            if (k == 0 || k != colours[static_cast<std::size_t>(pair.second)]) continue;
            SetCellColour(grid, r + kNr[pair.other1], c + kNc[pair.other1], OppositeColour(k));
            SetCellColour(grid, r + kNr[pair.other2], c + kNc[pair.other2], OppositeColour(k));
        }
    });
}

// A "1" (or a "3") with two neighbours of one colour takes that colour (or the other one).
void OneAndThreeClues(Grid& grid, ClueValue clue) {
    ForEachCell(grid, [&grid, clue](int r, int c) {
        if (ClueAt(grid, r, c) != clue) return;
        const Neighbours n = NeighboursOf(grid, r, c);
        const std::array<std::int32_t, 4> colours{n.left, n.up, n.right, n.down};
        for (const Pair& pair : kPairs) {
            const std::int32_t k = colours[static_cast<std::size_t>(pair.first)];
            if (k == 0 || k != colours[static_cast<std::size_t>(pair.second)]) continue;
            SetCellColour(grid, r, c, clue == 1 ? k : OppositeColour(k));
            return;
        }
    });
}

// Four cells around a dot are never coloured like a checkerboard: the dot would carry four bars.
void NoCheckerboard(Grid& grid) {
    ForEachCell(grid, [&grid](int r, int c) {
        const std::int32_t a = grid.CellColour[r][c];
        const std::int32_t b = grid.CellColour[r][c + 1];
        const std::int32_t cc = grid.CellColour[r + 1][c];
        const std::int32_t d = grid.CellColour[r + 1][c + 1];
        if (a != 0 && a == d) {
            if (cc != 0 && cc != a)
                SetCellColour(grid, r, c + 1, OppositeColour(cc));
            else if (b != 0 && b != a)
                SetCellColour(grid, r + 1, c, OppositeColour(b));
        }
        if (b != 0 && b == cc) {
            if (a != 0 && a != b)
                SetCellColour(grid, r + 1, c + 1, OppositeColour(a));
            else if (d != 0 && d != b)
                SetCellColour(grid, r, c, OppositeColour(d));
        }
    });
}

// Across a Bar the colour changes; across an X it stays. Only uncoloured neighbours are filled.
void AcrossEdges(Grid& grid, EdgeState edge) {
    ForEachCell(grid, [&grid, edge](int r, int c) {
        const std::int32_t colour = grid.CellColour[r][c];
        if (colour == 0) return;
        const std::int32_t given = edge == Bar ? OppositeColour(colour) : colour;
        for (Side side : kSweepSides) {
            if (grid.CellEdge[r][c][side] != edge) continue;
            const int nr = r + RowStep(side);
            const int nc = c + ColStep(side);
            if (grid.CellColour[nr][nc] == 0) SetCellColour(grid, nr, nc, given);
        }
    });
}

void EdgesFromColours(Grid& grid) {
    ForEachCell(grid, [&grid](int r, int c) {
        const std::int32_t colour = grid.CellColour[r][c];
        if (colour == 0) return;
        for (Side side : kSweepSides) {
            const std::int32_t neighbour = grid.CellColour[r + RowStep(side)][c + ColStep(side)];
            if (neighbour == OppositeColour(colour) && grid.CellEdge[r][c][side] == Free)
                grid.SetEdge(r, c, side, Bar);
        }
    });
    ForEachCell(grid, [&grid](int r, int c) {
        const std::int32_t colour = grid.CellColour[r][c];
        if (colour == 0) return;
        for (Side side : kSweepSides)
            if (grid.CellColour[r + RowStep(side)][c + ColStep(side)] == colour)
                grid.SetEdge(r, c, side, XMark);
    });
}

}  // namespace

int NodeBarsAt(const Grid& grid, int r, int c) {
    return (grid.CellEdge[r][c][Side::Top] == Bar) + (grid.CellEdge[r][c][Side::Left] == Bar) +
           (grid.CellEdge[r - 1][c][Side::Left] == Bar) +
           (grid.CellEdge[r][c - 1][Side::Top] == Bar);
}

void ColourRules(Grid& grid) {
    BorderBars(grid);
    ZeroClues(grid);
    TwoClues(grid);
    OneAndThreeClues(grid, 1);
    OneAndThreeClues(grid, 3);
    NoCheckerboard(grid);
    AcrossEdges(grid, Bar);
    AcrossEdges(grid, XMark);
}

void PatternRules(Grid& grid) {
    EdgesFromColours(grid);
    CornerRules(grid);
}

void ColourEngine(Grid& grid) {
    for (int pass = 1; pass <= 3; ++pass) {
        ColourRules(grid);
        PatternRules(grid);
        SolveDirectLines(grid);
    }
}

}  // namespace ringlace
