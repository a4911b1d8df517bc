// ringlace-cli list FILE: what each record of a puzzle file holds, read in one pass.
#include <iostream>

#include "cli/commands.h"
#include "cli/json_line.h"
#include "model/grid.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"

namespace ringlace::cli {

int ListCommand(const Arguments& args) {
    if (args.size() != 1) return UsageError("list takes FILE");
    LineReader reader(args[0]);
    if (!reader.IsOpen()) {
        std::cerr << "ringlace-cli: cannot read \"" << args[0] << "\"\n";
        return kExitFailed;
    }
    Grid grid;
    bool allValid = true;
    std::string line;
    for (int puzzle = 1; reader.Next(line, LongestRecord(grid)); ++puzzle) {
        JsonLine json;
        json.Add("puzzle", puzzle);
        std::string whyNot;
        if (LoadRecord(grid, line, &whyNot)) {
            json.Add("rows", grid.Rows)
                .Add("cols", grid.Cols)
                .Add("code", grid.DiffCode)
                .Add("open", grid.CountBlankClues() * 100 / grid.NumCells)
                .Add("has_solution",
                     grid.SolutionCode.size() == static_cast<std::size_t>(grid.NumCells))
                .Add("valid", true);
        } else {
            allValid = false;
            json.AddNull("rows")
                .AddNull("cols")
                .AddNull("code")
                .AddNull("open")
                .AddNull("has_solution")
                .Add("valid", false)
                .Add("reason", whyNot);
        }
        std::cout << json.Text() << '\n';
    }
    return allValid ? kExitOk : kExitFailed;
}

}  // namespace ringlace::cli
