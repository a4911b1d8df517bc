// Where the board lies and how big its cells are, in twips. The board (a picture of its own size)
// sits inside a frame; the grid's dots are placed on the board.
#pragma once

#include <string>

#include "model/grid.h"
#include "seams/canvas.h"

namespace ringlace {

inline constexpr int kLargestCell = 600;

struct BoardGeometry {
    int CellSize = kLargestCell;
    int BaseCellSize = kLargestCell;  // as the last FitBoard set it; "Reset zoom" returns to it
    int Quarter = 150;
    int Half = 300;
    int Third = 200;
    int Twelfth = 50;
    int GridLeft = 0;  // board position of dot (1, 1)
    int GridTop = 0;
    int LineFactor = 1;  // 2 on very large cells, so lines keep their weight
    int NumberFontSize = 12;
    int BaseFontSize = 12;
    int FrameWidth = 0;  // the frame the board lies in
    int FrameHeight = 0;
    int BoardWidth = 0;
    int BoardHeight = 0;
    int BoardLeft = 0;  // the board's position in its frame
    int BoardTop = 0;

    int NodeX(int j) const { return GridLeft + (j - 1) * CellSize; }
    int NodeY(int i) const { return GridTop + (i - 1) * CellSize; }
};

// Sizes the cells so the whole grid fits the frame (at most kLargestCell), then lays out the
// board with LayOutBoard. The frame size must be set.
void FitBoard(BoardGeometry& geometry, const Grid& grid, Canvas& canvas,
              const std::string& fontName);

// Sizes the board for the current cell size, places the grid on it, chooses the clue font size and
// centres the board in its frame.
void LayOutBoard(BoardGeometry& geometry, const Grid& grid, Canvas& canvas,
                 const std::string& fontName);

// The largest clue font size (36 down to 3 points) that leaves a quarter of the cell free around
// a "W"; when none does, the size stays as it was.
void FitNumberFont(BoardGeometry& geometry, Canvas& canvas, const std::string& fontName);

}  // namespace ringlace
