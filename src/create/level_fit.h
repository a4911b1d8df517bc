// What a created puzzle promises for its level, and how a puzzle with exactly one solution is
// brought to keep that promise: at least the level's share of blank cells, and a grade (the number
// of the solver stage that finishes it, 1 to 7) in the level's range.
#pragma once

#include <functional>

#include "create/creation.h"

namespace ringlace {

struct LevelGoal {
    int target = 0;        // the least share of blank cells
    int lowestGrade = 1;   // the grades the level accepts
    int highestGrade = 7;  // below kChainStage: no clue goes that would need a deeper stage
    bool graded = true;    // false: the grade is left unknown (a jumbo grid is too large to solve)
};

// Easy: stages 1 to 4 (up to single P); Medium: 5 and 6 (2 bar cells, common YP); Hard: 6 and 7
// (common YP, chain inspection). The target is the share its creator aims at: the removal
// column of the level table below 81 cells, the rules column from 81 on (composite grids
// included), 40 for a jumbo grid.
LevelGoal GoalFor(const Grid& grid, int level, bool jumbo);

// How far a grade lies outside the goal's range (0 inside it).
int GradeMiss(const LevelGoal& goal, int grade);

// How a puzzle fares against its goal.
enum class LevelFit { Met, GradeMissed, ShareMissed, Cancelled };

// For a grid that holds a puzzle with exactly one solution and its loop as Bars: clues are taken
// away while the loop stays the only one, first from the puzzle's own clues and, when they cannot
// reach the goal, from every clue of the loop. On return the grid holds the loop, the clues and,
// in ctx.grade, the grade (0 when the goal is not graded).
LevelFit FitToLevel(CreateContext& ctx, const LevelGoal& goal);

// A creation whose clues stay as they are made (a pattern's, 03Only's): when made is Created,
// ctx.grade becomes the puzzle's grade (0 when the solver does not solve it).
CreateResult Graded(CreateContext& ctx, CreateResult made);

// Creations by make (which leaves a puzzle with exactly one solution in the grid, or ends with a
// cancel) until one meets the goal that goalOf gives for its grid. Puzzles under the target share
// are never handed out; when kGradeTries puzzles at the share have missed the grade, the one whose
// grade came nearest is.
inline constexpr int kGradeTries = 24;
CreateResult CreateToGoal(CreateContext& ctx, const std::function<LevelGoal(const Grid&)>& goalOf,
                          const std::function<CreateResult()>& make);

// The same for the goal of a level (GoalFor).
CreateResult CreateToLevel(CreateContext& ctx, int level,
                           const std::function<CreateResult()>& make);

}  // namespace ringlace
