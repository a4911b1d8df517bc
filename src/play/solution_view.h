// Showing the stored solution while a view button is held: the solution's bars over the board
// (cmdviewsol), or the solution loop on a dots-only grid with every cell coloured by its side of
// the loop (cmdviewcol). Releasing the button puts the player's entries back.
#pragma once

#include <cstdint>

#include "model/grid.h"
#include "solver/colouring.h"

namespace ringlace {

struct App;
class BoardPainter;

struct SolutionView {
    enum class Kind { None, Bars, Loop };
    Kind showing = Kind::None;
    GridSnapshot players;  // the player's sides and colours while the loop shows
};

// Colours every real cell by its side of the loop the bars form: Yellow inside, Pink outside.
void ColourBySideOfLoop(Grid& grid);

// Button pressed. While busy the person is told to cancel first and nothing shows; false then.
bool ShowSolutionBars(App& app, BoardPainter& painter);
// withColours (the right button) also paints every cell in its colour.
bool ShowSolutionLoop(App& app, BoardPainter& painter, bool withColours);
// Button released: the player's entries (and, after the loop view, colours) come back. Does
// nothing when the press showed nothing.
void HideSolution(App& app, BoardPainter& painter);

}  // namespace ringlace
