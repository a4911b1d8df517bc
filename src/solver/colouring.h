// Cell colours in the solver: Yellow inside the loop, Pink outside (the frame is always Pink).
// Two cells sharing an edge differ in colour exactly when the edge is a Bar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/grid.h"

namespace ringlace {

// Yellow for Pink, Pink for Yellow, 0 for 0. Inline, as the next one: the colour rules ask for
// them at nearly every visit.
inline std::int32_t OppositeColour(std::int32_t colour) {
    if (colour == Yellow) return Pink;
    if (colour == Pink) return Yellow;
    return 0;
}

// Stores the colour, except Yellow on a frame cell: the outside of the grid is never inside.
inline void SetCellColour(Grid& grid, int r, int c, std::int32_t colour) {
    if (colour == Yellow && (r == 0 || r > grid.Rows || c == 0 || c > grid.Cols)) return;
    grid.CellColour[r][c] = colour;
}

// 1 when the colour would contradict a coloured neighbour: same colour across a Bar, or the
// other colour across an X.
int ColourConflicts(const Grid& grid, int r, int c, std::int32_t colour);

// Yellow plus Pink neighbours, plus one when both kinds are there.
int NeighbourColourScore(const Grid& grid, int r, int c);

// "Y", "P" or "0" per real cell, in cell order.
std::string ColourSignature(const Grid& grid);

// Every real cell's four sides and colour.
struct GridSnapshot {
    std::vector<SideTable<EdgeState>> sides;  // one per cell, row by row
    std::vector<std::int32_t> colours;        // one per cell
};
GridSnapshot SaveGridState(const Grid& grid);
// Writes the sides and colours back; every side that changed goes through SetEdge, so the
// neighbouring copies and the dot links agree again.
void RestoreGridState(Grid& grid, const GridSnapshot& snapshot);

// The order in which cells are tried: the most constrained first (highest score: decided sides
// plus coloured neighbours), ties by row, then column.
struct TrialCell {
    int key = 0;  // (9 - score) * 10000 + row * 100 + column: ascending is the trial order
    int row = 0;
    int col = 0;
    bool operator<(const TrialCell& other) const { return key < other.key; }
};
// Uncoloured real cells with a score above minScore - 1, in trial order.
std::vector<TrialCell> ColourTrialList(const Grid& grid, int minScore);

}  // namespace ringlace
