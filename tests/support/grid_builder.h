// Test grids written as short strings: one text per row, a digit for a clue and a blank for none.
#pragma once

#include <string>
#include <vector>

#include "model/grid.h"

namespace ringlace::test {

// A grid of those clues with every side Free and the frame Pink, as after a load.
Grid GridFromRows(const std::vector<std::string>& rows);

// The same from the clues in one text, row after row, cut or padded with blanks to rows x cols.
Grid GridFromClues(int rows, int cols, std::string clues);

// The sides of cell (r, c) named by letters ("LT") set to state.
void SetSides(Grid& grid, int r, int c, const std::string& sides, EdgeState state);

// The four sides of cell (r, c) as digits L, T, R, B ("0120": Free, Bar, X); Outside shows as "-".
std::string SidesOf(const Grid& grid, int r, int c);

// Bars all around the block of cells from (top, left) to (bottom, right).
void LoopAround(Grid& grid, int top, int left, int bottom, int right);

// Bars round the cells marked "#" in the region, one text a row from row 1.
void BarsAroundRegion(Grid& grid, const std::vector<std::string>& region);

// Record n of a puzzle file as a grid; the test fails when it cannot be read.
Grid RecordGrid(const std::string& file, int n);

// A grid holding the loop of a solution record's letters as Bars (every other side Free).
Grid SolvedGrid(const std::vector<std::string>& rows, const std::string& letters);

}  // namespace ringlace::test
