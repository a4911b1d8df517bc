#include "solver/colouring.h"

#include <algorithm>
#include <cstring>

#include "solver/checks.h"

namespace ringlace {

int ColourConflicts(const Grid& grid, int r, int c, std::int32_t colour) {
    for (const Side side : kSides) {
        const std::int32_t neighbour = grid.CellColour[r + RowStep(side)][c + ColStep(side)];
        const EdgeState edge = grid.CellEdge[r][c][side];
        if (edge == Bar && neighbour == colour) return 1;
        if (edge == XMark && neighbour != 0 && neighbour == OppositeColour(colour)) return 1;
    }
    return 0;
}

int NeighbourColourScore(const Grid& grid, int r, int c) {
    int yellow = 0;
    int pink = 0;
    for (const Side side : kSides) {
        const std::int32_t neighbour = grid.CellColour[r + RowStep(side)][c + ColStep(side)];
        yellow += neighbour == Yellow;
        pink += neighbour == Pink;
    }
    return yellow + pink + (yellow >= 1 && pink >= 1 ? 1 : 0);
}

std::string ColourSignature(const Grid& grid) {
    std::string signature;
    signature.reserve(static_cast<std::size_t>(grid.NumCells));
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const std::int32_t colour = grid.CellColour[r][c];
            signature += colour == Yellow ? 'Y' : colour == Pink ? 'P' : '0';
        }
    }
    return signature;
}

GridSnapshot SaveGridState(const Grid& grid) {
    GridSnapshot snapshot;
    snapshot.sides.resize(static_cast<std::size_t>(grid.NumCells));
    snapshot.colours.resize(static_cast<std::size_t>(grid.NumCells));
    std::size_t cell = 0;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c, ++cell) {
            snapshot.sides[cell] = grid.CellEdge[r][c];
            snapshot.colours[cell] = grid.CellColour[r][c];
        }
    }
    return snapshot;
}

// A trial changes a few cells of many: a row, and then a cell, whose sides are as saved is passed
// over whole.
void RestoreGridState(Grid& grid, const GridSnapshot& snapshot) {
    const auto cols = static_cast<std::size_t>(grid.Cols);
    for (int r = 1; r <= grid.Rows; ++r) {
        const std::size_t first = static_cast<std::size_t>(r - 1) * cols;
        std::memcpy(&grid.CellColour[r][1], &snapshot.colours[first], cols * sizeof(std::int32_t));
        if (std::memcmp(&grid.CellEdge[r][1], &snapshot.sides[first],
                        cols * sizeof(SideTable<EdgeState>)) == 0)
            continue;
        for (int c = 1; c <= grid.Cols; ++c) {
            const SideTable<EdgeState>& saved =
                snapshot.sides[first + static_cast<std::size_t>(c - 1)];
            if (grid.CellEdge[r][c] == saved) continue;
            // Copies of one edge always agree, so an edge that holds its value is left alone.
            for (const Side s : kSides)
                if (grid.CellEdge[r][c][s] != saved[s]) grid.SetEdge(r, c, s, saved[s]);
        }
    }
}

std::vector<TrialCell> ColourTrialList(const Grid& grid, int minScore) {
    std::vector<TrialCell> list;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (grid.CellColour[r][c] != 0) continue;
            const int score =
                grid.CountBars(r, c) + CountXSides(grid, r, c) + NeighbourColourScore(grid, r, c);
            if (score < minScore) continue;
            list.push_back({(9 - score) * 10000 + r * 100 + c, r, c});
        }
    }
    std::sort(list.begin(), list.end());
    return list;
}

}  // namespace ringlace
