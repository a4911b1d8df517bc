// Solution letters: each cell's letter names the set of its sides that carry a bar.
#pragma once

#include <string>

#include "model/grid.h"

namespace ringlace {

// The letter for a set of bar sides written as side digits in increasing order ("12" = L and T).
// "" (no bar) is "X"; a set with no letter ("1234") gives "".
std::string EncodeCell(const std::string& digits);
// The side digits of a letter; a letter not in the table means no bar.
std::string DecodeCell(char letter);

// The letter of cell (r, c) from its current bars.
std::string CellLetter(const Grid& grid, int r, int c);
// The letters of every cell from the current bars, in cell order.
std::string SolutionLetters(const Grid& grid);
// SolutionCode from the current bars.
void MakeSolutionCode(Grid& grid);
// Every side Free, then the bars that the letters of SolutionCode name.
void ApplySolution(Grid& grid);

}  // namespace ringlace
