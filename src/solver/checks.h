// Rule checks of the entries: the first place where the current bars and Xs already break a rule
// (a dead end, a branch, a clue out of reach or exceeded, a boxed cell, a bar stranded at the
// border, a box beside a "3"). They report; they never change the grid.
//
// A check result is "row,column" followed by the message, which itself starts with a comma
// ("4,7, too many bars"); empty when nothing is wrong.
#pragma once

#include <string>

#include "model/grid.h"

namespace ringlace {

int CountFreeSides(const Grid& grid, int r, int c);
int CountXSides(const Grid& grid, int r, int c);

// Node counts look only at directions that stay inside the grid: a border dot has three, a corner
// dot two.
int NodeBarCount(const Grid& grid, int i, int j);
int NodeXCount(const Grid& grid, int i, int j);
int NodeFreeCount(const Grid& grid, int i, int j);
int NodeOutsideCount(const Grid& grid, int i, int j);

// The first rule broken, in the fixed order of the checks; empty when none is.
std::string CheckEntries(const Grid& grid);

// 1 with text set when a dot has one bar or more than two; 0 with text untouched otherwise.
int CheckNodeBars(const Grid& grid, std::string& text);

// "row,column" + message.
std::string CheckText(int row, int col, const std::string& message);

}  // namespace ringlace
