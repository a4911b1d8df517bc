#include "solver/link_ambiguities.h"

#include <gtest/gtest.h>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

using test::GridFromRows;

// A loop around the whole of a 5 x 5 grid.
Grid Perimeter(const std::vector<std::string>& rows) {
    Grid grid = GridFromRows(rows);
    test::LoopAround(grid, 1, 1, 5, 5);
    return grid;
}

TEST(LinkAmbiguitiesTest, ABlankBorderCellCanLetTheLoopDipIn) {
    Grid grid = Perimeter({"2   2", "     ", "     ", "     ", "2   2"});
    std::vector<int> cells;
    const int found = FindLinkAmbiguities(grid, AmbiguityMode::List, cells);
    // (1, 3), (3, 1), (3, 5) and (5, 3) are blank with blank neighbours; their one-bar patterns
    // are listed twice.
    EXPECT_EQ(found, 8);
    EXPECT_EQ(cells, (std::vector<int>{3, 3, 11, 11, 15, 15, 23, 23}));
    EXPECT_EQ(CheckLinkUnique(grid), cells);
}

TEST(LinkAmbiguitiesTest, WritingCluesSettlesTheFinds) {
    Grid grid = Perimeter({"2   2", "     ", "     ", "     ", "2   2"});
    std::vector<int> unused;
    FindLinkAmbiguities(grid, AmbiguityMode::WriteClues, unused);
    EXPECT_EQ(grid.Clue[3], 1);
    EXPECT_EQ(grid.Clue[11], 1);
    EXPECT_TRUE(CheckLinkUnique(grid).empty());
}

TEST(LinkAmbiguitiesTest, ACornerWithThreeBlankCellsCanBeCutAcross) {
    Grid grid = Perimeter({"    2", " 1 1 ", "     ", " 1 1 ", "2   2"});
    std::vector<int> cells;
    FindLinkAmbiguities(grid, AmbiguityMode::List, cells);
    EXPECT_EQ(cells.front(), 1);  // the top-left corner cell, found by the corner test
}

TEST(LinkAmbiguitiesTest, CluedNeighbourhoodsAreNotAmbiguous) {
    Grid grid = Perimeter({"21112", "1   1", "1   1", "1   1", "21112"});
    EXPECT_TRUE(CheckLinkUnique(grid).empty());
}

}  // namespace
}  // namespace ringlace
