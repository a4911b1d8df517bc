// Create > Jumbo 50x50: one puzzle of 17 x 17 up to 50 x 50 cells, too large for the board,
// written with its solution to a spreadsheet file. The board keeps its puzzle.
#pragma once

#include <optional>
#include <string>

#include "commands/app.h"
#include "seams/message.h"

namespace ringlace {

inline constexpr const char* kJumboFile = "tempexcelfile.xls";

struct JumboRequest {
    int rows = 50;
    int cols = 50;
    std::string file;
};

// The dialog's check on OK: "Incorrect puzzle size" unless both sides are 17 to 50.
std::optional<Message> CheckJumboRequest(const JumboRequest& request);

enum class JumboEnd { Refused, NotOverwritten, Saved, Cancelled, NotWritten };

// Asks before replacing an existing file, makes the puzzle with progress in the status line and
// the cancel button working, writes the sheet and says where it went.
JumboEnd CreateJumboCommand(App& app, const JumboRequest& request);

}  // namespace ringlace
