// What the puzzle editors hand back to the board: clues typed by hand, tried with the exact count
// at once; or a loop drawn by hand, made into a puzzle whose one solution it is.
#pragma once

#include <optional>
#include <string>

#include "commands/app.h"
#include "commands/creation_endings.h"
#include "model/clue_grid.h"
#include "seams/message.h"

namespace ringlace {

inline constexpr const char* kEditedPuzzleFile = "tempeditpuzzle.txt";

// The current puzzle as the editors start from it: its size and clues, and its stored solution
// as Bars.
Grid EditorStart(const App& app);

// "No numbers in this puzzle!" when no cell has a clue.
std::optional<Message> CheckTypedClues(const ClueGrid& clues);

// The typed puzzle becomes the current one, from the file "tempeditpuzzle.txt" in the data
// folder; the status line says "Now Autosolve to check puzzle" and what the exact count found.
// False, with the file reported, when it cannot be written.
bool ApplyTypedClues(App& app, const ClueGrid& clues);

// The editor's Save: asks for a puzzle file and appends the typed puzzle to it.
void SaveTypedClues(App& app, const ClueGrid& clues);

// "No loop in this puzzle!" when no side is a Bar.
std::optional<Message> CheckDrawnLoop(const Grid& drawn);

// Checks that the Bars form one loop ("Loop is invalid:" and the fault), then makes a puzzle of
// it on the board as a creation does, with its cancel and its endings.
CreateEnd CreateFromDrawnLoop(App& app, const Grid& drawn);

}  // namespace ringlace
