// The jumbo puzzle: 26 x 26 up to 50 x 50 cells, too large for the board, made for the
// spreadsheet file. Hard, with few 0s, and exactly one loop fits its clues.
#pragma once

#include "create/creation.h"

namespace ringlace {

// The largest and smallest sides a jumbo puzzle may have.
inline constexpr int kJumboMinSide = 17;
inline constexpr int kJumboMaxSide = 50;

// Makes rules puzzles on the jumbo settings, each with exactly one loop, until one has at most
// 2 % of its cells showing "0". The status line counts the tries. Created or Cancelled.
CreateResult CreateJumbo(CreateContext& ctx, int rows, int cols);

}  // namespace ringlace
