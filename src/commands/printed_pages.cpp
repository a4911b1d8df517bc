#include "commands/printed_pages.h"

#include <memory>

#include "commands/app.h"
#include "exchange/imported_puzzle.h"
#include "exchange/maker.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

std::string PrintedPageHeader(const Grid& grid, const PuzzlePlace& place) {
    return PuzzleHeader("Puz#", grid, place) + ": " + kProgramTitle + " - " + kMakerAddress;
}

PrintedRange ReadPrintedRange(const std::string& file, int first, int last) {
    PrintedRange range;
    PuzzlePlace place{file, 0, CountLines(file)};
    LineReader reader(file);
    std::string line;
    const auto grid = std::make_unique<Grid>();
    for (int number = 1; number <= last && reader.Next(line, LongestRecord(*grid)); ++number) {
        if (number < first) continue;
        place.number = number;
        if (LoadRecord(*grid, line))
            range.puzzles.push_back(
                {line, PrintedPageHeader(*grid, place), number, SmallSolutionSize(*grid)});
        else
            ++range.skipped;
    }
    return range;
}

Drawing PrintedPuzzlePage(const PrintedPuzzle& puzzle, const PaperStyle& style,
                          PageSolution solution) {
    const auto load = [record = puzzle.record] {
        auto grid = std::make_unique<Grid>();
        static_cast<void>(LoadRecord(*grid, record));  // read once already, so it loads
        return grid;
    };
    const std::string header = puzzle.header;
    return {[load, header, style, solution](Canvas& measuring) {
                return PrintedPageExtent(*load(), header, measuring, style, solution);
            },
            [load, header, style, solution](Canvas& canvas) {
                DrawPrintedPage(canvas, *load(), header, style, solution);
            }};
}

std::vector<SheetSolution> SheetSolutionsOf(const PrintedRange& range) {
    std::vector<SheetSolution> solutions;
    for (const PrintedPuzzle& puzzle : range.puzzles)
        solutions.push_back(
            {puzzle.record, "Puz#" + StrNumber(puzzle.number), puzzle.solutionSize});
    return solutions;
}

}  // namespace ringlace
