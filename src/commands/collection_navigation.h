// Moving through puzzle collections: the previous, next, first, last, random or a typed puzzle of
// the file, another file from the open dialog, the command line or a drop, and the recent files.
// Each returns true when a puzzle was loaded (the board and its labels are then shown anew).
#pragma once

#include <string>

#include "model/settings.h"

namespace ringlace {

struct App;

enum class PuzzleMove { Previous, Next, First, Last, Random };

// Nothing happens in a file of one puzzle. Previous and next wrap around the file's ends; random
// may draw the current puzzle again. When the record cannot be loaded the file is counted again
// (it may have changed since it was opened) and the move is tried once more against the new
// count; a record that still fails is named in the status line and the board stays as it was.
bool GoToPuzzle(App& app, PuzzleMove move);

// Loads puzzle `number` of the current file, as a click in the puzzle browser asks; a number
// outside 1 to the count, or no puzzle file shown, does nothing.
bool GoToNumber(App& app, int number);

// The puzzle-number box's text on Enter: a number from 1 to the count loads that puzzle; anything
// else is ignored.
bool GoToTypedNumber(App& app, const std::string& text);

// Asks for a puzzle file and shows its first puzzle.
bool OpenPuzzleFileCommand(App& app);

// Shows puzzle `number` of the file (held to the file's range) and puts the file at the top of
// the recent files. A file that cannot be loaded is reported and the previous puzzle stays.
bool OpenFileAt(App& app, const std::string& path, int number);

// Reopens recent file `index` (0 to 4) at its first puzzle; the recent files keep their order.
bool OpenRecentFile(App& app, int index);

// Puts the path at the top of the recent files unless it is one of them already.
void AddRecentFile(Settings& settings, const std::string& path);

}  // namespace ringlace
