// ringlace-cli info FILE [N]: what the program shows and holds after loading record N.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/json_line.h"
#include "cli/load_failure.h"
#include "cli/number_argument.h"
#include "model/grid.h"
#include "model/puzzle_place.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"
#include "solver/solver_driver.h"

namespace ringlace::cli {

namespace {

std::string EdgeLetters(const Grid& grid) {
    std::string edges;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            for (const Side side : kSides) {
                const EdgeState state = grid.CellEdge[r][c][side];
                edges += state == Bar ? 'b' : state == XMark ? 'x' : '.';
            }
        }
    }
    return edges;
}

}  // namespace

int InfoCommand(const Arguments& args) {
    if (args.empty() || args.size() > 2) return UsageError("info takes FILE and an optional N");
    int puzNum = 1;
    if (args.size() == 2) {
        const std::optional<int> n = NumberArgument(args[1]);
        if (!n) return UsageError("N must be a whole number, not \"" + args[1] + "\"");
        puzNum = *n;
    }
    Grid grid;
    PuzzlePlace place;
    place.count = CountLines(args[0]);
    std::string whyNot;
    if (!LoadPuzzle(grid, place, args[0], puzNum, &whyNot)) {
        std::cout << LoadFailure(puzNum, whyNot).Text() << '\n';
        return kExitFailed;
    }
    JsonLine line;
    line.Add("puzzle", puzNum)
        .Add("count", place.count)
        .Add("rows", grid.Rows)
        .Add("cols", grid.Cols)
        .Add("code", grid.DiffCode)
        .Add("difficulty", DifficultyName(grid.DiffCode))
        .Add("clues", ClueRows(grid, ' '))
        .Add("solution", grid.SolutionCode)
        .Add("open", grid.CountBlankClues() * 100 / grid.NumCells)
        .Add("clue_sum", grid.ClueSum)
        .Add("edges", EdgeLetters(grid));
    ConsoleHost host;
    RunState state;
    host.CancelOnInterrupt(state.cancelRequested);
    RunContext run(host, state.cancelRequested, true);
    if (const int grade = PuzzleGrade(grid, run); grade != 0)
        line.Add("grade", grade);
    else
        line.AddNull("grade");
    std::cout << line.Text() << '\n';
    return kExitOk;
}

}  // namespace ringlace::cli
