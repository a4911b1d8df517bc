// The puzzles of a file as printed pages, for the printer and for PDF puzzle books alike.
#pragma once

#include <string>
#include <vector>

#include "exchange/puzzle_picture.h"
#include "exchange/solution_sheets.h"
#include "model/grid.h"
#include "model/puzzle_place.h"

namespace ringlace {

// The line above a printed puzzle: where it comes from, then the program and its maker.
std::string PrintedPageHeader(const Grid& grid, const PuzzlePlace& place);

// A puzzle to print, kept as its record: a long range holds one grid at a time, not one a page.
struct PrintedPuzzle {
    std::string record;
    std::string header;
    int number = 0;
    PictureSize solutionSize;
};

struct PrintedRange {
    std::vector<PrintedPuzzle> puzzles;
    int skipped = 0;  // records in the range that could not be read
};

// Records first to last of the file, read in one pass; the range ends early with the file.
PrintedRange ReadPrintedRange(const std::string& file, int first, int last);

// The page of one puzzle, its record loaded whenever the printer asks for it.
Drawing PrintedPuzzlePage(const PrintedPuzzle& puzzle, const PaperStyle& style,
                          PageSolution solution);

// The range's solutions as the sheets at the end of a book show them, labelled "Puz# n".
std::vector<SheetSolution> SheetSolutionsOf(const PrintedRange& range);

}  // namespace ringlace
