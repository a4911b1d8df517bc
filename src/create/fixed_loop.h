// A puzzle made for a loop the person drew: every clue shown, then taken away in random order
// while that loop stays the only one the clues admit.
#pragma once

#include <string>

#include "create/creation.h"

namespace ringlace {

// What is wrong with the Bars as one closed loop: "" when they form exactly one, else the fault
// ("one isolated bar", "more than 2 bars", "more than one loop").
std::string DrawnLoopFault(const Grid& grid);

// The grid holds the loop as Bars (DrawnLoopFault says nothing). Blanks clues down to 12 points
// under the size's target share, keeps the loop on the grid and sets the code "EA". Created,
// Cancelled, or Failed when the solver does not find the loop from the clues left.
CreateResult CreateFromLoop(CreateContext& ctx);

}  // namespace ringlace
