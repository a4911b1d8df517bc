#include "solver/loop_graph.h"

namespace ringlace {

LoopGraph::LoopGraph(const Grid& grid)
    : rows(grid.Rows),
      cols(grid.Cols),
      dotCount((grid.Rows + 1) * (grid.Cols + 1)),
      edgeCount(2 * grid.Rows * grid.Cols + grid.Rows + grid.Cols),
      cellCount(grid.Rows * grid.Cols),
      horizontalCount((grid.Rows + 1) * grid.Cols) {
    edgeDots.resize(edgeCount);
    edgeCells.resize(edgeCount);
    dotEdges.assign(dotCount, {NoEdge(), NoEdge(), NoEdge(), NoEdge()});
    dotCells.resize(dotCount);
    cellEdges.resize(cellCount);
    cellDots.resize(cellCount);
    clue.assign(cellCount + 1, kNoClue);

    const auto cellAt = [this](int r, int c) {
        return r < 0 || r >= rows || c < 0 || c >= cols ? OutsideCell() : r * cols + c;
    };
    for (int i = 0; i <= rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const int e = HorizontalEdge(i, j);
            edgeDots[e] = {Dot(i, j), Dot(i, j + 1)};
            edgeCells[e] = {cellAt(i - 1, j), cellAt(i, j)};
            dotEdges[Dot(i, j)][2] = e;
            dotEdges[Dot(i, j + 1)][0] = e;
            if (i == 0 || i == rows) borderEdges.push_back(e);
        }
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j <= cols; ++j) {
            const int e = VerticalEdge(i, j);
            edgeDots[e] = {Dot(i, j), Dot(i + 1, j)};
            edgeCells[e] = {cellAt(i, j - 1), cellAt(i, j)};
            dotEdges[Dot(i, j)][3] = e;
            dotEdges[Dot(i + 1, j)][1] = e;
            if (j == 0 || j == cols) borderEdges.push_back(e);
        }
    }
    for (int i = 0; i <= rows; ++i) {
        for (int j = 0; j <= cols; ++j) {
            dotCells[Dot(i, j)] = {cellAt(i - 1, j - 1), cellAt(i - 1, j), cellAt(i, j),
                                   cellAt(i, j - 1)};
            if (i == 0 || i == rows || j == 0 || j == cols) borderDots.push_back(Dot(i, j));
        }
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int cell = r * cols + c;
            cellEdges[cell] = {VerticalEdge(r, c), HorizontalEdge(r, c), VerticalEdge(r, c + 1),
                               HorizontalEdge(r + 1, c)};
            cellDots[cell] = {Dot(r, c), Dot(r, c + 1), Dot(r + 1, c + 1), Dot(r + 1, c)};
            clue[cell] = grid.Clue[grid.CellNum[r + 1][c + 1]];
            if (r == 0 || r == rows - 1 || c == 0 || c == cols - 1) borderCells.push_back(cell);
        }
    }
}

int LoopGraph::EdgeBetween(int dotA, int dotB) const {
    const int width = cols + 1;
    const int low = dotA < dotB ? dotA : dotB;
    const int high = dotA < dotB ? dotB : dotA;
    const int i = low / width;
    const int j = low % width;
    if (high == low + 1 && j < cols) return HorizontalEdge(i, j);
    if (high == low + width) return VerticalEdge(i, j);
    return NoEdge();
}

}  // namespace ringlace
