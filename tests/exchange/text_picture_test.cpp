#include "exchange/text_picture.h"

#include <gtest/gtest.h>

#include "model/clue_grid.h"

namespace ringlace {
namespace {

using Lines = std::vector<std::string>;

Grid Puzzle(int rows, int cols, const std::vector<ClueValue>& clues, const std::string& solution) {
    Grid grid;
    PlaceClues(grid, {rows, cols, clues});
    grid.SolutionCode = solution;
    return grid;
}

TEST(TextPictureTest, ThePuzzleIsBoxedWithItsCluesInTheMiddle) {
    const Grid one = Puzzle(1, 1, {1}, "");
    EXPECT_EQ(TextPictureGrid(one, PictureOf::Puzzle), (Lines{"+---+", ": 1 :", "+---+"}));
    // Without a stored solution the solution picture is the open grid with its clues.
    EXPECT_EQ(TextPictureGrid(one, PictureOf::Solution), (Lines{"+   +", "  1  ", "+   +"}));

    const Grid pair = Puzzle(1, 2, {3, kNoClue}, "DI");
    EXPECT_EQ(TextPictureFile(pair, "Puz# 1 of 2 (Easy) : File: /p/set.rlc", PictureOf::Puzzle),
              (Lines{"", "Puz# 1 of 2 (Easy) : File: /p/set.rlc", "", "+---+---+", ": 3 :   :",
                     "+---+---+", "", "Ringlace - free download at https://ringlace.example.org"}));
}

// Loops round a 1 x 2 and a 3 x 3 grid: corners where the loop turns or runs straight on are "#",
// the corners it does not touch stay "+", and every wall inside is open.
TEST(TextPictureTest, TheSolutionDrawsTheStoredLoop) {
    EXPECT_EQ(TextPictureGrid(Puzzle(1, 2, {3, kNoClue}, "DI"), PictureOf::Solution),
              (Lines{"#########", "# 3     #", "#########"}));
    const Grid ring =
        Puzzle(3, 3, {kNoClue, kNoClue, kNoClue, kNoClue, 2, kNoClue, kNoClue, kNoClue, kNoClue},
               "BGHAXKFNL");
    EXPECT_EQ(TextPictureGrid(ring, PictureOf::Solution),
              (Lines{"#############", "#           #", "#   +   +   #", "#     2     #",
                     "#   +   +   #", "#           #", "#############"}));
}

}  // namespace
}  // namespace ringlace
