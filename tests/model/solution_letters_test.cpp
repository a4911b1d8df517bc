#include "model/solution_letters.h"

#include <gtest/gtest.h>

#include <set>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

// One to three bar sides: 4 + 6 + 4 sets, each with a letter of its own that reads back to it.
TEST(SolutionLettersTest, EveryLetterNamesItsBarSidesBothWays) {
    std::set<std::string> sets;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string digits = DecodeCell(letter);
        if (digits.empty()) continue;
        EXPECT_EQ(EncodeCell(digits), std::string(1, letter)) << digits;
        sets.insert(digits);
    }
    EXPECT_EQ(sets.size(), 14u);
    EXPECT_EQ(EncodeCell(""), "X");
    EXPECT_EQ(EncodeCell("1234"), "");  // a cell boxed on all sides has no letter
    EXPECT_EQ(DecodeCell('a'), "");
}

// Stored puzzles make the round trip in the record tests; here what they never show.
TEST(SolutionLettersTest, ApplyingClearsFirstAndABoxedCellHasNoLetter) {
    Grid grid = test::GridFromRows({"  ", "  "});
    grid.SetEdge(1, 1, Side::Right, XMark);
    grid.SolutionCode = "BH";  // a short code leaves the other cells without bars
    ApplySolution(grid);
    EXPECT_EQ(grid.CellEdge[1][1][Side::Right], Free);  // everything else is cleared first
    EXPECT_EQ(SolutionLetters(grid), "BHXX");
    for (const Side side : kSides) grid.SetEdge(2, 2, side, Bar);
    MakeSolutionCode(grid);
    EXPECT_EQ(grid.SolutionCode, "BIK");  // one letter short
}

}  // namespace
}  // namespace ringlace
