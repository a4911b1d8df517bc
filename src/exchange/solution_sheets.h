// The pages at the end of a puzzle book that gather the stored solutions: each a small grid under
// a label naming its puzzle, as many to a page as fit, row by row.
#pragma once

#include <string>
#include <vector>

#include "exchange/puzzle_picture.h"
#include "seams/canvas.h"

namespace ringlace {

// A solution for the sheets: its puzzle's record, loaded only when the sheet is drawn, so a long
// book holds text rather than grids; the label; and the small solution's size.
struct SheetSolution {
    std::string record;
    std::string label;
    PictureSize size;
};

// The sheets for these solutions, in their order, laid out in an area of the given size.
std::vector<Drawing> SolutionSheets(const std::vector<SheetSolution>& solutions, PictureSize area,
                                    Canvas& measuring, const PaperStyle& style);

}  // namespace ringlace
