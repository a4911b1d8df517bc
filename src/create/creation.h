// What every creator works with: the grid it fills, the run context (host, cancel flag), the
// options of the creation, the random source, and the count of loops grown. Also the steps the
// creators share: an attempt's loop, the level's code and name, and the solver as a checker.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/grid.h"
#include "model/random_source.h"
#include "seams/run_context.h"
#include "solver/solver_driver.h"

namespace ringlace {

// How a creator ends. Failed: a composition whose quadrants could not be joined, or that gave no
// puzzle of its level (the caller tries again); or a pattern that gave no puzzle with one
// solution in kPatternTries loops.
enum class CreateResult { Created, Cancelled, Failed };

// How a check of a candidate puzzle ends.
enum class Verdict { Accepted, Rejected, Cancelled };

// Difficulty levels.
inline constexpr int kEasy = 1;
inline constexpr int kMedium = 2;
inline constexpr int kHard = 3;

// "EA", "ME", "HA".
std::string LevelCode(int level);
// "Easy", "Medium", "Hard".
std::string LevelName(int level);

// A pattern's clues seldom fix one loop when the pattern has few clue cells; so many loops are
// tried on it before the creation gives up rather than trying forever.
inline constexpr int kPatternTries = 2000;

// The cells whose clues a pattern shows ([row][column], 1 = shown).
using PatternMask = Table2<std::uint8_t, kCellIndexes>;

// How a creation is asked for, beyond its size and level.
struct CreateOptions {
    // A grid beyond the board's limits (the jumbo size), made without a solver check.
    bool jumbo = false;
    // One quadrant of a composite grid: other loops may remain, since only the composite grid
    // made of four quadrants is handed out.
    bool quadrant = false;
    // Show exactly the clues of the pattern's cells instead of choosing them.
    std::optional<PatternMask> pattern;
};

struct CreateContext {
    CreateContext(Grid& target, RunContext& runContext, RandomSource& source,
                  CreateOptions asked = {})
        : grid(target), run(runContext), random(source), options(std::move(asked)) {}

    Grid& grid;
    RunContext& run;
    RandomSource& random;
    CreateOptions options;
    int attempts = 0;  // loops grown
    int grade = 0;     // the grade of the puzzle made (see level_fit.h), 0 when not graded
};

// "Creating grid ..." in the status line; the grid takes the size and, unless it is a jumbo grid,
// is cleared.
void BeginCreation(CreateContext& ctx, int rows, int cols);

// One attempt's loop: cleared grid, seed square, growth. True when the loop passes the coverage
// test.
bool GrowCoveringLoop(CreateContext& ctx);

// Every cell's true count in OrigClue.
void StoreTrueClues(Grid& grid);

// A percentage in the status line ("56%").
void ShowShare(CreateContext& ctx, int percent);

// The solver as the creators run it: without questions, from fresh colours, through stage
// lastStage. A cancel requested before it starts is answered at once.
SolveOutcome CheckerSolve(CreateContext& ctx, int lastStage);
// The same with the complete search.
SolveResult SolveAsChecker(CreateContext& ctx);

// For a grid that holds its loop as Bars: while the clues admit a second loop, a random blank
// cell that tells the two apart shows its clue. Accepted when one loop is left, Rejected when no
// blank cell can tell them apart.
Verdict RevealUntilUnique(CreateContext& ctx);

// The one place where a creator accepts a puzzle: no other loop fits the clues as they will be
// saved, and the solver, run on them, finds exactly the loop (a LoopSignature) that will be saved
// with them. solvedAsIs says that the grid holds the loop the solver has just found for exactly
// these clues, so the solve need not be repeated.
Verdict AcceptPuzzle(CreateContext& ctx, const std::string& loop, bool solvedAsIs);

// A pattern's clues on the grown loop, as they are: accepted as AcceptPuzzle decides. The count
// goes first, so a sparse pattern's many loops are turned away before the solver works on them.
Verdict AcceptPatternClues(CreateContext& ctx);

// How a puzzle whose clues do not pin down the loop it was made from is settled.
enum class Settling {
    Quadrant,  // cells where the loop could change locally get a clue; other loops may remain,
               // since only the composite grid made of four quadrants is handed out
    OneLoop,   // as Quadrant, then more clues until no other loop fits (RevealUntilUnique)
};

// The loop the solver finds for the clues becomes the puzzle's loop, settled as asked; the
// puzzle is solved again when any clue was added. Decides as AcceptPuzzle does.
Verdict SettleOnSolvedLoop(CreateContext& ctx, Settling settling);

}  // namespace ringlace
