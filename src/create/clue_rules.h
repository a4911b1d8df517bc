// Choosing which cells of a grown loop show their clue. The passes below reveal clues where the
// loop's shape makes them telling (turns, empty cells, the cell beside a U), thin out runs of
// neighbouring clues, and move a "3" to the "1" beside it. They read the loop from the Bars and the
// true counts from OrigClue, and write Clue (and OrigClue where a true count is revealed).
#pragma once

#include <string>

#include "model/grid.h"
#include "model/random_source.h"

namespace ringlace {

// The share of blank cells the creators aim at for the larger side n of a grid:
// 82 - 2n up to 20, 84 - 2n above (5 gives 72, 10 gives 62, 25 gives 34).
int OpenTarget(int n);

// Int(100 x blank cells / cells).
int OpenShare(const Grid& grid);

// Every cell's sides in cell order, four characters each for L, T, R, B: "b" Bar, "x" X, "."
// otherwise. Two grids have the same loop and marks exactly when their signatures are equal.
std::string LoopSignature(const Grid& grid);

// A frame cell shows no clue.
bool ShowsClue(const Grid& grid, int r, int c);

// The number of Bars around (r, c) as a clue.
ClueValue TrueClue(const Grid& grid, int r, int c);

// Cell (r, c) shows its true count, in Clue and OrigClue.
void RevealTrueClue(Grid& grid, int r, int c);

// Cells whose loop turns at their top-left, bottom-right or top-right corner show their clue.
void RevealTurningCells(Grid& grid);

// Cells away from the loop show "0".
void RevealEmptyCells(Grid& grid);

// Of two neighbouring clues in a row (column) the second is blanked, walking on from it, so a run
// of clues keeps every other one.
void ThinRows(Grid& grid);
void ThinColumns(Grid& grid);

// A "3" whose U is closed towards a neighbour that has only that one Bar gives its place to a "1"
// in that neighbour; four passes, closed top, bottom, left, right.
void MoveThreesToOnes(Grid& grid);

// A blank cell beside the closed end of a U in a clue-free neighbourhood, or a border cell whose
// only Bar faces the interior, shows "1" when its true count is 1.
void RevealBesideU(Grid& grid);

// A "2" in a grid corner with both neighbours blank gives one neighbour its clue (the first of the
// corner's pair with probability 0.4). 1 when a clue was revealed.
int FixCornerTwos(Grid& grid, RandomSource& random);

// Int(k x R x C / 100) random blank cells show their true count.
void RevealRandomBlanks(Grid& grid, RandomSource& random, int k);

// Threes hidden in clue-free places are shown, a "3" moves to the blank cell across its U's
// closed end, and a corner with its neighbours all blank shows its clue.
void AdjustThrees(Grid& grid);

}  // namespace ringlace
