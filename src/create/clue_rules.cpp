#include "create/clue_rules.h"

#include <vector>

#include "create/random_order.h"

namespace ringlace {

namespace {

ClueValue& ClueAt(Grid& grid, int r, int c) {
    return grid.Clue[grid.CellNum[r][c]];
}

bool IsBar(const Grid& grid, int r, int c, Side side) {
    return grid.CellEdge[r][c][side] == Bar;
}

bool NeighboursBlank(const Grid& grid, int r, int c) {
    return !ShowsClue(grid, r, c - 1) && !ShowsClue(grid, r, c + 1) && !ShowsClue(grid, r - 1, c) &&
           !ShowsClue(grid, r + 1, c);
}

// A U: three Bar sides, open towards the fourth; dr, dc lead across its closed end.
struct UShape {
    Side open;
    int dr;
    int dc;
};
constexpr UShape kOpenLeft{Side::Left, 0, 1};
constexpr UShape kOpenTop{Side::Top, 1, 0};
constexpr UShape kOpenRight{Side::Right, 0, -1};
constexpr UShape kOpenBottom{Side::Bottom, -1, 0};

bool IsU(const Grid& grid, int r, int c, const UShape& u) {
    return grid.CountBars(r, c) == 3 && !IsBar(grid, r, c, u.open);
}

void RevealOneBesideU(Grid& grid, const UShape& u) {
    for (int r = 2; r <= grid.Rows - 1; ++r) {
        for (int c = 2; c <= grid.Cols - 1; ++c) {
            if (ShowsClue(grid, r, c) || !NeighboursBlank(grid, r, c) || !IsU(grid, r, c, u))
                continue;
            if (grid.CountBars(r + u.dr, c + u.dc) == 1) {
                ClueAt(grid, r + u.dr, c + u.dc) = 1;
                grid.OrigClue[grid.CellNum[r + u.dr][c + u.dc]] = 1;
            }
        }
    }
}

// A border cell whose only Bar is its inner side, in a clue-free stretch of the border.
void RevealBorderOne(Grid& grid, int r, int c, Side inner, int dr, int dc) {
    if (ShowsClue(grid, r, c) || grid.CountBars(r, c) != 1 || !IsBar(grid, r, c, inner)) return;
    const int ar = dr == 0 ? 1 : 0;  // along the border
    const int ac = dc == 0 ? 1 : 0;
    if (ShowsClue(grid, r - ar, c - ac) || ShowsClue(grid, r + ar, c + ac) ||
        ShowsClue(grid, r + dr, c + dc))
        return;
    ClueAt(grid, r, c) = 1;
    grid.OrigClue[grid.CellNum[r][c]] = 1;
}

void HiddenThrees(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (ShowsClue(grid, r, c) || grid.CountBars(r, c) != 3) continue;
            const bool clear = (!IsBar(grid, r, c, Side::Left) || !ShowsClue(grid, r, c - 1)) &&
                               (!IsBar(grid, r, c, Side::Top) || !ShowsClue(grid, r - 1, c)) &&
                               (!IsBar(grid, r, c, Side::Right) || !ShowsClue(grid, r, c + 1)) &&
                               (!IsBar(grid, r, c, Side::Bottom) || !ShowsClue(grid, r + 1, c));
            if (clear) ClueAt(grid, r, c) = 3;
        }
    }
}

void ShiftThrees(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (ClueAt(grid, r, c) != 3) continue;
            for (const UShape& u : {kOpenLeft, kOpenTop, kOpenRight, kOpenBottom}) {
                const int nr = r + u.dr;
                const int nc = c + u.dc;
                if (!IsU(grid, r, c, u) || !grid.IsRealCell(nr, nc) || ShowsClue(grid, nr, nc))
                    continue;
                ClueAt(grid, r, c) = kNoClue;
                ClueAt(grid, nr, nc) = TrueClue(grid, nr, nc);
                break;
            }
        }
    }
}

struct CornerCell {
    int r, c;
    int r1, c1;  // the corner's first neighbour
    int r2, c2;  // and its second
};

std::vector<CornerCell> Corners(const Grid& grid) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    return {{1, 1, 1, 2, 2, 1},
            {1, cols, 1, cols - 1, 2, cols},
            {rows, 1, rows - 1, 1, rows, 2},
            {rows, cols, rows, cols - 1, rows - 1, cols}};
}

}  // namespace

int OpenTarget(int n) {
    return n <= 20 ? 82 - 2 * n : 84 - 2 * n;
}

int OpenShare(const Grid& grid) {
    return 100 * grid.CountBlankClues() / grid.NumCells;
}

std::string LoopSignature(const Grid& grid) {
    std::string signature;
    signature.reserve(static_cast<std::size_t>(4 * grid.NumCells));
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            for (const Side side : kSides) {
                const EdgeState state = grid.CellEdge[r][c][side];
                signature += state == Bar ? 'b' : state == XMark ? 'x' : '.';
            }
        }
    }
    return signature;
}

bool ShowsClue(const Grid& grid, int r, int c) {
    return grid.IsRealCell(r, c) && grid.Clue[grid.CellNum[r][c]] != kNoClue;
}

ClueValue TrueClue(const Grid& grid, int r, int c) {
    return static_cast<ClueValue>(grid.CountBars(r, c));
}

void RevealTrueClue(Grid& grid, int r, int c) {
    const int k = grid.CellNum[r][c];
    grid.Clue[k] = TrueClue(grid, r, c);
    grid.OrigClue[k] = grid.Clue[k];
}

