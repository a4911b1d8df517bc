// What a caller may learn of the local rules as they run: which rule wrote an edge, and where.
// The solver runs without a watch; the hints use one to name the rule behind a step.
#pragma once

#include <cstdint>

#include "model/grid.h"

namespace ringlace {

enum class LocalRule : std::uint8_t;

// The start rules: edges that a pattern of clues alone decides.
enum class StartRule : std::uint8_t {
    Zero,
    CornerOne,
    CornerTwo,
    AdjacentThrees,
    DiagonalThrees,
    CornerThree,
    ZeroBesideThree,
    ThreeTwoThree,
};

// A start rule and the clue cells of its pattern: a straight or diagonal run from the first cell
// to the last.
struct StartPattern {
    StartRule rule = StartRule::Zero;
    int firstRow = 0, firstCol = 0, lastRow = 0, lastCol = 0;
};

class RuleWatch {
public:
    virtual ~RuleWatch() = default;
    // A sweep's visit of cell (r, c) (dot (r, c) for the dot rules) wrote at least one edge.
    virtual void SweepWrote(const Grid& grid, LocalRule rule, int r, int c) = 0;
    // A start rule wrote side `side` of cell (r, c).
    virtual void StartWrote(const Grid& grid, const StartPattern& pattern, int r, int c,
                            Side side) = 0;
};

}  // namespace ringlace
