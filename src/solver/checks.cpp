#include "solver/checks.h"

namespace ringlace {

namespace {

bool InRows(RowMask rows, int r) {
    return ((rows >> r) & 1) != 0;
}

bool IsThree(const Grid& grid, int r, int c) {
    return grid.Clue[grid.CellNum[r][c]] == 3;
}

CheckResult DeadEnds(const Grid& grid, RowMask rows) {
    for (int i = 1; i <= grid.Rows; ++i) {
        if (!InRows(rows, i)) continue;
        for (int j = 1; j <= grid.Cols; ++j) {
            const StateCounts counts = CountNodeLinks(grid, i, j);
            if (counts.crosses == 3 && counts.bars == 1) return {i, j, "3X and 1B not valid"};
        }
    }
    return {};
}

CheckResult CluesOutOfReach(const Grid& grid, RowMask rows) {
    for (int r = 1; r <= grid.Rows; ++r) {
        if (!InRows(rows, r)) continue;
        for (int c = 1; c <= grid.Cols; ++c) {
            const int n = grid.ClueNumber(grid.CellNum[r][c]);
            if (n == 0) continue;
            const StateCounts sides = CountStates(grid.CellEdge[r][c]);
            if (sides.bars + sides.free < n)
                return {r, c, "not enough free places for cell value" + NumText(n)};
        }
    }
    return {};
}

CheckResult OverfullPlaces(const Grid& grid, RowMask rows) {
    for (int i = 0; i <= grid.Rows + 1; ++i) {
        if (!InRows(rows, i)) continue;
        for (int j = 0; j <= grid.Cols + 1; ++j) {
            const StateCounts counts = CountNodeLinks(grid, i, j);
            if (counts.bars > 2) return {i, j, "more than 2 bars"};
            if (counts.bars == 1 && counts.crosses + counts.outside == 3)
                return {i, j, "one bar - no free place"};
            if (!grid.IsRealCell(i, j)) continue;
            const ClueValue clue = grid.Clue[grid.CellNum[i][j]];
            const int cellBars = CountStates(grid.CellEdge[i][j]).bars;
            if (clue != kNoClue && cellBars > clue) return {i, j, "too many bars"};
            if (cellBars == 4) return {i, j, "boxed"};
        }
    }
    return {};
}

CheckResult StrandedBars(const Grid& grid, RowMask checked) {
    const auto& edge = grid.CellEdge;
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    for (int c = 1; c <= cols - 1 && InRows(checked, 1); ++c)
        if (edge[1][c][Side::Top] == XMark && edge[1][c][Side::Right] == Bar &&
            edge[1][c + 1][Side::Top] == XMark)
            return {1, c, "vertical bar stranded"};
    for (int c = 1; c <= cols - 1 && InRows(checked, rows); ++c)
        if (edge[rows][c][Side::Bottom] == XMark && edge[rows][c][Side::Right] == Bar &&
            edge[rows][c + 1][Side::Bottom] == XMark)
            return {rows, c, "vertical bar stranded"};
    for (int r = 1; r <= rows - 1; ++r)
        if (InRows(checked, r) && edge[r][1][Side::Left] == XMark &&
            edge[r][1][Side::Bottom] == Bar && edge[r + 1][1][Side::Left] == XMark)
            return {r, 1, "horizontal bar stranded"};
    for (int r = 1; r <= rows - 1; ++r)
        if (InRows(checked, r) && edge[r][cols][Side::Right] == XMark &&
            edge[r][cols][Side::Bottom] == Bar && edge[r + 1][cols][Side::Right] == XMark)
            return {r, cols, "horizontal bar stranded"};
    return {};
}

// The clue and the side are looked at before the bars are counted: most cells are no "3".
CheckResult BoxesBesideThrees(const Grid& grid, RowMask rows) {
    const char* const message = "3B and 1X with neighbor 3 not valid";
    const auto& edge = grid.CellEdge;
    for (int r = 1; r <= grid.Rows; ++r) {
        if (!InRows(rows, r)) continue;
        for (int c = 1; c <= grid.Cols - 1; ++c) {
            if (IsThree(grid, r, c + 1) && edge[r][c + 1][Side::Left] == XMark &&
                grid.CountBars(r, c) == 3)
                return {r, c, message};
            if (IsThree(grid, r, c) && edge[r][c][Side::Right] == XMark &&
                grid.CountBars(r, c + 1) == 3)
                return {r, c, message};
        }
    }
    for (int r = 1; r <= grid.Rows - 1; ++r) {
        if (!InRows(rows, r)) continue;
        for (int c = 1; c <= grid.Cols; ++c) {
            if (IsThree(grid, r + 1, c) && edge[r + 1][c][Side::Top] == XMark &&
                grid.CountBars(r, c) == 3)
                return {r, c, message};
            if (IsThree(grid, r, c) && edge[r][c][Side::Bottom] == XMark &&
                grid.CountBars(r + 1, c) == 3)
                return {r, c, message};
        }
    }
    return {};
}

}  // namespace

int CountFreeSides(const Grid& grid, int r, int c) {
    return CountStates(grid.CellEdge[r][c]).free;
}
int CountXSides(const Grid& grid, int r, int c) {
    return CountStates(grid.CellEdge[r][c]).crosses;
}

int NodeBarCount(const Grid& grid, int i, int j) {
    return CountNodeLinks(grid, i, j).bars;
}

CheckResult CheckEntriesInRows(const Grid& grid, RowMask rows) {
    for (auto check :
         {DeadEnds, CluesOutOfReach, OverfullPlaces, StrandedBars, BoxesBesideThrees}) {
        CheckResult found = check(grid, rows);
        if (found.Broken()) return found;
    }
    return {};
}

CheckResult CheckEntries(const Grid& grid) {
    return CheckEntriesInRows(grid, kEveryRow);
}

CheckResult CheckNodeBars(const Grid& grid) {
    for (int i = 0; i <= grid.Rows + 1; ++i) {
        for (int j = 0; j <= grid.Cols + 1; ++j) {
            const int bars = CountNodeLinks(grid, i, j).bars;
            if (bars > 2) return {i, j, "more than 2 bars"};
            if (bars == 1) return {i, j, "one isolated bar"};
        }
    }
    return {};
}

}  // namespace ringlace
