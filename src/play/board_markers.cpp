#include "play/board_markers.h"

#include "model/grid.h"

namespace ringlace {

namespace {

MarkerBox Square(int left, int top, int length) {
    return MarkerBox{true, left, top, length, length};
}

}  // namespace

EdgeEnds SideEnds(const BoardGeometry& geometry, int r, int c, Side side) {
    const int s = geometry.CellSize;
    const int x = geometry.NodeX(c);
    const int y = geometry.NodeY(r);
    switch (side) {
        case Side::Left:
            return {x, y, x, y + s};
        case Side::Top:
            return {x, y, x + s, y};
        case Side::Right:
            return {x + s, y, x + s, y + s};
        default:
            return {x, y + s, x + s, y + s};
    }
}

void ShowSideMarkers(BoardMarkers& markers, const BoardGeometry& geometry, int r, int c, Side side,
                     DotPlacement placement) {
    const EdgeEnds ends = SideEnds(geometry, r, c, side);
    const int dot = 2 * geometry.Twelfth;
    const int shift = placement == DotPlacement::Centred ? dot / 2 : 0;
    markers.firstEnd = Square(ends.x1 - shift, ends.y1 - shift, dot);
    markers.secondEnd = Square(ends.x2 - shift, ends.y2 - shift, dot);
    const int s = geometry.CellSize;
    const int thickness = 2 * geometry.Twelfth;
    if (side == Side::Top || side == Side::Bottom) {
        markers.horizontalHighlight =
            MarkerBox{true, ends.x1, ends.y1 - geometry.Twelfth, s, thickness};
        markers.verticalHighlight.visible = false;
    } else {
        markers.verticalHighlight =
            MarkerBox{true, ends.x2 - geometry.Twelfth, ends.y1, thickness, s};
        markers.horizontalHighlight.visible = false;
    }
    markers.cellMarker.visible = false;
}

bool ShowCellMarker(BoardMarkers& markers, const BoardGeometry& geometry, int r, int c) {
    if (markers.cellMarker.visible && markers.cellMarkerRow == r && markers.cellMarkerCol == c)
        return false;
    // The cell marker stands alone: a side's highlight left over from another cell would point at
    // an edge the keys no longer act on.
    HideSelectionMarkers(markers);
    const int offset = geometry.Half - geometry.Third;
    markers.cellMarker = Square(geometry.NodeX(c) + offset, geometry.NodeY(r) + offset,
                                geometry.CellSize - geometry.Third);
    markers.cellMarkerRow = r;
    markers.cellMarkerCol = c;
    return true;
}

void HideSelectionMarkers(BoardMarkers& markers) {
    for (MarkerBox* box : {&markers.firstEnd, &markers.secondEnd, &markers.horizontalHighlight,
                           &markers.verticalHighlight, &markers.cellMarker})
        box->visible = false;
}

void ShowErrorMarker(BoardMarkers& markers, const BoardGeometry& geometry, int i, int j) {
    // A third of a cell: large enough to catch the eye beside the dot it marks.
    markers.errorMarker = Square(geometry.NodeX(j), geometry.NodeY(i), geometry.Third);
}

}  // namespace ringlace
