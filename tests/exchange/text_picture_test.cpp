#include "exchange/text_picture.h"

#include <gtest/gtest.h>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

using Lines = std::vector<std::string>;

// The clues in one text, row after row, blank for none; the stored solution's letters.
Grid Puzzle(int rows, int cols, const std::string& clues, const std::string& solution) {
    Grid grid = test::GridFromClues(rows, cols, clues);
    grid.SolutionCode = solution;
    return grid;
}

TEST(TextPictureTest, ThePuzzleIsBoxedWithItsCluesInTheMiddle) {
    const Grid one = Puzzle(1, 1, "1", "");
    EXPECT_EQ(TextPictureGrid(one, PictureOf::Puzzle), (Lines{"+---+", ": 1 :", "+---+"}));
    // Without a stored solution the solution picture is the open grid with its clues.
    EXPECT_EQ(TextPictureGrid(one, PictureOf::Solution), (Lines{"+   +", "  1  ", "+   +"}));
}

// The loop round a 3 x 3 grid: corners where the loop turns or runs straight on are "#", the
// corners it does not touch stay "+", and every wall inside is open. The file with its header and
// footer, and the loop round a 1 x 2 grid, are in the exchange commands' test.
TEST(TextPictureTest, TheSolutionDrawsTheStoredLoop) {
    const Grid ring = Puzzle(3, 3, "    2", "BGHAXKFNL");
    EXPECT_EQ(TextPictureGrid(ring, PictureOf::Solution),
              (Lines{"#############", "#           #", "#   +   +   #", "#     2     #",
                     "#   +   +   #", "#           #", "#############"}));
}

}  // namespace
}  // namespace ringlace
