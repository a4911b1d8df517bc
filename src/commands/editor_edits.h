// The edits of the puzzle editors, with their mirror option: a change to cell (r, c) is made to
// the cell at the opposite row and column too, (R + 1 - r, C + 1 - c), unless that is the cell
// itself, so symmetric puzzles and loops take half the clicks.
#pragma once

#include "create/pattern_file.h"
#include "model/grid.h"

namespace ringlace {

// The next clue of a left click: blank, 0, 1, 2, 3, blank.
ClueValue NextClue(ClueValue clue);

void SetClue(Grid& grid, int r, int c, ClueValue clue, bool mirror);

// A side of a cell; the mirror is the opposite side of the mirror cell.
void SetSide(Grid& grid, int r, int c, Side side, EdgeState state, bool mirror);

void ToggleClueCell(Pattern& pattern, int r, int c, bool mirror);

}  // namespace ringlace
