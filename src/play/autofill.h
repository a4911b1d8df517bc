// Autofill: a moment after every entry, while the mode is on, the obvious consequences of the
// player's entries are added (Xs around satisfied clues, edges between coloured cells, colours
// across decided edges) and the entries are checked.
#pragma once

#include <optional>
#include <string>

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_drawing.h"
#include "play/entry.h"
#include "play/play_state.h"

namespace ringlace {

// One sweep over the cells, row by row, three rules per cell; a cell changed by the sweep is seen
// changed by the cells after it. Ends by drawing every edge and cell.
void AutofillPass(Grid& grid, BoardPainter& painter);

// The autofill switch clicked: switches the mode; switching it on runs a tick at once.
void ToggleAutofill(Settings& settings, PlayState& state);

// The autofill tick: one pass, then the entries are checked: "Done !" for a finished loop, or the
// first error with its dot marked; returns the status line's new text. A tick that comes while a
// solve runs is dropped (the solve owns the grid); while a solution view shows it waits for the
// view to end. Neither shows anything (no text).
std::optional<std::string> AutofillTick(PlayContext& play);

}  // namespace ringlace
