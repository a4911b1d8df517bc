// A puzzle as a spreadsheet for printing: the clue grid on the left and, beside it, the same grid
// with the loop drawn as cell borders, each under a title.
#pragma once

#include <string>

#include "model/grid.h"

namespace ringlace {

// Where the loop of the solution grid comes from: the stored solution letters, or the bars the
// grid already holds (a creator's freshly made loop).
enum class SheetLoop { StoredSolution, AsDrawn };

// Writes the sheet as an Excel 2.x file; false, with any old file left as it was, on failure.
// The grid itself is never changed.
bool WritePuzzleSheet(const Grid& grid, const std::string& fileName,
                      SheetLoop loop = SheetLoop::StoredSolution);

}  // namespace ringlace
