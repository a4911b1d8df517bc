// A hint on the board: where its markers lie.
#pragma once

#include "play/board_markers.h"
#include "solver/hint_finder.h"

namespace ringlace {

// Shows the hint's edge (along it, as thick as the selection's highlight), the cells its rule
// looked at (each whole cell) and its dots; a hint without an edge clears the markers.
void ShowHintMarkers(BoardMarkers& markers, const BoardGeometry& geometry, const Hint& hint);

}  // namespace ringlace
