#include "exchange/imported_puzzle.h"

#include "exchange/game_id.h"
#include "exchange/plain_text.h"
#include "model/puzzle_record.h"
#include "model/text.h"

namespace ringlace {

std::optional<ClueGrid> ReadPastedPuzzle(const std::string& text, int maxRows, int maxCols) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) return std::nullopt;
    if (std::optional<ClueGrid> clues = ReadGameId(text, maxRows, maxCols)) return clues;
    return ReadPlainText(SplitLines(text), TextOrigin::Clipboard, maxRows, maxCols);
}

Grid ImportedPuzzle(const ClueGrid& clues) {
    Grid grid;
    PlaceClues(grid, clues);
    grid.DiffCode = "ME";
    return grid;
}

std::string PuzzleHeader(const std::string& word, const Grid& grid, const PuzzlePlace& place) {
    return word + StrNumber(place.number) + " of" + StrNumber(place.count) + " (" +
           DifficultyName(grid.DiffCode) + ") : File: " + place.file;
}

}  // namespace ringlace
