#include "model/grid.h"

#include <gtest/gtest.h>

#include <random>

#include "support/grid_builder.h"

namespace ringlace {
namespace {

// The state of the edge that leaves node (i, j) in direction dir, read through NodeEdgeRef.
EdgeState ThroughReference(const Grid& grid, int i, int j, Side dir) {
    const NodeEdgeName& ref = grid.NodeEdgeRef[i][j][dir];
    return grid.CellEdge[i + ref.rowOffset][j + ref.colOffset][ref.side];
}

// Saved entries come back over any change, the colours untouched.
TEST(GridTest, SetEdgeKeepsTheFourCopiesOfEveryEdgeEqualAndSavedEntriesComeBack) {
    Grid grid = test::GridFromClues(4, 6, "");
    const std::int64_t callsBefore = grid.EdgeSetCount;
    std::mt19937 random(7);
    for (int step = 0; step < 2000; ++step) {
        const int r = 1 + static_cast<int>(random() % 4);
        const int c = 1 + static_cast<int>(random() % 6);
        const Side side = kSides[random() % 4];
        grid.SetEdge(r, c, side, static_cast<EdgeState>(random() % 3));
    }
    EXPECT_EQ(grid.EdgeSetCount, callsBefore + 2000);
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(grid.CellEdge[r][c][Side::Top], grid.CellEdge[r - 1][c][Side::Bottom]);
            EXPECT_EQ(grid.CellEdge[r][c][Side::Left], grid.CellEdge[r][c - 1][Side::Right]);
        }
    }
    // Every in-grid direction of every dot names, through NodeEdgeRef, the edge NodeLink holds:
    // the dots' copies agree with the cells'.
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 7; ++j) {
            const bool inGrid[] = {j > 1, i > 1, j < 7, i < 5};
            for (const Side dir : kSides) {
                if (inGrid[SideIndex(dir)]) {
                    EXPECT_EQ(ThroughReference(grid, i, j, dir), grid.NodeLink[i][j][dir]);
                }
            }
        }
    }
    grid.CellColour[2][2] = Yellow;
    const Grid saved = grid;
    grid.SaveEntries(1);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 6; ++c)
            for (const Side side : kSides) grid.SetEdge(r, c, side, Bar);
    grid.RestoreEntries(1);
    EXPECT_EQ(grid.CellEdge, saved.CellEdge);
    EXPECT_EQ(grid.NodeLink, saved.NodeLink);
    EXPECT_EQ(grid.CellColour, saved.CellColour);
}

// After a reset the frame is Pink and its own sides Outside; it shares the border edges with the
// grid but never counts their bars.
TEST(GridTest, CellNumbersRunRowByRowAndTheFrameSharesTheBorderEdgesOnly) {
    Grid grid = test::GridFromRows({"3    ", "     ", "    0"});
    EXPECT_EQ(grid.CellNum[1][5], 5);
    EXPECT_EQ(grid.CellNum[0][3] + grid.CellNum[4][6], 0);
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(grid.CellNum[grid.CellRow[k]][grid.CellCol[k]], k);
    EXPECT_EQ(grid.CountBlankClues(), 13);

    grid.CellColour[1][1] = Yellow;
    grid.ResetColours();
    for (int r = 0; r <= 4; ++r) {
        for (int c = 0; c <= 6; ++c) {
            const bool real = grid.IsRealCell(r, c);
            EXPECT_EQ(grid.CellColour[r][c], real ? 0 : Pink) << r << "," << c;
            for (const Side side : kSides) {
                const EdgeState state = grid.CellEdge[r][c][side];
                EXPECT_TRUE(real ? state == Free : state == Outside || state == Free);
            }
        }
    }
    EXPECT_EQ(grid.CellEdge[0][0][Side::Right], Outside);  // a frame corner faces no real cell
    grid.SetEdge(1, 2, Side::Top, Bar);
    grid.SetEdge(3, 5, Side::Right, Bar);
    EXPECT_EQ(grid.CountBars(0, 2) + grid.CountBars(3, 6), 0);
    EXPECT_EQ(grid.CountBars(3, 5), 1);
}

}  // namespace
}  // namespace ringlace
