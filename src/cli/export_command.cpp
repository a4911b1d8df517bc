// ringlace-cli export --format art|art-solution|plain|xls|id FILE N --out PATH: record N of a
// puzzle file in another form, as the window's exports write it.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/json_line.h"
#include "cli/load_failure.h"
#include "cli/number_argument.h"
#include "exchange/game_id.h"
#include "exchange/imported_puzzle.h"
#include "exchange/plain_text.h"
#include "exchange/puzzle_sheet.h"
#include "exchange/text_picture.h"
#include "model/clue_grid.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace::cli {

namespace {

struct ExportArguments {
    std::string format;
    std::string file;
    int number = 0;
    std::string out;  // "-": standard output
};

std::optional<ExportArguments> ParseArguments(const Arguments& args, std::string& error) {
    ExportArguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--format" && arg != "--out") {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        (arg == "--format" ? parsed.format : parsed.out) = args[++i];
    }
    const std::optional<int> number =
        positional.size() == 2 ? NumberArgument(positional[1]) : std::nullopt;
    if (!number) {
        error = "export takes FILE and N";
        return std::nullopt;
    }
    if (parsed.format != "art" && parsed.format != "art-solution" && parsed.format != "plain" &&
        parsed.format != "xls" && parsed.format != "id") {
        error = "--format must be art, art-solution, plain, xls or id";
        return std::nullopt;
    }
    if (parsed.out.empty() || (parsed.out == "-" && parsed.format == "xls")) {
        error = parsed.format == "xls" ? "xls needs --out FILE" : "--out FILE or --out - is needed";
        return std::nullopt;
    }
    parsed.file = positional[0];
    parsed.number = *number;
    return parsed;
}

std::vector<std::string> TextLines(const ExportArguments& args, const Grid& grid,
                                   const PuzzlePlace& place) {
    if (args.format == "plain") return PlainTextLines(CluesOf(grid));
    if (args.format == "id") return {GameId(CluesOf(grid))};
    const PictureOf what = args.format == "art" ? PictureOf::Puzzle : PictureOf::Solution;
    return TextPictureFile(
        grid, PuzzleHeader(what == PictureOf::Puzzle ? "Puz#" : "Soln#", grid, place), what);
}

}  // namespace

int ExportCommand(const Arguments& args) {
    std::string error;
    const std::optional<ExportArguments> parsed = ParseArguments(args, error);
    if (!parsed) return UsageError(error);
    Grid grid;
    PuzzlePlace place;
    place.count = CountLines(parsed->file);
    std::string whyNot;
    if (!LoadPuzzle(grid, place, parsed->file, parsed->number, &whyNot)) {
        std::cout << LoadFailure(parsed->number, whyNot).Text() << '\n';
        return kExitFailed;
    }
    JsonLine line;
    line.Add("puzzle", parsed->number);
    bool written = true;
    if (parsed->format == "xls") {
        written = WritePuzzleSheet(grid, parsed->out);
    } else {
        std::string text;
        for (const std::string& row : TextLines(*parsed, grid, place)) text += row + "\r\n";
        if (parsed->out == "-")
            std::cout << text << std::flush;
        else
            written = WriteFileAtomically(parsed->out, text);
    }
    line.Add("format", parsed->format).Add("out", parsed->out);
    if (!written) line.Add("error", "write failed");
    // The report goes beside the export: to standard error when the export fills standard output.
    (parsed->out == "-" ? std::cerr : std::cout) << line.Text() << '\n';
    return written ? kExitOk : kExitFailed;
}

}  // namespace ringlace::cli
