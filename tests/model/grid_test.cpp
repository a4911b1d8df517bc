#include "model/grid.h"

#include <gtest/gtest.h>

#include <random>

namespace ringlace {
namespace {

Grid SizedGrid(int rows, int cols) {
    Grid grid;
    grid.Rows = rows;
    grid.Cols = cols;
    grid.BuildCellIndex();
    grid.BuildNodeEdgeRef();
    grid.ResetGrid();
    grid.ResetColours();
    return grid;
}

// The state of the edge that leaves node (i, j) in direction dir, read through NodeEdgeRef.
EdgeState ThroughReference(const Grid& grid, int i, int j, Side dir) {
    const NodeEdgeName& ref = grid.NodeEdgeRef[i][j][dir];
    return grid.CellEdge[i + ref.rowOffset][j + ref.colOffset][ref.side];
}

TEST(GridTest, SetEdgeKeepsTheFourCopiesOfEveryEdgeEqual) {
    Grid grid = SizedGrid(4, 6);
    std::mt19937 random(7);
    for (int step = 0; step < 2000; ++step) {
        const int r = 1 + static_cast<int>(random() % 4);
        const int c = 1 + static_cast<int>(random() % 6);
        const Side side = kSides[random() % 4];
        grid.SetEdge(r, c, side, static_cast<EdgeState>(random() % 3));
    }
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 6; ++c) {
            const auto& cell = grid.CellEdge[r][c];
            EXPECT_EQ(cell[Side::Top], grid.CellEdge[r - 1][c][Side::Bottom]);
            EXPECT_EQ(cell[Side::Left], grid.CellEdge[r][c - 1][Side::Right]);
            EXPECT_EQ(cell[Side::Top], grid.NodeLink[r][c][Side::Right]);
            EXPECT_EQ(cell[Side::Top], grid.NodeLink[r][c + 1][Side::Left]);
            EXPECT_EQ(cell[Side::Left], grid.NodeLink[r][c][Side::Bottom]);
            EXPECT_EQ(cell[Side::Left], grid.NodeLink[r + 1][c][Side::Top]);
            EXPECT_EQ(cell[Side::Bottom], grid.NodeLink[r + 1][c][Side::Right]);
            EXPECT_EQ(cell[Side::Right], grid.NodeLink[r][c + 1][Side::Bottom]);
        }
    }
    // Every in-grid direction of every dot names, through NodeEdgeRef, the edge NodeLink holds.
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
}

TEST(GridTest, BorderEdgesReachTheFrameCellsOnly) {
    Grid grid = SizedGrid(3, 3);
    grid.SetEdge(1, 2, Side::Top, Bar);
    grid.SetEdge(3, 2, Side::Bottom, XMark);
    EXPECT_EQ(grid.CellEdge[0][2][Side::Bottom], Bar);
    EXPECT_EQ(grid.CellEdge[4][2][Side::Top], XMark);
    for (Side side : {Side::Left, Side::Top, Side::Right})
        EXPECT_EQ(grid.CellEdge[0][2][side], Outside);
    for (Side side : {Side::Left, Side::Right, Side::Bottom})
        EXPECT_EQ(grid.CellEdge[4][2][side], Outside);
    EXPECT_EQ(grid.CountBars(0, 2), 0);  // the frame never counts
    grid.SetEdge(2, 3, Side::Right, Bar);
    EXPECT_EQ(grid.CellEdge[2][4][Side::Left], Bar);
    EXPECT_EQ(grid.CountBars(2, 4), 0);
    EXPECT_EQ(grid.CountBars(2, 3), 1);
}

TEST(GridTest, SetEdgeWritesAllFourCopiesAndCountsTheCall) {
    Grid grid = SizedGrid(2, 2);
    const Grid before = grid;
    grid.SetEdge(2, 2, Side::Right, Bar);
    EXPECT_EQ(grid.EdgeSetCount, before.EdgeSetCount + 1);
    EXPECT_EQ(grid.CellEdge[2][2][Side::Right], Bar);
    EXPECT_EQ(grid.CellEdge[2][3][Side::Left], Bar);
    EXPECT_EQ(grid.NodeLink[2][3][Side::Bottom], Bar);
    EXPECT_EQ(grid.NodeLink[3][3][Side::Top], Bar);
    EXPECT_EQ(grid.CountBars(2, 2), 1);
}

