// Pasted text, as Paste Puzzle reads it: a game ID or a text grid. A puzzle read becomes a puzzle
// of the program whose record loads again to the same clues.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/imported_puzzle.h"
#include "model/puzzle_record.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Grid limits;
    const auto clues = ReadPastedPuzzle(text, limits.MaxRows, limits.MaxCols);
    if (!clues) return 0;
    const Grid puzzle = ImportedPuzzle(*clues);
    Grid loaded;
    Require(LoadRecord(loaded, PuzzleRecordText(puzzle)), "a pasted puzzle's record does not load");
    Require(CluesOf(loaded) == *clues, "a pasted puzzle's record has other clues");
    return 0;
}
