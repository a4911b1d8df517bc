// The puzzle as it stands on paper: a header line above the clue grid, at the printed page's
// sizes (twips). The clipboard's picture is drawn with it, and so can a printed page be.
#pragma once

#include <string>

#include "exchange/text_picture.h"
#include "model/grid.h"
#include "seams/canvas.h"

namespace ringlace {

// How printed puzzles look, as the options set it.
struct PaperStyle {
    std::string fontName = "Arial";
    std::string cornerChar = "+";  // printed at every dot; empty for none
    bool rectangleCorner = false;  // a small black square at every dot instead
    bool printGrid = false;        // grey cell outlines
    int lineWidth = 2;             // width units of the loop's lines
};

inline constexpr std::int32_t kPaperGrey = Rgb(192, 192, 192);  // sixteen-colour palette entry 7

// The cell size on paper: 500 twips, 400 for grids of more than 16 rows or columns.
int PaperCellSize(const Grid& grid);

// The size of the picture DrawPuzzlePicture draws: the grid (or the header, when wider) inside a
// margin.
PictureSize PuzzlePictureSize(const Grid& grid, const std::string& header, Canvas& measuring,
                              const PaperStyle& style);

// Draws the header and the puzzle's clues at the dots the style asks for; the solution picture
// adds the stored loop as black lines.
void DrawPuzzlePicture(Canvas& canvas, const Grid& grid, const std::string& header,
                       const PaperStyle& style, PictureOf what);

}  // namespace ringlace
