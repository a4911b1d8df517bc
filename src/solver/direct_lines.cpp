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

// Whether any of the four states is Free. Most dots and cells are decided soon, and the passes look
// at every one of them after every decision, so this is asked before anything is counted.
bool AnyFree(const SideTable<EdgeState>& states) {
    const auto& s = states.bySide;
    return (s[0] == Free) + (s[1] == Free) + (s[2] == Free) + (s[3] == Free) > 0;
}

// Every rule sets the dot's Free edges: the caller visits only a dot with one left.
void ApplyNodeRules(Grid& grid, int i, int j) {
    StateCounts n = CountNodeLinks(grid, i, j);
    if (n.free == 0) return;
    const auto fill = [&](bool applies, EdgeState value) {
        if (!applies) return;
        SetFreeAtNode(grid, i, j, value);
        n = CountNodeLinks(grid, i, j);
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

// Every step writes only Free sides, or the dot of a cell with a Free side: the caller visits only
// a cell with one left.
void ApplyCellRules(Grid& grid, int r, int c) {
    const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
    const int bars = grid.CountBars(r, c);
    EdgeState value = Free;
    if (clue == kNoClue) {
        if (bars != 3) return;
        value = XMark;  // a blank cell cannot be boxed
    } else {
        const int free = CountFreeSides(grid, r, c);
        if (free == 0) return;
        if (clue == bars) {
            value = XMark;
        } else if (clue == free + bars) {
            value = Bar;
        } else {
            const StateCounts node = CountNodeLinks(grid, r, c);
            if (node.crosses == 2 && node.bars == 1 && node.free == 1) {
                for (const Side dir : kSides) {
                    if (grid.NodeLink[r][c][dir] == Free) {
                        SetNodeEdge(grid, r, c, dir, Bar);
                        break;
                    }
                }
            }
            return;
        }
    }
    for (const Side side : kSides)
        if (grid.CellEdge[r][c][side] == Free) grid.SetEdge(r, c, side, value);
}

// Two "1" cells side by side cannot share their edge when an edge continuing it is X.
void PairRules(Grid& grid, RuleVisits& visits) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    auto& e = grid.CellEdge;
    visits.Sweep(grid, LocalRule::OnesAboveCrossRight, 1, rows - 1, 1, cols - 1, [&](int r, int c) {
        if (IsOne(grid, r, c) && IsOne(grid, r + 1, c) && e[r][c + 1][Side::Bottom] == XMark)
            CrossIfFree(grid, r, c, Side::Bottom);
    });
    visits.Sweep(grid, LocalRule::OnesAboveCrossLeft, 1, rows - 1, 2, cols, [&](int r, int c) {
        if (IsOne(grid, r, c) && IsOne(grid, r + 1, c) && e[r][c - 1][Side::Bottom] == XMark)
            CrossIfFree(grid, r, c, Side::Bottom);
    });
    visits.Sweep(grid, LocalRule::OnesBesideCrossAbove, 2, rows, 1, cols - 1, [&](int r, int c) {
        if (IsOne(grid, r, c) && IsOne(grid, r, c + 1) && e[r - 1][c][Side::Right] == XMark)
            CrossIfFree(grid, r, c, Side::Right);
    });
    visits.Sweep(
        grid, LocalRule::OnesBesideCrossBelow, 1, rows - 1, 1, cols - 1, [&](int r, int c) {
            if (IsOne(grid, r, c) && IsOne(grid, r, c + 1) && e[r + 1][c][Side::Right] == XMark)
                CrossIfFree(grid, r, c, Side::Right);
        });
}

// The same reasoning at the border, where one edge of the corner dot leaves the grid: a "1" whose
// neighbour along the border has an X on the border side.
struct BorderPair {
    LocalRule rule;
    bool alongRow;  // the "1" runs along a row (top or bottom border), else along a column
    int step;       // where the neighbour is: +1 after the "1", -1 before it
    Side border, crossed;
};
constexpr BorderPair kBorderPairs[] = {
    {LocalRule::OneTopCrossRight, true, 1, Side::Top, Side::Right},
    {LocalRule::OneTopCrossLeft, true, -1, Side::Top, Side::Left},
    {LocalRule::OneLeftCrossAbove, false, -1, Side::Left, Side::Top},
    {LocalRule::OneLeftCrossBelow, false, 1, Side::Left, Side::Bottom},
    {LocalRule::OneRightCrossAbove, false, -1, Side::Right, Side::Top},
    {LocalRule::OneRightCrossBelow, false, 1, Side::Right, Side::Bottom},
    {LocalRule::OneBottomCrossRight, true, 1, Side::Bottom, Side::Right},
    {LocalRule::OneBottomCrossLeft, true, -1, Side::Bottom, Side::Left},
};

void BorderRules(Grid& grid, RuleVisits& visits) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    for (const BorderPair& pair : kBorderPairs) {
        const int line = pair.border == Side::Top || pair.border == Side::Left ? 1
                         : pair.border == Side::Bottom                         ? rows
                                                                               : cols;
        const int length = pair.alongRow ? cols : rows;
        const int first = pair.step > 0 ? 1 : 2;
        const int last = pair.step > 0 ? length - 1 : length;
        const int r0 = pair.alongRow ? line : first;
        const int r1 = pair.alongRow ? line : last;
        const int c0 = pair.alongRow ? first : line;
        const int c1 = pair.alongRow ? last : line;
        const int dr = pair.alongRow ? 0 : pair.step;
        const int dc = pair.alongRow ? pair.step : 0;
        visits.Sweep(grid, pair.rule, r0, r1, c0, c1, [&](int r, int c) {
            if (IsOne(grid, r, c) && grid.CellEdge[r + dr][c + dc][pair.border] == XMark)
                CrossIfFree(grid, r, c, pair.crossed);
        });
    }
}