void RevealTurningCells(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const bool turns =
                (IsBar(grid, r, c, Side::Top) && IsBar(grid, r, c, Side::Left)) ||
                (IsBar(grid, r, c, Side::Bottom) && IsBar(grid, r, c, Side::Right)) ||
                (IsBar(grid, r, c, Side::Top) && IsBar(grid, r, c, Side::Right));
            const int k = grid.CellNum[r][c];
            if (turns) grid.Clue[k] = grid.OrigClue[k];
        }
    }
}

void RevealEmptyCells(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            if (grid.CountBars(r, c) == 0) RevealTrueClue(grid, r, c);
}

void ThinRows(Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols - 1; ++c)
            if (ShowsClue(grid, r, c) && ShowsClue(grid, r, c + 1))
                ClueAt(grid, r, c + 1) = kNoClue;
}

void ThinColumns(Grid& grid) {
    for (int c = 1; c <= grid.Cols; ++c)
        for (int r = 1; r <= grid.Rows - 1; ++r)
            if (ShowsClue(grid, r, c) && ShowsClue(grid, r + 1, c))
                ClueAt(grid, r + 1, c) = kNoClue;
}

void MoveThreesToOnes(Grid& grid) {
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    const struct {
        int firstRow, lastRow, firstCol, lastCol;
        UShape u;  // open towards the side away from the neighbour
    } passes[] = {{2, rows, 1, cols - 1, {Side::Bottom, -1, 0}},
                  {1, rows - 1, 1, cols - 1, {Side::Top, 1, 0}},
                  {1, rows, 2, cols, {Side::Right, 0, -1}},
                  {1, rows, 1, cols - 1, {Side::Left, 0, 1}}};
    for (const auto& pass : passes) {
        // The neighbour's far side is the side of the neighbour that faces the same way as the
        // closed end of the U.
        const Side farSide = pass.u.dr < 0   ? Side::Top
                             : pass.u.dr > 0 ? Side::Bottom
                             : pass.u.dc < 0 ? Side::Left
                                             : Side::Right;
        for (int r = pass.firstRow; r <= pass.lastRow; ++r) {
            for (int c = pass.firstCol; c <= pass.lastCol; ++c) {
                if (ClueAt(grid, r, c) != 3 || !IsU(grid, r, c, pass.u)) continue;
                const int nr = r + pass.u.dr;
                const int nc = c + pass.u.dc;
                if (IsBar(grid, nr, nc, farSide)) continue;
                const int k = grid.CellNum[r][c];
                const int n = grid.CellNum[nr][nc];
                grid.Clue[n] = 1;
                grid.OrigClue[n] = 1;
                grid.Clue[k] = kNoClue;
                grid.OrigClue[k] = kNoClue;
            }
        }
    }
}

void RevealBesideU(Grid& grid) {
    RevealOneBesideU(grid, kOpenTop);
    RevealOneBesideU(grid, kOpenBottom);
    RevealOneBesideU(grid, kOpenLeft);
    RevealOneBesideU(grid, kOpenRight);
    for (int c = 1; c <= grid.Cols; ++c) RevealBorderOne(grid, 1, c, Side::Bottom, 1, 0);
    for (int c = 1; c <= grid.Cols; ++c) RevealBorderOne(grid, grid.Rows, c, Side::Top, -1, 0);
    for (int r = 1; r <= grid.Rows; ++r) RevealBorderOne(grid, r, grid.Cols, Side::Left, 0, -1);
    for (int r = 1; r <= grid.Rows; ++r) RevealBorderOne(grid, r, 1, Side::Right, 0, 1);
}

int FixCornerTwos(Grid& grid, RandomSource& random) {
    int changed = 0;
    for (const CornerCell& corner : Corners(grid)) {
        if (ClueAt(grid, corner.r, corner.c) != 2 || ShowsClue(grid, corner.r1, corner.c1) ||
            ShowsClue(grid, corner.r2, corner.c2))
            continue;
        if (random.Below(10) > 5)
            ClueAt(grid, corner.r1, corner.c1) = TrueClue(grid, corner.r1, corner.c1);
        else
            ClueAt(grid, corner.r2, corner.c2) = TrueClue(grid, corner.r2, corner.c2);
        changed = 1;
    }
    return changed;
}

void RevealRandomBlanks(Grid& grid, RandomSource& random, int k) {
    const int n = k * grid.NumCells / 100;
    if (n <= 0) return;
    std::vector<int> blanks;
    for (int cell = 1; cell <= grid.NumCells; ++cell)
        if (grid.Clue[cell] == kNoClue) blanks.push_back(cell);
    const std::vector<int> order = RandomOrder(random, blanks, kClueKeys);
    for (std::size_t i = 0; i < order.size() && i < static_cast<std::size_t>(n); ++i)
        RevealTrueClue(grid, grid.CellRow[order[i]], grid.CellCol[order[i]]);
}

void AdjustThrees(Grid& grid) {
    HiddenThrees(grid);
    ShiftThrees(grid);
    for (const CornerCell& corner : Corners(grid)) {
        if (!ShowsClue(grid, corner.r, corner.c) && !ShowsClue(grid, corner.r1, corner.c1) &&
            !ShowsClue(grid, corner.r2, corner.c2))
            ClueAt(grid, corner.r, corner.c) = TrueClue(grid, corner.r, corner.c);
    }
}

}  // namespace ringlace
