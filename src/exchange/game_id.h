// The square-grid game ID that loop puzzles are commonly shared as: "WxHt0:" (columns, rows, the
// square grid), then the cells row by row: a digit 0-3 is a clue, a letter a-z a run of 1-26
// blank cells ("zc" is 29).
#pragma once

#include <optional>
#include <string>

#include "model/clue_grid.h"

namespace ringlace {

std::string GameId(const ClueGrid& clues);

// The clues of a game ID (blanks around it are ignored); nothing when it is not one, its size is
// outside 1..maxRows x 1..maxCols, its cells run past the grid or end before it is full, or its
// grid is not the square one.
std::optional<ClueGrid> ReadGameId(const std::string& text, int maxRows, int maxCols);

}  // namespace ringlace
