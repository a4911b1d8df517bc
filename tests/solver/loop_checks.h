// What the counter's tests compare it with, written without any of its code: every loop of a tiny
// grid found by brute force, and a check that the bars of a grid form one loop matching the clues.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "model/grid.h"
#include "solver/solution_counter.h"

namespace ringlace::test {

// A grid of the size with the clues, given row by row with ' ' for no clue.
Grid GridWithClues(int rows, int cols, const std::string& clues);
// The grid of a puzzle record (size, code and clues; anything after the clues is ignored).
Grid GridOfRecord(const std::string& record);

// An edge set of a grid of at most 64 edges, one bit per edge: the horizontal edges (i, j)-(i, j+1)
// row by row, then the vertical ones (i, j)-(i+1, j).
using EdgeSet = std::uint64_t;

// Every edge set of the grid that is one simple closed loop, found by walking every cycle from its
// lowest dot. The grid needs (rows + 1) * cols + rows * (cols + 1) <= 64.
std::set<EdgeSet> AllLoops(int rows, int cols);
// The clue of every cell for the loop, row by row: its number of loop edges, ' ' for a cell boxed
// in on all four sides.
std::string CluesOf(int rows, int cols, EdgeSet loop);
// Whether every clue of the grid counts the loop's edges on its sides.
bool MatchesClues(const Grid& grid, EdgeSet loop);
EdgeSet EdgesOf(const FoundLoop& loop);

// "" when the bars of the grid form one closed loop that matches every clue; what is wrong if not.
std::string LoopFault(const Grid& grid);

}  // namespace ringlace::test
