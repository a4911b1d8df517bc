// The undo list: the complete state of a cell (four sides and colour) saved before an entry
// changes it, newest last. Undo restores the newest saved state and drops it; the redo list holds
// what undo took back, the same way round.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/grid.h"

namespace ringlace {

class BoardPainter;

struct UndoEntry {
    int row = 0;
    int col = 0;
    std::array<EdgeState, 4> sides{};  // L, T, R, B
    std::int32_t colour = 0;
    bool operator==(const UndoEntry&) const = default;
};

using UndoList = std::vector<UndoEntry>;  // back() is the newest entry

// Records the state of cell (r, c) as the newest entry.
void SaveUndoCell(const Grid& grid, UndoList& undo, int r, int c);

// Puts the newest entry of `from` back (sides and colour), draws it, and drops it; the cell's
// state before that becomes the newest entry of `to`, so undo fills the redo list and redo the
// undo list. Restoring a side also restores the neighbour that shares it. An entry naming row or
// column 0 is dropped without restoring anything. False when `from` was empty.
bool RestoreNewestEntry(Grid& grid, UndoList& from, UndoList& to, BoardPainter& painter);

}  // namespace ringlace
