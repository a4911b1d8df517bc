#include "play/undo_list.h"

#include "play/board_drawing.h"
#include "solver/colouring.h"

namespace ringlace {

void SaveUndoCell(const Grid& grid, UndoList& undo, int r, int c) {
    UndoEntry entry{r, c, {}, grid.CellColour[r][c]};
    for (const Side side : kSides) entry.sides[SideIndex(side)] = grid.CellEdge[r][c][side];
    undo.push_back(entry);
}

bool RestoreNewestEntry(Grid& grid, UndoList& from, UndoList& to, BoardPainter& painter) {
    if (from.empty()) return false;
    const UndoEntry entry = from.back();
    from.pop_back();
    if (entry.row == 0 || entry.col == 0) return true;
    SaveUndoCell(grid, to, entry.row, entry.col);
    for (const Side side : kSides) {
        const EdgeState value = entry.sides[SideIndex(side)];
        grid.SetEdge(entry.row, entry.col, side, value);
        painter.DrawEdge(entry.row, entry.col, side, value);
    }
    SetCellColour(grid, entry.row, entry.col, entry.colour);
    // The board shows real cells only; an entry of the keyboard cursor's extra row has no square.
    if (grid.IsRealCell(entry.row, entry.col))
        painter.PaintCell(grid, entry.row, entry.col, entry.colour);
    return true;
}

}  // namespace ringlace
