#include "play/hint_markers.h"

namespace ringlace {

void ShowHintMarkers(BoardMarkers& markers, const BoardGeometry& geometry, const Hint& hint) {
    markers.hint = {};
    if (!MarksEdge(hint)) return;
    HintMarkers& shown = markers.hint;
    shown.mistake = hint.kind == HintKind::Mistake;
    const EdgeEnds ends = SideEnds(geometry, hint.row, hint.col, hint.side);
    const int half = geometry.Twelfth;
    shown.edge = {true, ends.x1 - half, ends.y1 - half, ends.x2 - ends.x1 + 2 * half,
                  ends.y2 - ends.y1 + 2 * half};
    const int s = geometry.CellSize;
    for (const CellPlace& cell : hint.cells)
        shown.cells.push_back({true, geometry.NodeX(cell.col), geometry.NodeY(cell.row), s, s});
    const int dot = geometry.Third;
    for (const CellPlace& place : hint.dots)
        shown.dots.push_back({true, geometry.NodeX(place.col) - dot / 2,
                              geometry.NodeY(place.row) - dot / 2, dot, dot});
}

}  // namespace ringlace
