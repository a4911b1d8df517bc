#include "solver/direct_lines.h"

#include <optional>

#include "solver/checks.h"

namespace ringlace {

namespace {

bool IsOne(const Grid& grid, int r, int c) {
    return grid.Clue[grid.CellNum[r][c]] == 1;
}

// Sets the side X when it is still Free.
void CrossIfFree(Grid& grid, int r, int c, Side side) {
    if (grid.CellEdge[r][c][side] == Free) grid.SetEdge(r, c, side, XMark);
}

struct NodeCounts {
    int free = 0;
    int bars = 0;
    int crosses = 0;
};

// NodeFreeCount, NodeBarCount and NodeXCount in one look at the dot.
NodeCounts CountAtNode(const Grid& grid, int i, int j) {
    const auto& links = grid.NodeLink[i][j];
    NodeCounts counts;
    const auto count = [&counts](EdgeState state) {
        counts.free += state == Free;
        counts.bars += state == Bar;
        counts.crosses += state == XMark;
    };
    if (j != 1) count(links[Side::Left]);
    if (i != 1) count(links[Side::Top]);
    if (j < grid.Cols + 1) count(links[Side::Right]);
    if (i < grid.Rows + 1) count(links[Side::Bottom]);
    return counts;
}

// Whether any of the four states is Free. Most dots and cells are decided soon, and the passes look
// at every one of them after every decision, so this is asked before anything is counted.
bool AnyFree(const SideTable<EdgeState>& states) {
    const auto& s = states.bySide;
    return (s[0] == Free) + (s[1] == Free) + (s[2] == Free) + (s[3] == Free) > 0;
}

void ApplyNodeRules(Grid& grid, int i, int j) {
    // Every rule sets the dot's Free edges: with none left there is nothing to do.
    if (!AnyFree(grid.NodeLink[i][j])) return;
    NodeCounts n = CountAtNode(grid, i, j);
    if (n.free == 0) return;
    const auto fill = [&](bool applies, EdgeState value) {
        if (!applies) return;
        SetFreeAtNode(grid, i, j, value);
        n = CountAtNode(grid, i, j);
    };
    fill(n.free == 1 && n.bars == 1, Bar);
    fill(n.crosses == 3, XMark);
    fill(n.free == 1 && n.crosses == 1, XMark);
    fill(n.bars == 2, XMark);
    // A border dot with two Xs has one edge left inside the grid: a lone bar would end there.
    fill(n.crosses == 2 && j == 1, XMark);
    fill(n.crosses == 2 && j == grid.Cols + 1, XMark);
    fill(n.crosses == 2 && i == 1, XMark);
    fill(n.crosses == 2 && i == grid.Rows + 1, XMark);
}

// Two "1" cells side by side cannot share their edge when an edge continuing it is X.
void PairRules(Grid& grid) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    auto& e = grid.CellEdge;
    for (int r = 1; r <= rows - 1; ++r)
        for (int c = 1; c <= cols - 1; ++c)
            if (IsOne(grid, r, c) && IsOne(grid, r + 1, c) && e[r][c + 1][Side::Bottom] == XMark)
                CrossIfFree(grid, r, c, Side::Bottom);
    for (int r = 1; r <= rows - 1; ++r)
        for (int c = 2; c <= cols; ++c)
            if (IsOne(grid, r, c) && IsOne(grid, r + 1, c) && e[r][c - 1][Side::Bottom] == XMark)
                CrossIfFree(grid, r, c, Side::Bottom);
    for (int r = 2; r <= rows; ++r)
        for (int c = 1; c <= cols - 1; ++c)
            if (IsOne(grid, r, c) && IsOne(grid, r, c + 1) && e[r - 1][c][Side::Right] == XMark)
                CrossIfFree(grid, r, c, Side::Right);
    for (int r = 1; r <= rows - 1; ++r)
        for (int c = 1; c <= cols - 1; ++c)
            if (IsOne(grid, r, c) && IsOne(grid, r, c + 1) && e[r + 1][c][Side::Right] == XMark)
                CrossIfFree(grid, r, c, Side::Right);
}

// The same reasoning at the border, where one edge of the corner dot leaves the grid.
void BorderRules(Grid& grid) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    auto& e = grid.CellEdge;
    for (int c = 1; c <= cols - 1; ++c)
        if (IsOne(grid, 1, c) && e[1][c + 1][Side::Top] == XMark)
            CrossIfFree(grid, 1, c, Side::Right);
    for (int c = 2; c <= cols; ++c)
        if (IsOne(grid, 1, c) && e[1][c - 1][Side::Top] == XMark)
            CrossIfFree(grid, 1, c, Side::Left);
    for (int r = 2; r <= rows; ++r)
        if (IsOne(grid, r, 1) && e[r - 1][1][Side::Left] == XMark)
            CrossIfFree(grid, r, 1, Side::Top);
    for (int r = 1; r <= rows - 1; ++r)
        if (IsOne(grid, r, 1) && e[r + 1][1][Side::Left] == XMark)
            CrossIfFree(grid, r, 1, Side::Bottom);
    for (int r = 2; r <= rows; ++r)
        if (IsOne(grid, r, cols) && e[r - 1][cols][Side::Right] == XMark)
            CrossIfFree(grid, r, cols, Side::Top);
    for (int r = 1; r <= rows - 1; ++r)
        if (IsOne(grid, r, cols) && e[r + 1][cols][Side::Right] == XMark)
            CrossIfFree(grid, r, cols, Side::Bottom);
    for (int c = 1; c <= cols - 1; ++c)
        if (IsOne(grid, rows, c) && e[rows][c + 1][Side::Bottom] == XMark)
            CrossIfFree(grid, rows, c, Side::Right);
    for (int c = 2; c <= cols; ++c)
        if (IsOne(grid, rows, c) && e[rows][c - 1][Side::Bottom] == XMark)
            CrossIfFree(grid, rows, c, Side::Left);
}

