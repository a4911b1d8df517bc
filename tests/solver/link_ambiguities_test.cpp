#include "solver/link_ambiguities.h"

#include <gtest/gtest.h>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

// A loop around the whole of a 5 x 5 grid.
Grid Perimeter(const std::vector<std::string>& rows) {
    Grid grid = test::GridFromRows(rows);
    test::LoopAround(grid, 1, 1, 5, 5);
    return grid;
}

// (1, 3), (3, 1), (3, 5) and (5, 3) are blank with blank neighbours: the loop could dip into any of
// them. Their one-bar patterns are listed twice; written as clues, they settle the loop there.
TEST(LinkAmbiguitiesTest, ABlankBorderCellCanLetTheLoopDipIn) {
    Grid grid = Perimeter({"2   2", "     ", "     ", "     ", "2   2"});
    std::vector<int> cells;
    EXPECT_EQ(FindLinkAmbiguities(grid, AmbiguityMode::List, cells), 8);
    EXPECT_EQ(cells, (std::vector<int>{3, 3, 11, 11, 15, 15, 23, 23}));
    EXPECT_EQ(CheckLinkUnique(grid), cells);

    FindLinkAmbiguities(grid, AmbiguityMode::WriteClues, cells);
    EXPECT_EQ(grid.Clue[3], 1);
    EXPECT_EQ(grid.Clue[11], 1);
    EXPECT_TRUE(CheckLinkUnique(grid).empty());

    // A corner with three blank cells can be cut across; clued neighbourhoods are not ambiguous.
    Grid corner = Perimeter({"    2", " 1 1 ", "     ", " 1 1 ", "2   2"});
    ASSERT_FALSE(CheckLinkUnique(corner).empty());
    EXPECT_EQ(CheckLinkUnique(corner).front(), 1);  // the top-left corner cell
    Grid clued = Perimeter({"21112", "1   1", "1   1", "1   1", "21112"});
    EXPECT_TRUE(CheckLinkUnique(clued).empty());
}

}  // namespace
}  // namespace ringlace
