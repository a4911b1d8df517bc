// How a creation on the board ends: the new puzzle written as the only record of the scratch
// puzzle file and loaded from it, or the puzzle shown before brought back.
#pragma once

#include <string>

#include "commands/app.h"

namespace ringlace {

enum class CreateEnd { Refused, BadSize, BadLevel, BadLoop, Created, Cancelled, Failed, NotSaved };

// The puzzle shown before a creation started.
struct PreviousPuzzle {
    Grid grid;
    PuzzlePlace place;
};

// The puzzle that was shown comes back from its file; when the file no longer gives it, the copy
// taken before the creation does.
void RestorePrevious(App& app, const PreviousPuzzle& previous);

// The previous puzzle back, the status line cleared, and "Canceled".
CreateEnd CancelEnding(App& app, const PreviousPuzzle& previous);

// The board's puzzle written as the only record of the scratch file and loaded from it, with the
// status; when that fails, the previous puzzle back and the file reported.
CreateEnd SuccessEnding(App& app, const std::string& status, const PreviousPuzzle& previous);

}  // namespace ringlace
