// Drawing the board: edges (gap, grid mark, bar or X), cells (colour square and clue) and the whole
// board, onto a Canvas in the board's twips.
#pragma once

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_geometry.h"
#include "play/colour_scheme.h"
#include "seams/canvas.h"

namespace ringlace {

class BoardPainter {
public:
    BoardPainter(Canvas& canvas, const BoardGeometry& geometry, const Settings& settings,
                 const SchemeColours& scheme)
        : canvas_(canvas), geometry_(geometry), settings_(settings), scheme_(scheme) {}

    // One edge in the given state. B and R sides are drawn as the T and L sides of the next cell.
    void DrawEdge(int r, int c, Side side, EdgeState value);
    // The middle three fifths of the cell in its colour (scheme colour 2 when uncoloured), then
    // its clue centred.
    void PaintCell(const Grid& grid, int r, int c, std::int32_t colour);
    // Every edge of the grid. Drawing only reads the grid.
    void DrawAllEdges(const Grid& grid);
    // Clears the board and draws everything.
    void RedrawBoard(const Grid& grid);

private:
    CanvasFont NumberFont() const;
    std::int32_t Background() const { return scheme_[kBoardColour]; }

    Canvas& canvas_;
    const BoardGeometry& geometry_;
    const Settings& settings_;
    const SchemeColours& scheme_;
};

}  // namespace ringlace
