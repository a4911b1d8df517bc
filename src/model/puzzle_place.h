// Where the puzzle on the board comes from: its file, its number there and how many the file holds.
#pragma once

#include <string>

namespace ringlace {

struct PuzzlePlace {
    std::string file;  // full path of the puzzle file
    int number = 0;    // 1-based number of the puzzle in it; 0 when none is shown
    int count = 0;     // number of puzzles in the file
};

}  // namespace ringlace
