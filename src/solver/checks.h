// Rule checks of the entries: the first place where the current bars and Xs already break a rule
// (a dead end, a branch, a clue out of reach or exceeded, a boxed cell, a bar stranded at the
// border, a box beside a "3"). They report; they never change the grid.
#pragma once

#include <string>

#include "model/grid.h"

namespace ringlace {

// The first rule found broken: its message and the dot or cell it concerns (row and column from 1;
// 0 when the rule names no place). An empty message means nothing is wrong.
struct CheckResult {
    int row = 0;
    int col = 0;
    std::string message;

    bool Broken() const { return !message.empty(); }
    bool operator==(const CheckResult&) const = default;
};

int CountFreeSides(const Grid& grid, int r, int c);
int CountXSides(const Grid& grid, int r, int c);

// Node counts look only at directions that stay inside the grid: a border dot has three, a corner
// dot two.
int NodeBarCount(const Grid& grid, int i, int j);
int NodeXCount(const Grid& grid, int i, int j);
int NodeFreeCount(const Grid& grid, int i, int j);
int NodeOutsideCount(const Grid& grid, int i, int j);

// The first rule broken, in the fixed order of the checks.
CheckResult CheckEntries(const Grid& grid);

// A dot with one bar or more than two.
CheckResult CheckNodeBars(const Grid& grid);

}  // namespace ringlace
