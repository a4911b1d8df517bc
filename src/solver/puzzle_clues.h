// A copy of a grid's size and clues, to tell whether a later grid holds the same puzzle. What the
// solver keeps between runs (the rules' marks, the last sound entries) is worth keeping only for
// the same puzzle.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/grid.h"

namespace ringlace {

struct PuzzleClues {
    int rows = 0;  // 0 until a grid is taken
    int cols = 0;
    std::array<ClueValue, kCellNumbers> clues{};

    void Take(const Grid& grid) {
        rows = grid.Rows;
        cols = grid.Cols;
        clues = grid.Clue;
    }

    bool Same(const Grid& grid) const {
        const auto cells = static_cast<std::size_t>(grid.NumCells) + 1;
        return rows != 0 && grid.Rows == rows && grid.Cols == cols &&
               std::equal(clues.begin(), clues.begin() + cells, grid.Clue.begin());
    }
};

}  // namespace ringlace
