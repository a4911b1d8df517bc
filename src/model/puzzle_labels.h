// The texts beside the board that describe the puzzle shown, made from the puzzle and its place.
#pragma once

#include <string>

#include "model/grid.h"
#include "model/puzzle_place.h"

namespace ringlace {

struct PuzzleLabels {
    std::string fileName;      // the puzzle file's own name
    std::string filePath;      // its full path (the file label's tool tip)
    std::string puzzleNumber;  // the puzzle-number box
    std::string puzzleCount;   // " of 25"
    std::string size;          // "10x10"
    std::string difficulty;    // "Easy", "Medium" or "Hard"
    std::string openShare;     // "62%"
    bool operator==(const PuzzleLabels&) const = default;
};

// With no puzzle shown (place.number 0) only the size is given.
PuzzleLabels DescribePuzzle(const Grid& grid, const PuzzlePlace& place);

}  // namespace ringlace
