// Composite creation for grids of 10 x 10 and more: four quadrant puzzles, each made and checked
// on its own, are laid into the grid around one seam row and one seam column; three of the four
// places where neighbouring quadrant loops face each other across a seam join the four loops into
// one; the seam cells get clues, and the share of blank cells is brought to the level's target.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "create/creation.h"

namespace ringlace {

// Quadrants 1 top left, 2 top right, 3 bottom left, 4 bottom right (index 0..3 here).
struct CompositeLayout {
    std::array<int, 4> quadRows{};
    std::array<int, 4> quadCols{};
    int seamRow = 0;
    int seamCol = 0;
};

// An even side 2h gives quadrants of h-1 and h with the seam at h; an odd side 2h+1 gives h and h
// with the seam at h+1. The top quadrants take the shorter rows, the left ones the shorter columns.
CompositeLayout LayoutFor(int rows, int cols);

// Cell (r, c) as five characters: its clue (a blank for none), then "L", "T", "R", "B" for the
// sides that are Bars and "." for the others.
std::string CellCode(const Grid& grid, int r, int c);
// The clue and the sides of a CellCode text (sides not named become Free).
void ApplyCellCode(Grid& grid, int r, int c, const std::string& code);

// A quadrant puzzle as CellCode texts in cell order.
using Quadrant = std::vector<std::string>;

// Lays the four quadrant puzzles into the grid (sized and cleared for the whole), joins their
// loops across the seams at every junction but leftOut (0 to 3: seam column top, seam column
// bottom, seam row left, seam row right), and gives the seam cells their clues. False when a seam
// offers no place for its junction, the left-out one included.
bool JoinQuadrants(Grid& grid, const CompositeLayout& layout,
                   const std::array<Quadrant, 4>& quadrants, int leftOut);

// 0 made; a quadrant's cancel code; 1 when a seam offers no place for a junction or the clues
// leave fewer blank cells than the target. The grid holds the joined loop and the clues.
CreateResult CreateComposite(CreateContext& ctx, int rows, int cols, int level);

}  // namespace ringlace
