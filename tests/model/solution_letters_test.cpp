#include "model/solution_letters.h"

#include <gtest/gtest.h>

#include <set>

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
    // As stored puzzles write them.
    EXPECT_EQ(DecodeCell('A'), "1");
    EXPECT_EQ(DecodeCell('M'), "134");
    EXPECT_EQ(DecodeCell('N'), "4");
    EXPECT_EQ(EncodeCell(""), "X");
    EXPECT_EQ(EncodeCell("1234"), "");  // a cell boxed on all sides has no letter
    EXPECT_EQ(DecodeCell('a'), "");
}

TEST(SolutionLettersTest, ApplyingAndMakingTheCodeRoundTrip) {
    Grid grid;
    grid.Rows = 2;
    grid.Cols = 2;
    grid.BuildCellIndex();
    grid.ResetGrid();
    grid.SetEdge(1, 1, Side::Right, XMark);
    grid.SolutionCode = "BHFL";
    ApplySolution(grid);
    EXPECT_EQ(grid.CellEdge[1][1][Side::Right], Free);  // everything else is cleared first
    EXPECT_EQ(grid.CountBars(1, 1), 2);
    EXPECT_EQ(grid.CountBars(2, 2), 2);
    grid.SolutionCode.clear();
    MakeSolutionCode(grid);
    EXPECT_EQ(grid.SolutionCode, "BHFL");

    grid.SolutionCode = "BH";  // a short code leaves the other cells without bars
    ApplySolution(grid);
    EXPECT_EQ(CellLetter(grid, 1, 2), "H");
    EXPECT_EQ(CellLetter(grid, 2, 1), "X");
    EXPECT_EQ(CellLetter(grid, 2, 2), "X");

    for (const Side side : kSides) grid.SetEdge(2, 2, side, Bar);
    MakeSolutionCode(grid);
    EXPECT_EQ(grid.SolutionCode, "BIK");  // the boxed cell has no letter: one letter short
}

}  // namespace
}  // namespace ringlace
