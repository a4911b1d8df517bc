// Printing puzzles, one a page with a small copy of the stored solution: the current puzzle, or a
// range of any puzzle file.
#pragma once

#include <optional>
#include <string>

#include "exchange/puzzle_picture.h"
#include "seams/message.h"

namespace ringlace {

struct App;

// Print > Printer > Current Puzzle: asks, prints, and says "Printed".
void PrintCurrentPuzzleCommand(App& app);

// What the "Multiple Puzzles" dialog asks for.
struct PrintRange {
    std::string file;
    int first = 1;
    int last = 1;
    PaperStyle style;
};

// The dialog's checks on OK: nothing when the range can be printed, else the message to show
// (the dialog then stays open).
std::optional<Message> CheckPrintRange(const PrintRange& range);

// The print options as the settings hold them, and back: the corner character is cut to one
// character and emptied when rectangle corners are set.
PaperStyle PrintStyle(const App& app);
void KeepPrintStyle(App& app, const PaperStyle& style);

// Print > Printer > Multiple Puzzles after the dialog: keeps the options, then prints puzzles
// first to last of the file, one a page. A record that cannot be read is skipped and counted in
// the closing message. The board is not touched.
void PrintRangeCommand(App& app, const PrintRange& range);

}  // namespace ringlace
