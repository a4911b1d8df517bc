// ringlace-cli count FILE [N | FIRST-LAST | all]: how many loops the clues of each record admit.
#include <chrono>
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/json_line.h"
#include "cli/load_failure.h"
#include "cli/record_range.h"
#include "cli/record_walk.h"
#include "model/grid.h"
#include "model/solution_letters.h"
#include "model/text_file.h"
#include "solver/solution_counter.h"

namespace ringlace::cli {

namespace {

// Two solutions are enough to know a puzzle is not unique.
constexpr int kCountLimit = 2;

// One record's line; true when the record has exactly one solution.
bool CountRecord(Grid& grid, int puzzle, const std::string& whyNot, RunContext& run) {
    if (!whyNot.empty()) {
        std::cout << LoadFailure(puzzle, whyNot).Text() << '\n';
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
    const CountResult result = CountSolutions(grid, kCountLimit, run);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    std::string letters;
    if (!result.loops.empty()) {
        ApplyFoundLoop(result.loops.front(), grid);
        letters = SolutionLetters(grid);
    }
    std::cout << JsonLine()
                     .Add("puzzle", puzzle)
                     .Add("rows", grid.Rows)
                     .Add("cols", grid.Cols)
                     .Add("count", result.count)
                     .Add("ms", elapsed.count())
                     .Add("solution", letters)
                     .Text()
              << '\n';
    return result.count == 1;
}

}  // namespace

int CountCommand(const Arguments& args) {
    if (args.empty() || args.size() > 2)
        return UsageError("count takes FILE and an optional N, FIRST-LAST or all");
    const std::string& fileName = args[0];
    const int recordCount = CountLines(fileName);
    const std::optional<RecordRange> range =
        ParseRecordRange(args.size() == 2 ? args[1] : "all", recordCount);
    if (!range)
        return UsageError("the records must be N, FIRST-LAST or all, not \"" + args[1] + "\"");

    ConsoleHost host;
    RunState state;
    RunContext run{host, state.cancelRequested};
    Grid grid;
    bool everyOneUnique = true;
    const int skipped = WalkRecords(
        fileName, *range, recordCount, grid, [&](int puzzle, const std::string& whyNot) {
            everyOneUnique = CountRecord(grid, puzzle, whyNot, run) && everyOneUnique;
            return true;
        });
    return everyOneUnique && skipped == 0 ? kExitOk : kExitFailed;
}

}  // namespace ringlace::cli
