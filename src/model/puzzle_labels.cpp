#include "model/puzzle_labels.h"

#include "model/puzzle_record.h"
#include "model/text_file.h"

namespace ringlace {

PuzzleLabels DescribePuzzle(const Grid& grid, const PuzzlePlace& place) {
    PuzzleLabels labels;
    labels.size = NumText(grid.Rows) + "x" + NumText(grid.Cols);
    if (place.number < 1) return labels;
    labels.fileName = FileNamePart(place.file);
    labels.filePath = place.file;
    labels.puzzleNumber = NumText(place.number);
    labels.puzzleCount = " of " + NumText(place.count);
    labels.difficulty = DifficultyName(grid.DiffCode);
    labels.openShare = NumText(grid.CountBlankClues() * 100 / grid.NumCells) + "%";
    return labels;
}

}  // namespace ringlace
