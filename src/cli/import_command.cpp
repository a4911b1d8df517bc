// ringlace-cli import FILE|- [--out PATH]: a text grid or a game ID, as Paste Puzzle reads them,
// made into a record.
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

#include "cli/commands.h"
#include "cli/json_line.h"
#include "exchange/imported_puzzle.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"

namespace ringlace::cli {

namespace {

// Far more than the largest grid as text; a bigger input is not a puzzle.
constexpr std::size_t kLongestInput = 1 << 16;

std::optional<std::string> ReadInput(const std::string& source) {
    std::ifstream file;
    if (source != "-") {
        if (!FileExists(source)) return std::nullopt;
        file.open(source, std::ios::binary);
    }
    std::istream& in = source == "-" ? std::cin : file;
    std::string text;
    char ch = 0;
    while (text.size() <= kLongestInput && in.get(ch)) text += ch;
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

int ImportCommand(const Arguments& args) {
    std::string source;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (source.empty() && args[i] != "--out")
            source = args[i];
        else
            return UsageError("import takes FILE (or - for standard input) and --out PATH");
    }
    if (source.empty()) return UsageError("import takes FILE (or - for standard input)");

    const Grid limits;
    const std::optional<std::string> text = ReadInput(source);
    const std::optional<ClueGrid> clues =
        text && text->size() <= kLongestInput
            ? ReadPastedPuzzle(*text, limits.MaxRows, limits.MaxCols)
            : std::nullopt;
    JsonLine line;
    if (!clues) {
        std::cout << line.Add("error", text ? "not a puzzle" : "read failed").Text() << '\n';
        return kExitFailed;
    }
    const Grid puzzle = ImportedPuzzle(*clues);
    line.Add("rows", puzzle.Rows)
        .Add("cols", puzzle.Cols)
        .Add("open", puzzle.CountBlankClues() * 100 / puzzle.NumCells)
        .Add("out", out.empty() ? "-" : out);
    if (out.empty()) {
        std::cout << PuzzleRecordText(puzzle) << "\r\n" << std::flush;
        std::cerr << line.Text() << '\n';
        return kExitOk;
    }
    if (!WritePuzzleRecord(puzzle, out, WriteMode::Append)) {
        std::cout << line.Add("error", "write failed").Text() << '\n';
        return kExitFailed;
    }
    std::cout << line.Text() << '\n';
    return kExitOk;
}

}  // namespace ringlace::cli
