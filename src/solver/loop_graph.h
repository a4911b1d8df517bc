// The puzzle as a graph for loop searches: dots, the edges between neighbouring dots, and the cells
// with their clues, all numbered densely so that search state lives in flat arrays.
//
// Dot (i, j), 0 <= i <= rows, 0 <= j <= cols, is number i * (cols + 1) + j. Horizontal edges
// (i, j)-(i, j+1) come first, row by row, then vertical edges (i, j)-(i+1, j). Cell (r, c),
// 0-based, is number r * cols + c; number cellCount stands for everything outside the grid, a
// cell without clue. Edge number edgeCount is a stand-in that is never on the loop: it fills the
// directions of a border dot that lead out of the grid, so that every dot has four edges.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/grid.h"

namespace ringlace {

struct LoopGraph {
    int rows = 0;
    int cols = 0;
    int dotCount = 0;
    int edgeCount = 0;
    int cellCount = 0;
    int horizontalCount = 0;

    std::vector<std::array<int, 2>> edgeDots;   // the two ends, the left or upper one first
    std::vector<std::array<int, 2>> edgeCells;  // the cells on either side, left or upper first
    std::vector<std::array<int, 4>> dotEdges;   // leaving left, up, right, down
    // The cells around a dot in turn: upper left, upper right, lower right, lower left. The edge
    // between two cells that follow each other leaves the dot up, right, down and left.
    std::vector<std::array<int, 4>> dotCells;
    std::vector<std::array<int, 4>> cellEdges;  // sides L, T, R, B
    std::vector<std::array<int, 4>> cellDots;   // corners
    std::vector<ClueValue> clue;                // by cell; the outside has none
    // What touches the outside: the border's edges, dots and cells.
    std::vector<int> borderEdges;
    std::vector<int> borderDots;
    std::vector<int> borderCells;

    // Rows and Cols of the grid must lie in 1..kStorageDim.
    explicit LoopGraph(const Grid& grid);

    int OutsideCell() const { return cellCount; }
    int NoEdge() const { return edgeCount; }
    int Dot(int i, int j) const { return i * (cols + 1) + j; }
    int HorizontalEdge(int i, int j) const { return i * cols + j; }
    int VerticalEdge(int i, int j) const { return horizontalCount + i * (cols + 1) + j; }
    // The edge joining two dots, or NoEdge() when they are not neighbours.
    int EdgeBetween(int dotA, int dotB) const;
    // The edges around a cell, the outside's being the border.
    std::span<const int> EdgesOf(int cell) const {
        if (cell == OutsideCell()) return borderEdges;
        return cellEdges[cell];
    }
    int OtherCell(int edge, int cell) const {
        const auto& cells = edgeCells[edge];
        return cells[0] == cell ? cells[1] : cells[0];
    }
};

// Calls onEdge(edge, on) for every side the grid holds as a Bar (on) or an X mark (off), and
// onCell(cell, inside) for every Yellow (inside) or Pink (outside) cell. Stops at the first call
// that returns false, and returns false then.
template <typename OnEdge, typename OnCell>
bool ForEachEntry(const LoopGraph& graph, const Grid& grid, OnEdge onEdge, OnCell onCell) {
    for (int cell = 0; cell < graph.cellCount; ++cell) {
        const int r = cell / graph.cols + 1;
        const int c = cell % graph.cols + 1;
        for (const Side side : kSides) {
            const EdgeState entry = grid.CellEdge[r][c][side];
            const int edge = graph.cellEdges[cell][SideIndex(side)];
            if ((entry == Bar || entry == XMark) && !onEdge(edge, entry == Bar)) return false;
        }
        const std::int32_t colour = grid.CellColour[r][c];
        if ((colour == Yellow || colour == Pink) && !onCell(cell, colour == Yellow)) return false;
    }
    return true;
}

}  // namespace ringlace
