// ringlace-cli solve [--no-chains] [--register] FILE [N | FIRST-LAST | all]: what the Autosolve
// button does, for every record, without questions.
#include <chrono>
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/json_line.h"
#include "cli/record_range.h"
#include "cli/record_walk.h"
#include "commands/autosolve_command.h"
#include "model/app_paths.h"
#include "model/solution_letters.h"
#include "model/text_file.h"
#include "solver/solution_counter.h"

namespace ringlace::cli {

namespace {

const char* ResultName(AutoSolveEnd end) {
    switch (end) {
        case AutoSolveEnd::Solved:
            return "solved";
        case AutoSolveEnd::Cancelled:
            return "cancelled";
        case AutoSolveEnd::NoClues:
            return "no clues";
        default:
            return "unable";
    }
}

struct SolveArguments {
    bool allowChains = true;
    bool registerSolutions = false;
    std::string file;
    std::string range = "all";
};

std::optional<SolveArguments> ParseArguments(const Arguments& args, std::string& error) {
    SolveArguments parsed;
    std::vector<std::string> positional;
    for (const std::string& arg : args) {
        if (arg == "--no-chains")
            parsed.allowChains = false;
        else if (arg == "--register")
            parsed.registerSolutions = true;
        else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        error = "solve takes FILE and an optional N, FIRST-LAST or all";
        return std::nullopt;
    }
    parsed.file = positional[0];
    if (positional.size() == 2) parsed.range = positional[1];
    return parsed;
}

void PrintLoadFailure(int puzzle, const std::string& whyNot) {
    std::cout << JsonLine()
                     .Add("puzzle", puzzle)
                     .Add("rows", 0)
                     .Add("cols", 0)
                     .Add("result", "load failed")
                     .Add("stage", "")
                     .Add("ms", 0.0)
                     .Add("not_unique", false)
                     .Add("solution", "")
                     .AddNull("matches_stored")
                     .AddNull("solutions")
                     .Add("reason", whyNot)
                     .Text()
              << std::endl;
}

// Solves the puzzle on the board as the Autosolve button does and prints its line.
AutoSolveOutcome SolveAndPrint(App& app, RunContext& run, const AutoSolveOptions& options) {
    const std::string stored = app.grid.SolutionCode;
    const auto start = std::chrono::steady_clock::now();
    const AutoSolveOutcome outcome = TimedAutoSolve(app, options);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const bool solved = outcome.end == AutoSolveEnd::Solved;
    const int solutions =
        outcome.solutions >= 0 ? outcome.solutions : CountSolutions(app.grid, 2, run).count;
    const std::string solution = solved ? SolutionLetters(app.grid) : "";
    JsonLine line;
    line.Add("puzzle", app.place.number)
        .Add("rows", app.grid.Rows)
        .Add("cols", app.grid.Cols)
        .Add("result", ResultName(outcome.end))
        .Add("stage", outcome.stage)
        .Add("ms", ms)
        .Add("not_unique", outcome.notUnique)
        .Add("solution", solution);
    if (stored.empty())
        line.AddNull("matches_stored");
    else
        line.Add("matches_stored", solved && solution == stored);
    line.Add("solutions", solutions);
    std::cout << line.Text() << std::endl;
    return outcome;
}

}  // namespace

int SolveCommand(const Arguments& args) {
    std::string error;
    const std::optional<SolveArguments> parsed = ParseArguments(args, error);
    if (!parsed) return UsageError(error);
    const int count = CountLines(parsed->file);
    const std::optional<RecordRange> range = ParseRecordRange(parsed->range, count);
    if (!range) return UsageError("\"" + parsed->range + "\" is not N, FIRST-LAST or all");

    ConsoleHost host;
    App app(host);
    app.paths = LocateFoldersFromEnvironment(ExecutableFolder());
    app.settings.SolutionRegister = parsed->registerSolutions ? 1 : 0;
    host.CancelOnInterrupt(app.runState.cancelRequested);
    RunContext run(host, app.runState.cancelRequested);
    AutoSolveOptions options;
    options.silent = true;
    options.allowChains = parsed->allowChains;

    const std::string registerFile = app.paths.InData(kSolutionRegisterFile);
    bool allSolved = true;
    const auto solveRecord = [&](int puzzle, const std::string& whyNot) {
        if (!whyNot.empty()) {
            PrintLoadFailure(puzzle, whyNot);
            allSolved = false;
            return true;
        }
        app.place = {parsed->file, puzzle, count};
        app.play.StartPuzzle();
        const AutoSolveOutcome outcome = SolveAndPrint(app, run, options);
        if (outcome.notRegistered)
            std::cerr << "ringlace-cli: Error writing file: " << registerFile << std::endl;
        allSolved = allSolved && outcome.end == AutoSolveEnd::Solved && !outcome.notRegistered;
        return outcome.end != AutoSolveEnd::Cancelled && !host.Interrupted();
    };
    const int skipped = WalkRecords(parsed->file, *range, count, app.grid, solveRecord);
    // Ctrl+C between two records stops the walk with every solve so far a success: the run was
    // still cut short.
    allSolved = allSolved && skipped == 0 && !host.Interrupted();
    return allSolved ? kExitOk : kExitFailed;
}

}  // namespace ringlace::cli