TEST(GridTest, ResetGridLeavesRealSidesFreeAndTheFrameOutside) {
    Grid grid = SizedGrid(2, 3);
    for (int r = 0; r <= 3; ++r) {
        for (int c = 0; c <= 4; ++c) {
            const bool real = grid.IsRealCell(r, c);
            for (const Side side : kSides) {
                const EdgeState state = grid.CellEdge[r][c][side];
                EXPECT_TRUE(real ? state == Free : state == Outside || state == Free);
            }
        }
    }
    EXPECT_EQ(grid.CellEdge[0][0][Side::Right], Outside);  // a frame corner faces no real cell
    EXPECT_EQ(grid.CellEdge[0][1][Side::Bottom], Free);
}

TEST(GridTest, CellNumbersRunRowByRowAndInvertEachOther) {
    Grid grid = SizedGrid(3, 5);
    EXPECT_EQ(grid.NumCells, 15);
    EXPECT_EQ(grid.MaxDim, 5);
    EXPECT_EQ(grid.CellNum[1][1], 1);
    EXPECT_EQ(grid.CellNum[1][5], 5);
    EXPECT_EQ(grid.CellNum[3][5], 15);
    EXPECT_EQ(grid.CellNum[0][3], 0);
    EXPECT_EQ(grid.CellNum[4][6], 0);
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(grid.CellNum[grid.CellRow[k]][grid.CellCol[k]], k);
    EXPECT_EQ(grid.CellRow[0], 0);

    Grid single = SizedGrid(1, 1);
    EXPECT_EQ(single.NumCells, 1);
    EXPECT_EQ(single.CellNum[1][1], 1);
    EXPECT_EQ(single.NodeEdgeRef[2][2][Side::Left].Text(), "200-1");
    EXPECT_EQ(single.NodeEdgeRef[3][3][Side::Left].Text(), "00000");
}

TEST(GridTest, NodeEdgeRefTexts) {
    Grid grid = SizedGrid(2, 2);
    EXPECT_EQ(grid.NodeEdgeRef[2][2][Side::Left].Text(), "200-1");
    EXPECT_EQ(grid.NodeEdgeRef[2][2][Side::Top].Text(), "3-1-1");
    EXPECT_EQ(grid.NodeEdgeRef[2][2][Side::Right].Text(), "20000");
    EXPECT_EQ(grid.NodeEdgeRef[2][2][Side::Bottom].Text(), "10000");
    EXPECT_EQ(grid.NodeEdgeRef[0][1][Side::Right].Text(), "00000");
}

TEST(GridTest, ColoursAndBlankClues) {
    Grid grid = SizedGrid(2, 3);
    grid.CellColour[1][1] = Yellow;
    grid.ResetColours();
    EXPECT_EQ(grid.CellColour[1][1], 0);
    for (int c = 0; c <= 4; ++c) {
        EXPECT_EQ(grid.CellColour[0][c], Pink);
        EXPECT_EQ(grid.CellColour[3][c], Pink);
    }
    EXPECT_EQ(grid.CellColour[1][0], Pink);
    EXPECT_EQ(grid.CellColour[2][4], Pink);
    EXPECT_EQ(Pink, 200 + 256 * 100 + 65536 * 100);
    EXPECT_EQ(Yellow, 65535);

    EXPECT_EQ(grid.CountBlankClues(), 6);
    grid.Clue[2] = 3;
    grid.Clue[6] = 0;
    EXPECT_EQ(grid.CountBlankClues(), 4);
    EXPECT_EQ(grid.ClueNumber(1), 0);
    EXPECT_EQ(grid.ClueNumber(2), 3);
}

TEST(GridTest, SavedEntriesComeBackWithColoursUntouched) {
    Grid grid = SizedGrid(3, 4);
    std::mt19937 random(11);
    for (int step = 0; step < 60; ++step)
        grid.SetEdge(1 + static_cast<int>(random() % 3), 1 + static_cast<int>(random() % 4),
                     kSides[random() % 4], static_cast<EdgeState>(random() % 3));
    grid.CellColour[2][2] = Yellow;
    const Grid saved = grid;
    grid.SaveEntries(1);
    // One digit per edge: 3 x 4 tops + 4 bottoms, and 3 rows of 4 lefts + 1 right.
    EXPECT_EQ(grid.SavedEntries[1].horizontal.size(), 16u);
    EXPECT_EQ(grid.SavedEntries[1].vertical.size(), 15u);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            for (const Side side : kSides) grid.SetEdge(r, c, side, Bar);
    grid.RestoreEntries(1);
    EXPECT_EQ(grid.CellEdge, saved.CellEdge);
    EXPECT_EQ(grid.NodeLink, saved.NodeLink);
    EXPECT_EQ(grid.CellColour, saved.CellColour);
}

TEST(GridTest, NumText) {
    EXPECT_EQ(NumText(25), "25");
    EXPECT_EQ(NumText(-3), "-3");
    EXPECT_EQ(NumText(0), "0");
}

}  // namespace
}  // namespace ringlace
