// Puzzles in and out in other forms: text pictures and plain text grids written to files, text
// grids imported from files, text grids and game IDs pasted from the clipboard, and copies on the
// clipboard. The exports never change the board; a failed import or paste leaves it as it was.
#pragma once

#include "exchange/text_picture.h"

namespace ringlace {

struct App;

// Print > Text File > Puzzle or Solution: the boxed picture, to a file the person picks.
void SaveTextPictureCommand(App& app, PictureOf what);

// Save > Text File: the plain text grid.
void SavePlainTextCommand(App& app);

// Save > Excel File: the puzzle and its solution side by side on a spreadsheet.
void SaveSpreadsheetCommand(App& app);

// Create > Import Puzzle File: a text grid from a file, appended to the ".rlc" file of the same
// name and shown. True when the board is to be shown anew.
bool ImportPuzzleFileCommand(App& app);

// Create > Paste Puzzle: a text grid or a game ID from the clipboard, shown as the only puzzle of
// the scratch puzzle file. True when the board is to be shown anew.
bool PastePuzzleCommand(App& app);

enum class ClipboardCopy { Puzzle, Solution, GameId };

// Save > Copy to Clipboard: the picture of the puzzle or of its solution together with the plain
// text grid, or the game ID alone.
void CopyToClipboardCommand(App& app, ClipboardCopy what);

}  // namespace ringlace
