// A puzzle as clues alone, the way other programs and people write puzzles down: a size and a
// clue (or none) per cell, with no solution and no entries.
#pragma once

#include <vector>

#include "model/grid.h"

namespace ringlace {

struct ClueGrid {
    int rows = 0;
    int cols = 0;
    std::vector<ClueValue> clues;  // row by row, left to right; kNoClue for a blank cell

    bool operator==(const ClueGrid&) const = default;
};

// The grid's size and clues.
ClueGrid CluesOf(const Grid& grid);

// Sets the grid up as the puzzle of these clues: every side Free, no colours, the clue sum
// counted. The difficulty code and the stored solution are the caller's. The clue grid must fit
// the grid (1..MaxRows x 1..MaxCols, one clue per cell).
void PlaceClues(Grid& grid, const ClueGrid& clues);

}  // namespace ringlace
