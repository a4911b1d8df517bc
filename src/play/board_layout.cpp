#include "play/board_layout.h"

#include <algorithm>

#include "model/rounding.h"
#include "model/settings.h"

namespace ringlace {

namespace {

// The board's longer side, as LayOutBoard sizes it, for cells of size s.
int BoardSideFor(int s, const Grid& grid) {
    return RoundToInt(s * 1.1 * grid.MaxDim + 268);
}

}  // namespace

void FitBoardToFrame(BoardGeometry& geometry, PlayState& play, const Grid& grid, Canvas& measuring,
                     const std::string& fontName) {
    FitBoard(geometry, grid, measuring, fontName);
    HideSelectionMarkers(play.markers);
    play.markers.errorMarker.visible = false;
    play.markers.hint = {};
    play.checkLight = CheckLight::Neutral;
}

bool ZoomBoard(BoardGeometry& geometry, PlayState& play, const Grid& grid, Canvas& measuring,
               const std::string& fontName, ZoomStep step) {
    if (step == ZoomStep::In &&
        BoardSideFor(RoundToInt(geometry.CellSize * 1.1), grid) > kLargestBoardTwips)
        return false;
    BoardMarkers& markers = play.markers;
    HideSelectionMarkers(markers);
    markers.errorMarker.visible = false;
    markers.hint = {};
    switch (step) {
        case ZoomStep::Out:
            geometry.CellSize = RoundToInt(geometry.CellSize * 0.9);
            geometry.NumberFontSize =
                std::max(geometry.NumberFontSize, kSmallestNumberFont + 1) - 1;
            break;
        case ZoomStep::In:
            geometry.CellSize = RoundToInt(geometry.CellSize * 1.1);
            geometry.NumberFontSize = std::min(geometry.NumberFontSize, kLargestNumberFont - 1) + 1;
            break;
        case ZoomStep::Reset:
            geometry.CellSize = geometry.BaseCellSize;
            geometry.NumberFontSize = geometry.BaseFontSize;
            break;
    }
    LayOutBoard(geometry, grid, measuring, fontName);
    return true;
}

}  // namespace ringlace