// Two "1" cells touching at a corner: a bar of one at the shared dot means the other's bar is
// there too, so its two far sides are X.
void DiagonalRules(Grid& grid) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    auto& e = grid.CellEdge;
    for (int r = 1; r <= rows - 1; ++r) {
        for (int c = 1; c <= cols - 1; ++c) {
            if (IsOne(grid, r, c) && IsOne(grid, r + 1, c + 1) &&
                (e[r][c][Side::Bottom] == Bar || e[r][c][Side::Right] == Bar)) {
                CrossIfFree(grid, r + 1, c + 1, Side::Right);
                CrossIfFree(grid, r + 1, c + 1, Side::Bottom);
            }
        }
    }
    for (int r = 1; r <= rows - 1; ++r) {
        for (int c = 1; c <= cols - 1; ++c) {
            if (IsOne(grid, r, c + 1) && IsOne(grid, r + 1, c) &&
                (e[r][c + 1][Side::Left] == Bar || e[r][c + 1][Side::Bottom] == Bar)) {
                CrossIfFree(grid, r + 1, c, Side::Left);
                CrossIfFree(grid, r + 1, c, Side::Bottom);
            }
        }
    }
    for (int r = 1; r <= rows - 1; ++r) {
        for (int c = 1; c <= cols - 1; ++c) {
            if (IsOne(grid, r, c) && IsOne(grid, r + 1, c + 1) &&
                (e[r + 1][c + 1][Side::Left] == Bar || e[r + 1][c + 1][Side::Top] == Bar)) {
                CrossIfFree(grid, r, c, Side::Left);
                CrossIfFree(grid, r, c, Side::Top);
            }
        }
    }
    for (int r = 1; r <= rows - 1; ++r) {
        for (int c = 1; c <= cols - 1; ++c) {
            if (IsOne(grid, r, c + 1) && IsOne(grid, r + 1, c) &&
                (e[r + 1][c][Side::Top] == Bar || e[r + 1][c][Side::Right] == Bar)) {
                CrossIfFree(grid, r, c + 1, Side::Top);
                CrossIfFree(grid, r, c + 1, Side::Right);
            }
        }
    }
}

}  // namespace