// Two "1" cells touching at a corner: a bar of one at the shared dot means the other's bar is
// there too, so its two far sides are X.
void DiagonalRules(Grid& grid, RuleVisits& visits) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    auto& e = grid.CellEdge;
    // Each rule's first "1" is the cell visited or the one to its right (see SiteOf).
    const auto sweep = [&](LocalRule rule, auto diagonal) {
        visits.Sweep(grid, rule, 1, rows - 1, 1, cols - 1, diagonal);
    };
    sweep(LocalRule::DiagonalOnesFromUpperLeft, [&](int r, int c) {
        if (IsOne(grid, r, c) && IsOne(grid, r + 1, c + 1) &&
            (e[r][c][Side::Bottom] == Bar || e[r][c][Side::Right] == Bar)) {
            CrossIfFree(grid, r + 1, c + 1, Side::Right);
            CrossIfFree(grid, r + 1, c + 1, Side::Bottom);
        }
    });
    sweep(LocalRule::DiagonalOnesFromUpperRight, [&](int r, int c) {
        if (IsOne(grid, r, c + 1) && IsOne(grid, r + 1, c) &&
            (e[r][c + 1][Side::Left] == Bar || e[r][c + 1][Side::Bottom] == Bar)) {
            CrossIfFree(grid, r + 1, c, Side::Left);
            CrossIfFree(grid, r + 1, c, Side::Bottom);
        }
    });
    sweep(LocalRule::DiagonalOnesFromLowerRight, [&](int r, int c) {
        if (IsOne(grid, r, c) && IsOne(grid, r + 1, c + 1) &&
            (e[r + 1][c + 1][Side::Left] == Bar || e[r + 1][c + 1][Side::Top] == Bar)) {
            CrossIfFree(grid, r, c, Side::Left);
            CrossIfFree(grid, r, c, Side::Top);
        }
    });
    sweep(LocalRule::DiagonalOnesFromLowerLeft, [&](int r, int c) {
        if (IsOne(grid, r, c + 1) && IsOne(grid, r + 1, c) &&
            (e[r + 1][c][Side::Top] == Bar || e[r + 1][c][Side::Right] == Bar)) {
            CrossIfFree(grid, r, c + 1, Side::Top);
            CrossIfFree(grid, r, c + 1, Side::Right);
        }
    });
}

}  // namespace

