// The colour engine: after any decision, spreads what is known between the cell colours and the
// edges, then lets the local rules run to their fixed point. Always three passes of colour rules,
// pattern rules and direct lines, each sweep visiting only the cells whose surroundings changed
// since it last looked (see RuleVisits). It reports nothing: the verification afterwards finds
// contradictions.
#pragma once

#include "model/grid.h"
#include "solver/rule_visits.h"

namespace ringlace {

// The watch, when given, hears of every edge the rules write in this run.
void ColourEngine(Grid& grid, RuleWatch* watch = nullptr);

// The direct lines alone, with the engine's marks: the engine's next run does not visit again
// what they leave done. The watch, when given, hears of every edge they write.
void EngineDirectLines(Grid& grid, RuleWatch* watch);

// What the engine's rules have left to visit on a grid, saved with the grid's state. A trial that
// takes the grid back to that state takes the rules back too: the next run then visits only the
// cells around the next change, not again every cell the trial changed, which in that state
// would all change nothing.
using EngineMarks = RuleVisits::Left;
EngineMarks SaveEngineMarks(const Grid& grid);
// The grid must be back in the state it was saved in.
void RestoreEngineMarks(const Grid& grid, const EngineMarks& marks);
// Colours from edges, clues and neighbouring colours.
void ColourRules(Grid& grid, RuleVisits& visits);
// Edges from colours, then from clues and the bars at the cells' corner dots.
void PatternRules(Grid& grid, RuleVisits& visits);

// Bars among the four edges meeting at the top-left corner dot of cell (r, c).
int NodeBarsAt(const Grid& grid, int r, int c);

}  // namespace ringlace
