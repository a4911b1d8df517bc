// The commands on the whole board: undo and redo, verify, "Clear ALL Bars", "Reset", zoom, the
// solution views, and stepping the difficulty level for the next creation.
#pragma once

#include <string>

#include "play/board_layout.h"

namespace ringlace {

struct App;
class BoardPainter;
class Canvas;

// The undo button's left click: clears the status line and takes back the newest recorded entry.
void UndoCommand(App& app, BoardPainter& painter);
// Ctrl+Shift+Z or Ctrl+Y: puts back the newest entry that undo took back.
void RedoCommand(App& app, BoardPainter& painter);

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

// Zooms the board (see ZoomBoard); nothing happens while busy. True when the board is to be drawn
// anew.
bool ZoomCommand(App& app, Canvas& measuring, ZoomStep step);

// A view button pressed: the solution's bars, or its loop (withColours: every cell coloured).
// While busy the person is told to cancel first and nothing shows; false then.
bool ShowSolutionBarsCommand(App& app, BoardPainter& painter);
bool ShowSolutionLoopCommand(App& app, BoardPainter& painter, bool withColours);
// The view button released.
void HideSolutionCommand(App& app, BoardPainter& painter);

// The next level name the level label shows: Easy -> Medium -> Hard -> Easy.
std::string NextLevelName(const std::string& caption);

}  // namespace ringlace
