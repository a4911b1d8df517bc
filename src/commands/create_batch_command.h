// Puzzles with Options: a batch of puzzles of one size and level, optionally on a pattern of clue
// cells, appended to an output file that becomes the current puzzle file.
#pragma once

#include <optional>
#include <string>

#include "commands/app.h"
#include "create/pattern_file.h"
#include "seams/message.h"

namespace ringlace {

inline constexpr const char* kBatchDialogTitle = "Create New Puzzles";

struct BatchRequest {
    int count = 1;
    int rows = 10;
    int cols = 10;
    std::string levelName = "Medium";  // "Easy", "Medium" or "Hard", in any case
    std::string file;                  // ".txt" is added to a name without one
    std::optional<Pattern> pattern;    // when "Use numbers pattern above" is ticked
};

// The dialog's checks on OK: nothing when the batch can be made, else the message to show (the
// dialog then stays open). `limits` gives the largest size.
std::optional<Message> CheckBatchRequest(const BatchRequest& request, const Grid& limits);

enum class BatchEnd { Refused, NotConfirmed, Made, Cancelled, PatternFailed, NotWritten };

struct BatchOutcome {
    BatchEnd end = BatchEnd::Refused;
    int made = 0;  // puzzles appended to the file
};

// Asks first for more than one puzzle, then makes them one by one, showing "n of N" and the
// output file as the place, appending each as it is made. A cancel keeps what was written. The
// output file then becomes current at its last puzzle, and the count is reported.
BatchOutcome CreateBatch(App& app, const BatchRequest& request);

}  // namespace ringlace
