// The markers that lie above the board drawing: the two dot markers and the edge highlights of the
// selected side, the cell marker, and the error marker. The core decides where they lie (in board
// twips) and whether they show; the board widget only paints them.
#pragma once

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

struct BoardMarkers {
    MarkerBox Shape1;   // first end dot of the selected side
    MarkerBox Shape2;   // second end dot
    MarkerBox Shape3;   // the dot a check reports an error at
    MarkerBox Shape4;   // along a selected horizontal side
    MarkerBox Shape5;   // along a selected vertical side
    MarkerBox Shape6;   // the selected cell, while the pointer is inside it rather than near a side
    int Shape6Row = 0;  // the cell Shape6 was shown for
    int Shape6Col = 0;
};

// The two end dots of side `side` of cell (r, c), in board twips.
struct EdgeEnds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
EdgeEnds SideEnds(const BoardGeometry& geometry, int r, int c, int side);

// Shows the markers of the selected side: the dot markers centred on the two end dots (or, for the
// keyboard cursor, with their top-left corners on them) and the highlight along the edge.
enum class DotPlacement { Centred, TopLeft };
void ShowSideMarkers(BoardMarkers& markers, const BoardGeometry& geometry, int r, int c, int side,
                     DotPlacement placement);

// Shows the cell marker on cell (r, c) and hides the dot markers. False when it already showed
// there.
bool ShowCellMarker(BoardMarkers& markers, const BoardGeometry& geometry, int r, int c);

// Hides the markers of the selection (all but the error marker).
void HideSelectionMarkers(BoardMarkers& markers);

// Places the error marker with its top-left corner on dot (i, j) and shows it.
void ShowErrorMarker(BoardMarkers& markers, const BoardGeometry& geometry, int i, int j);

}  // namespace ringlace
