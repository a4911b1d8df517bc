// The local deduction rules, the first stage of the solver ("Solving direct lines ..."): start
// rules on clue patterns, applied once to an empty grid, then a dot pass and a cell pass repeated
// until a whole cycle of both decides nothing. Every edge is written through SetEdge.
#pragma once

#include "model/grid.h"
#include "solver/rule_visits.h"

namespace ringlace {

// -1 when the clues add up to 0 (nothing is written); otherwise rebuilds the dot links, applies
// the start rules, runs the local passes to their fixed point and returns 0. Only what the marks
// ask for is visited.
int SolveDirectLines(Grid& grid, RuleVisits& visits);

// Whether any clue is above 0: without one the direct lines write nothing.
bool HasClues(const Grid& grid);
// The start rules and the local passes on dot links that BuildNodeLinks built and only SetEdge
// changed since.
void DirectLinesOnBuiltLinks(Grid& grid, RuleVisits& visits);

// NodeLink rebuilt from the cell sides; directions that leave the grid read Outside (or what the
// frame cells hold).
void BuildNodeLinks(Grid& grid);
// The same for a grid whose sides of real cells were all written through SetEdge, which keeps the
// links of the dots inside the frame: only the dots on the frame are built again.
void RefreshFrameLinks(Grid& grid);
void ApplyStartRules(Grid& grid, RuleVisits& visits);

// Every Free edge at dot (i, j) becomes value, the last direction first.
void SetFreeAtNode(Grid& grid, int i, int j, EdgeState value);
// The edge leaving dot (i, j) in direction dir becomes value.
void SetNodeEdge(Grid& grid, int i, int j, Side dir, EdgeState value);
// Copies the four cell sides meeting at dot (i, j) into its NodeLink entries.
void RefreshNode(Grid& grid, int i, int j);

}  // namespace ringlace
