// Writes one puzzle of a puzzle file as a spreadsheet, so that a reader written by others can
// check the file: write_puzzle_sheet PUZZLES N OUT.
#include <cstdlib>
#include <iostream>

#include "exchange/puzzle_sheet.h"
#include "model/puzzle_record.h"
#include "model/text_file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: write_puzzle_sheet PUZZLES N OUT\n";
        return 2;
    }
    ringlace::Grid grid;
    ringlace::PuzzlePlace place;
    place.count = ringlace::CountLines(argv[1]);
    if (!ringlace::LoadPuzzle(grid, place, argv[1], std::atoi(argv[2]))) {
        std::cerr << "write_puzzle_sheet: no puzzle " << argv[2] << " in " << argv[1] << "\n";
        return 1;
    }
    if (!ringlace::WritePuzzleSheet(grid, argv[3])) {
        std::cerr << "write_puzzle_sheet: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