void RefreshNode(Grid& grid, int i, int j) {
    auto& links = grid.NodeLink[i][j];
    links[Side::Left] = grid.CellEdge[i][j - 1][Side::Top];
    links[Side::Top] = grid.CellEdge[i - 1][j - 1][Side::Right];
    links[Side::Right] = grid.CellEdge[i][j][Side::Top];
    links[Side::Bottom] = grid.CellEdge[i][j][Side::Left];
}

namespace {

// What a rebuild of the dot links sets whatever the sides hold: rows and columns that leave the
// grid read Outside.
void SetFrameOutside(Grid& grid) {
    for (int j = 0; j <= grid.Cols + 1; ++j) grid.NodeLink[0][j].fill(Outside);
    for (int i = 1; i <= grid.Rows + 1; ++i) grid.NodeLink[i][0].fill(Outside);
    grid.CellEdge[grid.Rows + 1][grid.Cols + 1][Side::Left] = Outside;
    grid.CellEdge[grid.Rows + 1][grid.Cols + 1][Side::Top] = Outside;
}

}  // namespace

// Every dot off row 0 and column 0 is refreshed whole, so only those two lines are set Outside.
void BuildNodeLinks(Grid& grid) {
    SetFrameOutside(grid);
    for (int i = 1; i <= grid.Rows + 1; ++i)
        for (int j = 1; j <= grid.Cols + 1; ++j) RefreshNode(grid, i, j);
}

void RefreshFrameLinks(Grid& grid) {
    SetFrameOutside(grid);
    for (int j = 1; j <= grid.Cols + 1; ++j) {
        RefreshNode(grid, 1, j);
        RefreshNode(grid, grid.Rows + 1, j);
    }
    for (int i = 2; i <= grid.Rows; ++i) {
        RefreshNode(grid, i, 1);
        RefreshNode(grid, i, grid.Cols + 1);
    }
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

namespace {

void NodeAndOneRules(Grid& grid, RuleVisits& visits) {
    // Dot (i, j) is the top-left corner of cell (i, j): its edges are sides of the cells around it.
    visits.Sweep(grid, LocalRule::NodeRules, 0, grid.Rows + 1, 0, grid.Cols + 1,
                 [&grid](int i, int j) {
                     if (AnyFree(grid.NodeLink[i][j])) ApplyNodeRules(grid, i, j);
                 });
    PairRules(grid, visits);
    BorderRules(grid, visits);
    DiagonalRules(grid, visits);
}

void CellRules(Grid& grid, RuleVisits& visits) {
    visits.Sweep(grid, LocalRule::CellRules, 1, grid.Rows, 1, grid.Cols, [&grid](int r, int c) {
        if (AnyFree(grid.CellEdge[r][c])) ApplyCellRules(grid, r, c);
    });
}

// The passes start from rebuilt dot links. Once built, the links of the dots off row 0 and
// column 0 follow every SetEdge (it writes both ends of the edge), so rebuilding them would change
// nothing there: only the frame part is set again. The colour and start rules may cross sides of
// frame cells, so that is done first; the passes write only Free edges, and no frame side is Free,
// so the frame then stays as set.
void LocalPassesOnBuiltLinks(Grid& grid, RuleVisits& visits) {
    SetFrameOutside(grid);
    RefreshNode(grid, grid.Rows + 1, grid.Cols + 1);
    do {
        grid.EdgeSetCount = 0;
        NodeAndOneRules(grid, visits);
        CellRules(grid, visits);
    } while (grid.EdgeSetCount != 0);
}

}  // namespace

bool HasClues(const Grid& grid) {
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.ClueNumber(k) > 0) return true;
    return false;
}

void DirectLinesOnBuiltLinks(Grid& grid, RuleVisits& visits) {
    ApplyStartRules(grid, visits);
    LocalPassesOnBuiltLinks(grid, visits);
}

int SolveDirectLines(Grid& grid, RuleVisits& visits) {
    if (!HasClues(grid)) return -1;
    BuildNodeLinks(grid);
    DirectLinesOnBuiltLinks(grid, visits);
    return 0;
}

}  // namespace ringlace
