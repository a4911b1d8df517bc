// Hints: where the player's entries went wrong, or else the next edge the solver would decide from
// them, with the stage and the rule that decide it. The player's colours are not read.
#pragma once

#include <string>
#include <vector>

#include "model/grid.h"
#include "seams/run_context.h"

namespace ringlace {

enum class HintKind {
    Mistake,     // a Bar off the loop or an X on it
    Step,        // an open edge the solver decides next
    Solved,      // every edge of the loop is a Bar
    NoSolution,  // no loop fits the clues
    NotUnique,   // several loops fit the clues
    NoStep,      // the work was cancelled before a step was found
};

struct CellPlace {
    int row = 0;
    int col = 0;
    bool operator==(const CellPlace&) const = default;
};

struct Hint {
    HintKind kind = HintKind::NoStep;
    // The edge of a mistake or a step, as side `side` of cell (row, col); the first cell in cell
    // order that has the edge.
    int row = 0;
    int col = 0;
    Side side = Side::Left;
    EdgeState value = Free;        // a step: Bar or XMark; a mistake: what the player entered
    int stage = 0;                 // a step's stage, 1 (direct lines) to 7 (chain inspection)
    std::string rule;              // a step's rule as a short key ("zero", "same-side", ...)
    std::string message;           // the status line's text
    std::vector<CellPlace> cells;  // the cells the rule looked at
    std::vector<CellPlace> dots;   // the dots it looked at
};

// The mistake check, then the next step: the solver's stages run in their order on a copy of the
// entries, and the first deduction that decides an edge still open is the step. The loop compared
// with is the stored solution, or the exact counter's when none is stored.
Hint FindHint(const Grid& grid, RunContext& run);

// Whether the hint is an edge to mark (a mistake or a step).
inline bool MarksEdge(const Hint& hint) {
    return hint.kind == HintKind::Mistake || hint.kind == HintKind::Step;
}

// Makes a step's edge an entry of the grid.
void ApplyHintStep(Grid& grid, const Hint& hint);

}  // namespace ringlace
