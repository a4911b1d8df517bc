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

    const Grid pair = Puzzle(1, 2, "3", "DI");
    EXPECT_EQ(TextPictureFile(pair, "Puz# 1 of 2 (Easy) : File: /p/set.rlc", PictureOf::Puzzle),
              (Lines{"", "Puz# 1 of 2 (Easy) : File: /p/set.rlc", "", "+---+---+", ": 3 :   :",
                     "+---+---+", "", "Ringlace - free download at https://ringlace.example.org"}));
}

// Loops round a 1 x 2 and a 3 x 3 grid: corners where the loop turns or runs straight on are "#",
// the corners it does not touch stay "+", and every wall inside is open.
TEST(TextPictureTest, TheSolutionDrawsTheStoredLoop) {
    EXPECT_EQ(TextPictureGrid(Puzzle(1, 2, "3", "DI"), PictureOf::Solution),
              (Lines{"#########", "# 3     #", "#########"}));
    const Grid ring = Puzzle(3, 3, "    2", "BGHAXKFNL");
    EXPECT_EQ(TextPictureGrid(ring, PictureOf::Solution),
              (Lines{"#############", "#           #", "#   +   +   #", "#     2     #",
                     "#   +   +   #", "#           #", "#############"}));
}

}  // namespace
}  // namespace ringlace
