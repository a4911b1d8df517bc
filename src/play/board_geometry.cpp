#include "play/board_geometry.h"

#include <algorithm>

#include "model/rounding.h"

namespace ringlace {

namespace {

void SetFractions(BoardGeometry& geometry) {
    const double s = geometry.CellSize;
    geometry.Quarter = RoundToInt(s / 4);
    geometry.Half = RoundToInt(s / 2);
    geometry.Third = RoundToInt(s / 3);
    geometry.Twelfth = RoundToInt(s / 12);
}

}  // namespace

void FitBoard(BoardGeometry& geometry, const Grid& grid, Canvas& canvas,
              const std::string& fontName) {
    const int boardWidth = geometry.FrameWidth - 32;
    // At least one twip: a frame squeezed to nothing must not leave cells of no size to divide by.
    geometry.CellSize = std::clamp(RoundToInt(boardWidth * 0.95 / grid.MaxDim), 1, kLargestCell);
    SetFractions(geometry);
    geometry.BaseCellSize = geometry.CellSize;
    LayOutBoard(geometry, grid, canvas, fontName);
}

void LayOutBoard(BoardGeometry& geometry, const Grid& grid, Canvas& canvas,
                 const std::string& fontName) {
    const int s = geometry.CellSize;
    geometry.BoardWidth = RoundToInt(s * 1.1 * grid.Cols + 268);
    geometry.BoardHeight = RoundToInt(s * 1.1 * grid.Rows + 268);
    // The previous layout's quarter nudges the grid, as it always has.
    const double q = geometry.Quarter;
    geometry.GridLeft = RoundToInt((geometry.BoardWidth - 200.0 - grid.Cols * s) / 2 + q / 2);
    geometry.GridTop = RoundToInt((geometry.BoardHeight - 200.0 - grid.Rows * s) / 2 + q);
    SetFractions(geometry);
    FitNumberFont(geometry, canvas, fontName);
    geometry.BoardLeft = RoundToInt((geometry.FrameWidth - geometry.BoardWidth) / 2.0);
    geometry.BoardTop = RoundToInt((geometry.FrameHeight - geometry.BoardHeight) / 2.0);
    geometry.LineFactor = s >= 1201 ? 2 : 1;
}

void FitNumberFont(BoardGeometry& geometry, Canvas& canvas, const std::string& fontName) {
    const double s = geometry.CellSize;
    for (int size = 36; size >= 3; --size) {
        const TextSize measured =
            canvas.MeasureText("W", CanvasFont{fontName, double(size), false});
        const double margin = std::max((s - measured.width) / 2, (s - measured.height) / 2);
        if (margin >= s / 4) {
            geometry.NumberFontSize = size;
            return;
        }
    }
}

}  // namespace ringlace