void RefreshNode(Grid& grid, int i, int j) {
    auto& links = grid.NodeLink[i][j];
    links[Side::Left] = grid.CellEdge[i][j - 1][Side::Top];
    links[Side::Top] = grid.CellEdge[i - 1][j - 1][Side::Right];
    links[Side::Right] = grid.CellEdge[i][j][Side::Top];
    links[Side::Bottom] = grid.CellEdge[i][j][Side::Left];
}

// Every dot off row 0 and column 0 is refreshed whole, so only those two lines are set Outside.
void BuildNodeLinks(Grid& grid) {
    for (int j = 0; j <= grid.Cols + 1; ++j) grid.NodeLink[0][j].fill(Outside);
    for (int i = 1; i <= grid.Rows + 1; ++i) grid.NodeLink[i][0].fill(Outside);
    grid.CellEdge[grid.Rows + 1][grid.Cols + 1][Side::Left] = Outside;
    grid.CellEdge[grid.Rows + 1][grid.Cols + 1][Side::Top] = Outside;
    for (int i = 1; i <= grid.Rows + 1; ++i)
        for (int j = 1; j <= grid.Cols + 1; ++j) RefreshNode(grid, i, j);
}

void SetNodeEdge(Grid& grid, int i, int j, Side dir, EdgeState value) {
    const NodeEdgeName& ref = grid.NodeEdgeRef[i][j][dir];
    grid.SetEdge(i + ref.rowOffset, j + ref.colOffset, ref.side, value);
    RefreshNode(grid, i, j);
}

void SetFreeAtNode(Grid& grid, int i, int j, EdgeState value) {
    for (int round = 0; round < 4; ++round) {
        std::optional<Side> last;
        for (const Side dir : kSides)
            if (grid.NodeLink[i][j][dir] == Free) last = dir;
        if (!last) return;
        SetNodeEdge(grid, i, j, *last, value);
    }
}

void NodeAndOnePass(Grid& grid) {
    BuildNodeLinks(grid);
    for (int i = 0; i <= grid.Rows + 1; ++i)
        for (int j = 0; j <= grid.Cols + 1; ++j) ApplyNodeRules(grid, i, j);
    PairRules(grid);
    BorderRules(grid);
    DiagonalRules(grid);
}

void CellPass(Grid& grid) {
    BuildNodeLinks(grid);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            // Every step below writes only Free sides, or the dot of a cell with a Free side.
            if (!AnyFree(grid.CellEdge[r][c])) continue;
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            const int bars = grid.CountBars(r, c);
            EdgeState value = Free;
            if (clue == kNoClue) {
                if (bars != 3) continue;
                value = XMark;  // a blank cell cannot be boxed
            } else {
                const int free = CountFreeSides(grid, r, c);
                if (free == 0) continue;
                if (clue == bars) {
                    value = XMark;
                } else if (clue == free + bars) {
                    value = Bar;
                } else {
                    const NodeCounts node = CountAtNode(grid, r, c);
                    if (node.crosses == 2 && node.bars == 1 && node.free == 1) {
                        for (const Side dir : kSides) {
                            if (grid.NodeLink[r][c][dir] == Free) {
                                SetNodeEdge(grid, r, c, dir, Bar);
                                break;
                            }
                        }
                    }
                    continue;
                }
            }
            for (const Side side : kSides)
                if (grid.CellEdge[r][c][side] == Free) grid.SetEdge(r, c, side, value);
        }
    }
}

void RunLocalPasses(Grid& grid) {
    do {
        grid.EdgeSetCount = 0;
        NodeAndOnePass(grid);
        CellPass(grid);
    } while (grid.EdgeSetCount != 0);
}

int SolveDirectLines(Grid& grid) {
    int sum = 0;
    for (int k = 1; k <= grid.NumCells; ++k) sum += grid.ClueNumber(k);
    if (sum == 0) return -1;
    BuildNodeLinks(grid);
    ApplyStartRules(grid);
    RunLocalPasses(grid);
    return 0;
}

}  // namespace ringlace
