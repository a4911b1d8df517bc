// The markers that lie above the board drawing: the two dot markers and the edge highlights of the
// selected side, the cell marker, and the error marker. The core decides where they lie (in board
// twips) and whether they show; the board widget only paints them.
#pragma once

#include <vector>

#include "play/board_geometry.h"

namespace ringlace {

struct MarkerBox {
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const MarkerBox&) const = default;
};

// A hint shown on the board until the next entry, zoom or load: its edge, and the cells and dots
// its rule looked at. A mistake's edge is painted in the error colour.
struct HintMarkers {
    bool mistake = false;
    MarkerBox edge;
    std::vector<MarkerBox> cells;
    std::vector<MarkerBox> dots;
};

struct BoardMarkers {
    MarkerBox firstEnd;             // first end dot of the selected side
    MarkerBox secondEnd;            // second end dot
    MarkerBox errorMarker;          // the dot a check reports an error at
    MarkerBox horizontalHighlight;  // along a selected horizontal side
    MarkerBox verticalHighlight;    // along a selected vertical side
    MarkerBox
        cellMarker;  // the selected cell, while the pointer is inside it rather than near a side
    int cellMarkerRow = 0;  // the cell cellMarker was shown for
    int cellMarkerCol = 0;
    HintMarkers hint;
};

// The two end dots of side `side` of cell (r, c), in board twips.
struct EdgeEnds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
EdgeEnds SideEnds(const BoardGeometry& geometry, int r, int c, Side side);

// Shows the markers of the selected side: the dot markers centred on the two end dots (or, for the
// keyboard cursor, with their top-left corners on them) and the highlight along the edge.
enum class DotPlacement { Centred, TopLeft };
void ShowSideMarkers(BoardMarkers& markers, const BoardGeometry& geometry, int r, int c, Side side,
                     DotPlacement placement);

// Shows the cell marker on cell (r, c) and hides the dot markers. False when it already showed
// there.
bool ShowCellMarker(BoardMarkers& markers, const BoardGeometry& geometry, int r, int c);

// Hides the markers of the selection (all but the error marker).
void HideSelectionMarkers(BoardMarkers& markers);

// Places the error marker with its top-left corner on dot (i, j) and shows it.
void ShowErrorMarker(BoardMarkers& markers, const BoardGeometry& geometry, int i, int j);

}  // namespace ringlace
