// The plain text grid: one line per row, one character per cell, the clue digit or "." for none.
// Other programs and people write puzzles this way; the program writes it and reads it back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/clue_grid.h"

namespace ringlace {

// The lines of the grid, without line ends.
std::vector<std::string> PlainTextLines(const ClueGrid& clues);

// Where a text grid comes from. A file's grid is as wide as its longest line and knows "." and
// " " for a blank cell; a pasted grid is as wide as its first line and takes "x" as well.
enum class TextOrigin { File, Clipboard };

// The clues of a text grid, a line per row; a short line ends in blank cells. Nothing when a
// character is neither a clue nor a blank, or the size is outside 1..maxRows x 1..maxCols.
std::optional<ClueGrid> ReadPlainText(const std::vector<std::string>& lines, TextOrigin origin,
                                      int maxRows, int maxCols);

// Text split into lines at CR LF, LF or a lone CR, as it comes from any system's clipboard; a
// line end at the very end closes the last line rather than starting an empty one.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace ringlace
