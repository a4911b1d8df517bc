// Puzzles that come from elsewhere: read from pasted text, and made into a puzzle of the program.
#pragma once

#include <optional>
#include <string>

#include "model/clue_grid.h"
#include "model/grid.h"
#include "model/puzzle_place.h"

namespace ringlace {

// Pasted text as a puzzle: a game ID, or else a text grid with the clipboard's rules. Nothing when
// it is neither, or holds nothing but blanks.
std::optional<ClueGrid> ReadPastedPuzzle(const std::string& text, int maxRows, int maxCols);

// The puzzle of imported clues: code "ME" (Medium), no stored solution, no bars.
Grid ImportedPuzzle(const ClueGrid& clues);

// The header line of exported pictures: "Puz# 3 of 25 (Easy) : File: /p/set.rlc", with the
// caller's word in front of the number.
std::string PuzzleHeader(const std::string& word, const Grid& grid, const PuzzlePlace& place);

}  // namespace ringlace
