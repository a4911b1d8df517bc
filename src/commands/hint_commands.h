// Solve > Hint, the hint button and the H keys: the mistake check, then the next step, marked on
// the board and named in the status line; and the step made an entry.
#pragma once

namespace ringlace {

struct App;
class BoardPainter;

// The hint button's left click, Solve > Hint and H: marks the hint's edge (and what its rule
// looked at) and says it in the status line. While busy or while a solution view is held nothing
// happens (false).
bool ShowHintCommand(App& app);

// The right click and Shift+H: the same hint, and a step is entered as a right click enters one,
// with its undo entry. A mistake or no step is only shown. False when refused.
bool ApplyHintCommand(App& app, BoardPainter& painter);

}  // namespace ringlace
