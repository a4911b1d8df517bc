// Random orders of cells. Each cell draws a key Int(u x keyRange); the cells are sorted by key,
// and cells with equal keys by the text of their number ("17" before "2"). The creators walk
// these orders to pick the cell that grows the loop, loses its clue or gets one back.
#pragma once

#include <vector>

#include "model/random_source.h"

namespace ringlace {

// Key ranges: loop growth and the jumbo grid draw from 0..9997, the clue walks from 0..997.
inline constexpr int kGrowthKeys = 9998;
inline constexpr int kClueKeys = 998;

// The cells in random order; one draw per cell, in the order given.
std::vector<int> RandomOrder(RandomSource& random, const std::vector<int>& cells, int keyRange);

}  // namespace ringlace
