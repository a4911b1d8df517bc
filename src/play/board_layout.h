// Laying the board out: fitted to its frame, and zoomed (cells 10% smaller or larger, or back to
// the size the last fit chose).
#pragma once

#include <string>

#include "model/grid.h"
#include "play/board_geometry.h"
#include "play/play_state.h"
#include "seams/canvas.h"

namespace ringlace {

// Fits the cells to the frame (FitBoard) and hides the markers of the old layout; the check light
// goes back to neutral. The caller then draws the whole board.
void FitBoardToFrame(BoardGeometry& geometry, PlayState& play, const Grid& grid, Canvas& measuring,
                     const std::string& fontName);

enum class ZoomStep { Out, In, Reset };

// The board picture is drawn whole, so zooming in stops before its picture would grow beyond what
// a screen can hold in memory: 15 inches on its longer side.
inline constexpr int kLargestBoardTwips = 15 * kTwipsPerInch;

// Lays the board out again for the new cell size, the clue font a point larger or smaller within
// kSmallestNumberFont..kLargestNumberFont, and hides the markers; the caller then redraws the whole
// board. Nothing happens when zooming in would make the board larger than
// kLargestBoardTwips (false).
bool ZoomBoard(BoardGeometry& geometry, PlayState& play, const Grid& grid, Canvas& measuring,
               const std::string& fontName, ZoomStep step);

}  // namespace ringlace
