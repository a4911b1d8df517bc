// Puzzles whose clues are only 0s and 3s. The loop is reshaped to hold more cells with three Bars,
// every cell with 0 or 3 Bars shows its count, and the share of such cells must fall in a band
// that depends on the grid's size.
#pragma once

#include "create/creation.h"

namespace ringlace {

// The lower end b of the band [b, b + 4] of shown cells for a grid of n cells: 52 below 81, then
// 45, 40 from 100, 36 from 200, 32 from 400.
int ZeroThreeBand(int cells);

// Clues from the loop, with the loop first reshaped: a lone Bar in a clue-free neighbourhood
// becomes a U, and a loop running around three sides of two cells is rerouted so that one of them
// has three Bars. Afterwards Clue (and OrigClue) is "3" for three Bars, "0" for none, blank
// otherwise.
void Make03Clues(Grid& grid);

// 0 made, -99 cancelled. The puzzle keeps its loop and clues in the grid.
CreateResult Create03Only(CreateContext& ctx, int rows, int cols);

}  // namespace ringlace
