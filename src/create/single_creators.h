// The single-puzzle creators. Each grows loops until one gives a puzzle that the solver solves to
// that same loop, and leaves the puzzle in the grid: the loop as Bars, the clues in Clue, the
// level's code in DiffCode. Results: 0 made, -1 or -99 cancelled.
#pragma once

#include "create/creation.h"

namespace ringlace {

// By the number of cells: CreateByRules from 81 cells on, CreateByRemoval below; always
// CreateByRules for a quadrant of a composite grid (the flag is cleared afterwards).
CreateResult CreatePuzzle(CreateContext& ctx, int rows, int cols, int level);

// Starts from every clue shown and takes clues away in random order while the solver still finds
// the same loop, until the share of blank cells reaches the level's target or no clue can go.
CreateResult CreateByRemoval(CreateContext& ctx, int rows, int cols, int level);

// Places clues by local rules, adjusts their number to the level's target, and checks the whole
// puzzle once with the solver.
CreateResult CreateByRules(CreateContext& ctx, int rows, int cols, int level);

// The target share of blank cells. Removal aims 6 lower than the rules do, since each removal is
// checked by the solver; a jumbo grid starts from 40, a large quadrant of a composite from 45.
int RemovalTarget(const Grid& grid, int level, bool jumbo);
int RulesTarget(const Grid& grid, int level, bool jumbo, bool composite);

// Pattern mode: only the cells of the pattern mask show their true count.
void ApplyPattern(Grid& grid, const PatternMask& pattern);

}  // namespace ringlace
