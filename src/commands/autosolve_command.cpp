#include "commands/autosolve_command.h"

#include <chrono>

#include "commands/run_scope.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "model/text.h"
#include "solver/colouring.h"
#include "solver/link_ambiguities.h"
#include "solver/solution_counter.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"

namespace ringlace {

namespace {

// Few clues, or none that is a "1" or a "2": the search may take long.
bool LooksHard(const Grid& grid) {
    int givens = 0;
    int onesAndTwos = 0;
    for (int k = 1; k <= grid.NumCells; ++k) {
        givens += grid.Clue[k] > 0;
        onesAndTwos += grid.Clue[k] == 1 || grid.Clue[k] == 2;
    }
    return givens * 100 / grid.NumCells < 10 || onesAndTwos == 0;
}

int ClueTotal(const Grid& grid) {
    int sum = 0;
    for (int k = 1; k <= grid.NumCells; ++k) sum += grid.ClueNumber(k);
    return sum;
}

}  // namespace

std::string ElapsedText(long long seconds) {
    const auto twoDigits = [](long long n) { return (n < 10 ? "0" : "") + NumText(n); };
    const std::string hours = twoDigits(seconds / 3600);
    const std::string minutes = twoDigits(seconds / 60 % 60);
    const std::string secs = twoDigits(seconds % 60);
    if (hours == "00" && minutes == "00" && secs == "00") return "less than 1 Sec";
    if (hours == "00" && minutes == "00") return secs + "Sec";
    if (hours == "00") return minutes + "Mn " + secs + "Sec";
    return hours + "Hr " + minutes + "Mn " + secs + "Sec";
}

AutoSolveOutcome AutoSolveCommand(App& app, const AutoSolveOptions& options) {
    AutoSolveOutcome outcome;
    if (RefuseGridCommand(app)) return outcome;
    Grid& grid = app.grid;
    if (ClueTotal(grid) == 0) {
        if (!options.silent)
            app.host.Ask({"There are no numbers in this puzzle", Icon::Critical, Buttons::Ok});
        outcome.end = AutoSolveEnd::NoClues;
        return outcome;
    }
    if (!options.silent && LooksHard(grid)) {
        const std::string question = "There are no 1s or 2s, or too few numbers in this puzzle..." +
                                     std::string(kCrLf) + "It may take a long time to solve" +
                                     std::string(kCrLf) + "Proceed?";
        if (app.host.Ask({question, Icon::Question, Buttons::YesNo}) != Answer::Yes) {
            outcome.end = AutoSolveEnd::Declined;
            return outcome;
        }
    }

    grid.SaveEntries(1);
    // The player's own edges and colours come back if the solve fails.
    const GridSnapshot players = SaveGridState(grid);
    grid.ResetColours();
    SolveResult result = SolveResult::Solved;
    {
        RunScope scope(app, options.silent);
        RunContext& run = scope.context();
        result = SolvePuzzle(grid, run, options.allowChains);
        outcome.stage = run.stage;
        if (result == SolveResult::Solved) {
            for (int r = 1; r <= grid.Rows; ++r)
                for (int c = 1; c <= grid.Cols; ++c) grid.CellColour[r][c] = 0;
            MakeSolutionCode(grid);
            outcome.ambiguousCells = CheckLinkUnique(grid);
            // The places where the loop could run differently show where; whether it can at all
            // is decided by counting the loops the clues admit.
            const CountResult counted = CountSolutions(grid, 2, run);
            outcome.solutions = counted.cancelled ? -1 : counted.count;
            outcome.notUnique =
                counted.cancelled ? !outcome.ambiguousCells.empty() : counted.count >= 2;
        }
    }

    if (result != SolveResult::Solved) {
        app.host.Status("Unable to solve ...");
        grid.ResetColours();
        RestoreGridState(grid, players);
        if (!options.silent) app.host.Ask({"Unable to solve", Icon::Information, Buttons::Ok});
        outcome.end =
            result == SolveResult::Cancelled ? AutoSolveEnd::Cancelled : AutoSolveEnd::Unable;
        return outcome;
    }
    // The board now shows the solver's loop, not the player's entries: nothing is left to undo.
    app.play.ForgetEntries();
    app.host.Status(outcome.notUnique ? ": Link is not unique" : "");
    outcome.end = AutoSolveEnd::Solved;
    return outcome;
}

AutoSolveOutcome TimedAutoSolve(App& app, const AutoSolveOptions& options) {
    if (RefuseGridCommand(app)) return AutoSolveOutcome{};
    const auto start = std::chrono::steady_clock::now();
    AutoSolveOutcome outcome = AutoSolveCommand(app, options);
    app.host.Progress(100);
    app.host.Yield();
    // Only a puzzle that was solved has a time to report and a solution to register.
    if (outcome.end == AutoSolveEnd::Solved) {
        const std::string registerFile = app.paths.InData(kSolutionRegisterFile);
        outcome.notRegistered = app.settings.SolutionRegister == 1 &&
                                !WritePuzzleRecord(app.grid, registerFile, WriteMode::Append);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
        app.host.Status("Solved in " + ElapsedText(seconds) +
                        (outcome.notUnique ? ": Link is not unique" : "") +
                        (outcome.notRegistered ? " - Error writing file: " + registerFile : ""));
    }
    app.host.Progress(0);
    return outcome;
}

}  // namespace ringlace
