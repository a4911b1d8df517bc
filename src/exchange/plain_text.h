// The plain text grid: one line per row, one character per cell, the clue digit or "." for none.
// Other programs and people write puzzles this way; the program writes it and reads it back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/clue_grid.h"

namespace ringlace {

// The lines of the grid, without line ends.
std::vector<std::string> PlainTextLines(const ClueGrid& clues);

}  // namespace ringlace
