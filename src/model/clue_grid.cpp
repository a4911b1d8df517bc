#include "model/clue_grid.h"

namespace ringlace {

ClueGrid CluesOf(const Grid& grid) {
    ClueGrid clues{grid.Rows, grid.Cols, {}};
    clues.clues.assign(grid.Clue.begin() + 1, grid.Clue.begin() + 1 + grid.NumCells);
    return clues;
}

void PlaceClues(Grid& grid, const ClueGrid& clues) {
    grid.Rows = clues.rows;
    grid.Cols = clues.cols;
    grid.BuildCellIndex();
    grid.BuildNodeEdgeRef();
    grid.Clue.fill(kNoClue);
    grid.OrigClue.fill(kNoClue);
    grid.ResetGrid();
    grid.ResetColours();
    grid.ClueSum = 0;
    for (int k = 1; k <= grid.NumCells; ++k) {
        grid.Clue[k] = clues.clues[static_cast<std::size_t>(k - 1)];
        grid.OrigClue[k] = grid.Clue[k];
        grid.ClueSum += grid.ClueNumber(k);
    }
}

}  // namespace ringlace
