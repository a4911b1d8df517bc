// The puzzle browser: the puzzles of a file as small pictures, nine to a page in three rows of
// three, for the person to pick one by clicking it. A page is drawn in twips like the board.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/clue_grid.h"
#include "play/colour_scheme.h"
#include "seams/canvas.h"

namespace ringlace {

inline constexpr int kBrowserColumns = 3;
inline constexpr int kBrowserRows = 3;
inline constexpr int kBrowserSlots = kBrowserColumns * kBrowserRows;
inline constexpr int kBrowserSlotWidth = 1938;
inline constexpr int kBrowserSlotHeight = 2040;
inline constexpr PictureSize kBrowserPageSize{kBrowserColumns * kBrowserSlotWidth,
                                              kBrowserRows* kBrowserSlotHeight};

// The clues of every line of the file, puzzle n at index n - 1: a record that does not load holds
// no clues (0 rows). Only each line's clue characters are kept, so a file of thousands of puzzles
// is read at once and held in little memory. Empty when the file cannot be read.
std::vector<ClueGrid> ReadBrowserEntries(const std::string& fileName, int maxRows, int maxCols);

// Draws puzzles first + 1 to first + 9 (as far as there are any) on the scheme's board colour:
// each one's frame, a square per cell (black for a clue, the board colour for none) and a caption
// such as "P#12 (10x10) :56% open". The frame of puzzle currentNumber stands out.
void DrawBrowserPage(Canvas& canvas, const std::vector<ClueGrid>& entries, int first,
                     const SchemeColours& colours, const std::string& fontName, int currentNumber);

// The slot (0 to 8, left to right, then top to bottom) under a point of the page.
std::optional<int> BrowserSlotAt(int xTwips, int yTwips);

}  // namespace ringlace
