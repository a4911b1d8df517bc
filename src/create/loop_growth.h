// Random loops. A loop starts as the four sides of the centre cell and grows by rerouting one of
// its edges around a neighbouring cell whose two far corners are not on the loop, so it stays a
// single simple closed loop after every step. Every puzzle the program creates starts here.
#pragma once

#include <vector>

#include "model/grid.h"
#include "model/random_source.h"
#include "seams/run_context.h"

namespace ringlace {

// Sets the size and numbers the cells for it.
void SetCreateSize(Grid& grid, int rows, int cols);

// Clears the whole limit area (MaxRows x MaxCols, or the grid when it is larger): no clues, no
// colours, every side of a cell of the area Free, every other side Outside; then the frame of the
// current grid Pink.
void ResetGridForCreate(Grid& grid);

// Every side of every cell of the limit area Free, frame sides Outside.
void ClearAllEdges(Grid& grid);

// The four sides of the centre cell (Int((R+1)/2), Int((C+1)/2)) become Bars.
void SeedSquare(Grid& grid);

// Grows the loop in place until six cycles of four passes have ended without their last pass
// absorbing a cell. Yields to the host once per cycle.
void GrowLoop(Grid& grid, RandomSource& random, RunContext& run);

// One growth pass: the first cell in the order whose side in the pass's direction is a Bar and
// whose neighbour across it can be absorbed reroutes that Bar around the neighbour. 1 when a cell
// was absorbed, else 0.
int GrowLeft(Grid& grid, const std::vector<int>& order);
int GrowTop(Grid& grid, const std::vector<int>& order);
int GrowRight(Grid& grid, const std::vector<int>& order);
int GrowBottom(Grid& grid, const std::vector<int>& order);

// The loop reaches far enough: every row has at least two cells with two Bars or more, every
// column at least one.
bool CoverageTest(const Grid& grid);

}  // namespace ringlace
