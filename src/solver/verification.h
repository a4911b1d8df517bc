// Loop verification: are the entries a finished, correct loop? On top of the rule checks it looks
// at the cell colours (Yellow inside the loop, Pink outside): the Yellow cells must form one
// region, no Pink region may be shut off inside the grid, and every cell must be coloured.
#pragma once

#include <cstdint>

#include "model/grid.h"
#include "solver/checks.h"

namespace ringlace {

enum class VerifyResult {
    Open,    // nothing is broken, but cells are still uncoloured
    Broken,  // a rule is broken: see the problem
    Done,    // a finished, correct loop
};

struct Verification {
    VerifyResult result = VerifyResult::Open;
    CheckResult problem;  // set when Broken
};

// A region of the colour whose extent is settled is smaller than the number of cells of that
// colour (a region of one cell always is): the loop around it closed too early.
bool ClosedRegion(const Grid& grid, std::int32_t colour);
// A Pink region whose extent is settled is closed off from the outside of the grid.
bool ShutInPinkRegion(const Grid& grid);

// The solver's verification: the rule checks, the regions, then, once every cell is coloured, the
// dots.
Verification VerifyPuzzle(const Grid& grid);

// What the verify button shows: Done, or the first problem with the dot to mark. The cells need
// not be coloured.
Verification VerifyButtonCheck(const Grid& grid);

}  // namespace ringlace
