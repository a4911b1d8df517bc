// Showing the stored solution while a view button is held: the solution's bars over the board, or
// the solution loop on a dots-only grid with every cell coloured by its side of the loop.
// Releasing the button puts the player's entries back.
#pragma once

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_drawing.h"
#include "play/play_state.h"

namespace ringlace {

// Colours every real cell by its side of the loop the bars form: Yellow inside, Pink outside.
void ColourBySideOfLoop(Grid& grid);

// The solution's bars over the player's entries. Nothing happens while a view is held.
void ShowSolutionBars(Grid& grid, SolutionView& view, BoardPainter& painter);
// The solution loop alone; withColours (the right button) also paints every cell in its colour.
// The grid lines are left out of the drawing. Nothing happens while a view is held.
void ShowSolutionLoop(Grid& grid, SolutionView& view, Settings& settings, BoardPainter& painter,
                      bool withColours);
// The player's entries (and, after the loop view, colours) come back. Nothing happens when no view
// is held.
void HideSolution(Grid& grid, SolutionView& view, BoardPainter& painter);

}  // namespace ringlace
