// The boxed text picture of a puzzle or of its stored solution: "+---+" borders and ":" walls
// round every cell, the clues in the middle, and in the solution the loop drawn with "#".
#pragma once

#include <string>
#include <vector>

#include "model/grid.h"

namespace ringlace {

enum class PictureOf { Puzzle, Solution };

// The 2 x rows + 1 lines of the picture, 4 x cols + 1 characters each. The solution is the
// stored one; the grid's own bars are not read.
std::vector<std::string> TextPictureGrid(const Grid& grid, PictureOf what);

// The lines of the picture's file: an empty line, the header, an empty line, the picture, an
// empty line and the footer naming the program.
std::vector<std::string> TextPictureFile(const Grid& grid, const std::string& header,
                                         PictureOf what);

}  // namespace ringlace
