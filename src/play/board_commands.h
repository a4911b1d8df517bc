// The commands on the whole board: undo, "Clear ALL Bars", "Reset" and stepping the difficulty
// level for the next creation.
#pragma once

#include <string>

namespace ringlace {

struct App;
class BoardPainter;

// The undo button's left click: clears the status line and takes back the newest recorded entry.
void UndoCommand(App& app, BoardPainter& painter);

// The verify button pressed: checks the entries and shows "Done !" or the first error beside the
// board, with its dot marked. While busy the person is told to cancel first (false).
bool VerifyPressed(App& app);
// Released: what the press showed is cleared.
void VerifyReleased(App& app);

// Asks, then clears every bar, X and colour (the frame stays Pink, the outside of every loop). The
// undo list is kept. True when the board is to be redrawn.
bool ClearAllBarsCommand(App& app);

// Asks, then loads the current puzzle again as it is stored. True when it was loaded (the board
// is then to be laid out and drawn anew); a puzzle that can no longer be read is reported.
bool ResetCommand(App& app);

// The next level name shown by Label7: Easy -> Medium -> Hard -> Easy.
std::string NextLevelName(const std::string& caption);

}  // namespace ringlace
