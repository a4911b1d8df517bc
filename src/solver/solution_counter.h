// Exact counting of the single closed loops that a puzzle's clues admit, independent of the
// solver's staged techniques: its own propagation and a complete search. Counting stops at a
// limit, so CountSolutions(grid, 2, run) decides between no solution, exactly one, and several.
#pragma once

#include <cstdint>
#include <vector>

#include "model/grid.h"
#include "seams/run_context.h"

namespace ringlace {

// One loop: for every cell in cell-number order, its sides on the loop as bits 1 << SideNumber.
struct FoundLoop {
    int rows = 0;
    int cols = 0;
    std::vector<std::uint8_t> barSides;

    // That side of the 1-based cell (r, c) is on the loop.
    bool IsBar(int r, int c, Side side) const {
        return (barSides[(r - 1) * cols + (c - 1)] >> SideNumber(side)) & 1;
    }
    // The cell lies inside the loop: an odd number of loop edges cross its row to its left.
    bool IsInside(int r, int c) const {
        bool inside = false;
        for (int k = 1; k <= c; ++k) inside = inside != IsBar(r, k, Side::Left);
        return inside;
    }
};

struct CountResult {
    // 0, 1, ..., limit; limit means at least that many.
    int count = 0;
    // The loops found, one for each solution counted.
    std::vector<FoundLoop> loops;
    // The run was stopped at a yield point; count is then only a lower bound.
    bool cancelled = false;
};

// The counter's own search walks the puzzle's paths and is quick on nearly every clue set. After
// this many contradictions in all it goes on with a clause solver, which learns from its dead
// ends: a few clue sets, mostly large ones with few clues, lead the search into the same dead
// ends over and over. Counts that end sooner find their loops in the search's own order.
inline constexpr std::uint64_t kSearchBeforeClauses = 2000;

// Counts the loops that satisfy the clues of the grid (Clue; the grid's bars and X marks are not
// read), up to limit (at least 1). Any size from 1 x 1 to kStorageDim x kStorageDim. Yields to
// the run context every few milliseconds and stops when it asks to.
CountResult CountSolutions(const Grid& grid, int limit, RunContext& run,
                           std::uint64_t searchBeforeClauses = kSearchBeforeClauses);

// As CountSolutions, counting only the loops that also agree with what the grid holds now: its
// Bars are on the loop, its X marks off it, its Yellow cells inside and its Pink cells outside.
CountResult CountSolutionsAgreeing(const Grid& grid, int limit, RunContext& run,
                                   std::uint64_t searchBeforeClauses = kSearchBeforeClauses);

// Whether the loop agrees with what the grid holds, in the same sense.
bool LoopAgrees(const FoundLoop& loop, const Grid& grid);

// Puts a found loop on the grid the way a solution is shown: every side Free, then the loop's
// sides Bar. The grid must have the loop's size.
void ApplyFoundLoop(const FoundLoop& loop, Grid& grid);

}  // namespace ringlace
