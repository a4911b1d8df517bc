// The two Autosolve commands: the menu entry solves the puzzle on the board and says whether the
// link is unique; the button does the same and reports the time taken.
#pragma once

#include <string>
#include <vector>

#include "commands/app.h"

namespace ringlace {

struct AutoSolveOptions {
    bool silent = false;      // no questions and no notices (scripts)
    bool allowChains = true;  // false: give up where the complete search would start
};

enum class AutoSolveEnd { Refused, NoClues, Declined, Solved, Unable, Cancelled };

struct AutoSolveOutcome {
    AutoSolveEnd end = AutoSolveEnd::Refused;
    std::string stage;                // the last stage the solver announced
    std::vector<int> ambiguousCells;  // cells where the loop could change locally (painted red)
    bool notUnique = false;           // the clues admit two or more loops
    int solutions = -1;               // 0, 1 or 2 (two or more) after a solve; -1 when not counted
    bool notRegistered = false;       // the register is on but the solved puzzle could not be added
};

AutoSolveOutcome AutoSolveCommand(App& app, const AutoSolveOptions& options = {});
// AutoSolveCommand, then the time it took on the status line. With the solution register on, a
// solved puzzle is appended to it; a register that cannot be written is named on the status line.
AutoSolveOutcome TimedAutoSolve(App& app, const AutoSolveOptions& options = {});

// How the button reports a duration: "05Sec", "01Mn 05Sec", "01Hr 00Mn 07Sec", "less than 1 Sec".
std::string ElapsedText(long long seconds);

}  // namespace ringlace
