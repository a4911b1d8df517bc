// Places where a solved loop could be changed locally without breaking a clue: a cell whose bars
// can be exchanged for its other sides because it and every cell the exchange touches are blank
// and the dots the new path would use are free. Such a place means a second loop exists.
#pragma once

#include <vector>

#include "model/grid.h"

namespace ringlace {

enum class AmbiguityMode { List, WriteClues };

// The number of finds (a cell matching two patterns counts twice). List mode appends the cells'
// numbers to cells; WriteClues mode writes into each found cell the clue that settles it.
int FindLinkAmbiguities(Grid& grid, AmbiguityMode mode, std::vector<int>& cells);

// The cells found, in the order found; empty when the link looks unique.
std::vector<int> CheckLinkUnique(Grid& grid);

}  // namespace ringlace
