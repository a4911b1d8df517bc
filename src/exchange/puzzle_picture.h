// The puzzle as it stands on paper: a header line above the clue grid, at the printed page's
// sizes (twips). The printed page adds the small copy of the stored solution; the clipboard's
// picture is the header and the puzzle (or its solution) alone.
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

// Whether a printed page carries the small copy of the stored solution.
enum class PageSolution { Shown, LeftOut };

// How far right and down a printed page of this puzzle reaches, in twips from the page's
// printable corner, so that a page that would run off the paper can be drawn smaller.
PictureSize PrintedPageExtent(const Grid& grid, const std::string& header, Canvas& measuring,
                              const PaperStyle& style, PageSolution solution);

// One printed page: the header and the puzzle from (1200 + cell, 1200), then, when shown,
// "Solution:" at (1325, 12000) and the small solution from (1325, 12200).
void DrawPrintedPage(Canvas& canvas, const Grid& grid, const std::string& header,
                     const PaperStyle& style, PageSolution solution);

// The stored solution in 125-twip cells, each outlined in grey with its clue at 7 points, from
// (x, y); its size.
void DrawSmallSolution(Canvas& canvas, const Grid& grid, int x, int y, const PaperStyle& style);
PictureSize SmallSolutionSize(const Grid& grid);

// The font of the header, "Solution:" and the small solution's clues.
CanvasFont SmallFont(const PaperStyle& style);

}  // namespace ringlace
