// Autofill: a moment after every entry, while the mode is on, the obvious consequences of the
// player's entries are added (Xs around satisfied clues, edges between coloured cells, colours
// across decided edges) and the entries are checked.
#pragma once

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_drawing.h"
#include "play/entry.h"
#include "play/play_state.h"

namespace ringlace {

class Host;

// One sweep over the cells, row by row, three rules per cell; a cell changed by the sweep is seen
// changed by the cells after it. Ends by drawing every edge and cell.
void AutofillPass(Grid& grid, BoardPainter& painter);

// The autofill box Label4 clicked: switches the mode; switching it on runs a tick at once.
void ToggleAutofill(Settings& settings, PlayState& state);

// Timer2's tick: one pass, then the entries are checked: "Done !" for a finished loop, or the first
// error with its dot marked. A tick that comes while a solve runs is dropped (the solve owns the
// grid); while a solution view shows it waits for the view to end.
void AutofillTick(PlayContext& play, Host& host);

}  // namespace ringlace
