#include "model/solution_letters.h"

#include <gtest/gtest.h>

namespace ringlace {
namespace {

TEST(SolutionLettersTest, EveryLetterNamesItsBarSidesBothWays) {
    const std::pair<char, std::string> table[] = {
        {'A', "1"},  {'B', "12"}, {'C', "123"}, {'D', "124"}, {'E', "13"},
        {'F', "14"}, {'G', "2"},  {'H', "23"},  {'I', "234"}, {'J', "24"},
        {'K', "3"},  {'L', "34"}, {'M', "134"}, {'N', "4"},   {'X', ""}};
    for (const auto& [letter, digits] : table) {
        EXPECT_EQ(EncodeCell(digits), std::string(1, letter));
        EXPECT_EQ(DecodeCell(letter), digits);
    }
    EXPECT_EQ(EncodeCell("1234"), "");  // a cell boxed on all sides has no letter
    EXPECT_EQ(DecodeCell('Z'), "");
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
