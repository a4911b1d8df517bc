// Changing puzzle collections: appending the current puzzle or the player's entries to a file,
// deleting the current puzzle from its file, and the question before a file is replaced. Nothing
// a person made is lost on the way: the board keeps their entries, and a file is only ever
// replaced whole (written beside it, then renamed over it).
#pragma once

#include <string>

namespace ringlace {

struct App;
class Host;

// Asks for a file and appends the current puzzle's record with its stored solution. Appended to
// the current file, the board shows the new record (the same puzzle, entries kept). True when the
// labels are to be shown anew.
bool AppendPuzzleCommand(App& app);

// As AppendPuzzleCommand, with the "**" record of the player's bars and X marks.
bool AppendUserEntriesCommand(App& app);

// Asks, then deletes the current puzzle from its file and shows its neighbour. True when the
// board is to be shown anew.
bool DeletePuzzleCommand(App& app);

// True when the file may be written: it is missing or empty, or the person answered Yes.
bool ConfirmOverwrite(Host& host, const std::string& fileName);

}  // namespace ringlace
