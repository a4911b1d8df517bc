// Grids drawn as text, loop and clues in one picture, and the test that Bars form one loop.
//
// A picture of R x C cells has 2R+1 lines of 2C+1 characters. Even lines (from 0) hold the dots
// "+" and between them the horizontal edges: "-" a Bar, "x" an X, blank nothing. Odd lines hold
// the vertical edges ("|" a Bar, "x" an X) and between them the cells: a digit for a clue, a blank
// or "." for none.
//
//   "+-+-+"
//   "|3  |"      a 1 x 2 grid, the loop around both cells, a "3" in the first
//   "+-+-+"
#pragma once

#include <string>
#include <vector>

#include "model/grid.h"

namespace ringlace::test {

// The grid of the picture, frame Pink, OrigClue equal to Clue.
Grid GridFromPicture(const std::vector<std::string>& lines);

// The clues row by row: a digit, or "." for none.
std::vector<std::string> ClueRows(const Grid& grid);

// The Bars form exactly one closed loop that never branches, every Bar is a side of a cell of the
// grid, and no side of the grid holds an X.
bool IsSingleLoop(const Grid& grid);

// Every clue shown equals the number of Bars around its cell.
bool CluesMatchLoop(const Grid& grid);

}  // namespace ringlace::test
