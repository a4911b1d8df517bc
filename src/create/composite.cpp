#include "create/composite.h"

#include <vector>

#include "create/clue_rules.h"
#include "create/loop_growth.h"
#include "create/single_creators.h"
#include "solver/link_ambiguities.h"
#include "solver/solver_driver.h"
#include "solver/trial_stages.h"

namespace ringlace {

namespace {

struct Offset {
    int rows;
    int cols;
};

// Where quadrant q's cell (1, 1) lies in the full grid, less one.
Offset QuadrantOffset(const CompositeLayout& layout, int q) {
    const int down = q >= 2 ? layout.quadRows[0] + 1 : 0;
    const int right = q == 1 ? layout.quadCols[0] + 1 : q == 3 ? layout.quadCols[2] + 1 : 0;
    return {down, right};
}

Quadrant StoreQuadrant(const Grid& grid) {
    Quadrant codes;
    codes.reserve(static_cast<std::size_t>(grid.NumCells));
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) codes.push_back(CellCode(grid, r, c));
    return codes;
}

// The quadrant cells' sides that face a seam cell are shared with it, so the seam cells see the
// quadrant loops that touch them as soon as the quadrants are in place.
void Assemble(Grid& grid, const CompositeLayout& layout, const std::array<Quadrant, 4>& quadrants) {
    for (int q = 0; q < 4; ++q) {
        const Offset at = QuadrantOffset(layout, q);
        std::size_t next = 0;
        for (int r = 1; r <= layout.quadRows[static_cast<std::size_t>(q)]; ++r)
            for (int c = 1; c <= layout.quadCols[static_cast<std::size_t>(q)]; ++c)
                ApplyCellCode(grid, r + at.rows, c + at.cols,
                              quadrants[static_cast<std::size_t>(q)][next++]);
    }
}

struct Junction {
    bool onSeamColumn;  // the seam column joins left and right; the seam row top and bottom
    int first;          // the stretch of the seam scanned, in rows or columns
    int last;
};

// The seam cells where the two loops run straight along both sides of the seam, in scan order.
std::vector<int> Candidates(const Grid& grid, const CompositeLayout& layout,
                            const Junction& junction) {
    std::vector<int> cells;
    for (int i = junction.first; i <= junction.last; ++i) {
        if (junction.onSeamColumn) {
            const int c = layout.seamCol;
            if (grid.CellEdge[i][c - 1][Side::Right] == Bar &&
                grid.CellEdge[i][c + 1][Side::Left] == Bar)
                cells.push_back(grid.CellNum[i][c]);
        } else {
            const int r = layout.seamRow;
            if (grid.CellEdge[r - 1][i][Side::Bottom] == Bar &&
                grid.CellEdge[r + 1][i][Side::Top] == Bar)
                cells.push_back(grid.CellNum[r][i]);
        }
    }
    return cells;
}

// The two facing edges are cut and the loops are reconnected through the seam cell, which then
// has Bars on the two sides along the seam. It and its two quadrant neighbours show their counts.
void MakeJunction(Grid& grid, int r, int c, bool onSeamColumn) {
    const Side across1 = onSeamColumn ? Side::Left : Side::Top;
    const Side across2 = onSeamColumn ? Side::Right : Side::Bottom;
    const Side along1 = onSeamColumn ? Side::Top : Side::Left;
    const Side along2 = onSeamColumn ? Side::Bottom : Side::Right;
    grid.SetEdge(r, c, across1, Free);
    grid.SetEdge(r, c, across2, Free);
    grid.SetEdge(r, c, along1, Bar);
    grid.SetEdge(r, c, along2, Bar);
    RevealTrueClue(grid, r, c);
    if (onSeamColumn) {
        RevealTrueClue(grid, r, c - 1);
        RevealTrueClue(grid, r, c + 1);
    } else {
        RevealTrueClue(grid, r - 1, c);
        RevealTrueClue(grid, r + 1, c);
    }
}

// Three junctions join the four loops into one; the fourth would close a second loop.
bool JoinLoops(Grid& grid, const CompositeLayout& layout, int leftOut) {
    const int top = layout.quadRows[0];
    const int left = layout.quadCols[0];
    const Junction junctions[] = {
        {true, 1, top}, {true, top + 2, grid.Rows}, {false, 1, left}, {false, left + 2, grid.Cols}};
    for (int j = 0; j < 4; ++j) {
        const std::vector<int> cells = Candidates(grid, layout, junctions[j]);
        if (cells.empty()) return false;
        if (j == leftOut) continue;
        const int n = static_cast<int>(cells.size());
        const int chosen = cells[static_cast<std::size_t>(n == 1 ? 0 : n / 2 - 1)];
        MakeJunction(grid, grid.CellRow[chosen], grid.CellCol[chosen], junctions[j].onSeamColumn);
    }
    return true;
}

// A seam cell between two blank quadrant cells shows its count, so that no run of three blank
// cells crosses a seam.
void SeamClues(Grid& grid, const CompositeLayout& layout) {
    const int sr = layout.seamRow;
    const int sc = layout.seamCol;
    for (int c = 1; c <= grid.Cols; ++c)
        if (!ShowsClue(grid, sr - 1, c) && !ShowsClue(grid, sr + 1, c)) RevealTrueClue(grid, sr, c);
    for (int r = 1; r <= grid.Rows; ++r)
        if (!ShowsClue(grid, r, sc - 1) && !ShowsClue(grid, r, sc + 1)) RevealTrueClue(grid, r, sc);
}

}  // namespace

CompositeLayout LayoutFor(int rows, int cols) {
    CompositeLayout layout;
    const int h = rows / 2;
    if (rows % 2 == 0) {
        layout.quadRows = {h - 1, h - 1, h, h};
        layout.seamRow = h;
    } else {
        layout.quadRows = {h, h, h, h};
        layout.seamRow = h + 1;
    }
    const int w = cols / 2;
    if (cols % 2 == 0) {
        layout.quadCols = {w - 1, w, w - 1, w};
        layout.seamCol = w;
    } else {
        layout.quadCols = {w, w, w, w};
        layout.seamCol = w + 1;
    }
    return layout;
}

std::string CellCode(const Grid& grid, int r, int c) {
    const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
    std::string code(1, clue == kNoClue ? ' ' : static_cast<char>('0' + clue));
    const char letters[] = "LTRB";
    for (const Side side : kSides)
        code += grid.CellEdge[r][c][side] == Bar ? letters[SideIndex(side)] : '.';
    return code;
}

void ApplyCellCode(Grid& grid, int r, int c, const std::string& code) {
    const char clue = code.empty() ? ' ' : code[0];
    grid.Clue[grid.CellNum[r][c]] =
        clue >= '0' && clue <= '3' ? static_cast<ClueValue>(clue - '0') : kNoClue;
    const char letters[] = "LTRB";
    for (const Side side : kSides) {
        const std::size_t at = SideIndex(side) + 1;
        grid.SetEdge(r, c, side,
                     at < code.size() && code[at] == letters[SideIndex(side)] ? Bar : Free);
    }
}

bool JoinQuadrants(Grid& grid, const CompositeLayout& layout,
                   const std::array<Quadrant, 4>& quadrants, int leftOut) {
    Assemble(grid, layout, quadrants);
    if (!JoinLoops(grid, layout, leftOut)) return false;
    SeamClues(grid, layout);
    return true;
}

CreateResult CreateComposite(CreateContext& ctx, int rows, int cols, int level) {
    Grid& grid = ctx.grid;
    const CompositeLayout layout = LayoutFor(rows, cols);
    std::array<Quadrant, 4> quadrants;
    CreateContext quadrant(grid, ctx.run, ctx.random, ctx.options);
    quadrant.options.quadrant = true;
    for (std::size_t q = 0; q < 4; ++q) {
        SetCreateSize(grid, layout.quadRows[q], layout.quadCols[q]);
        ResetGridForCreate(grid);
        quadrant.attempts = 0;
        const CreateResult result =
            CreatePuzzle(quadrant, layout.quadRows[q], layout.quadCols[q], level);
        ctx.attempts += quadrant.attempts;
        if (result != CreateResult::Created) return result;
        quadrants[q] = StoreQuadrant(grid);
    }
    SetCreateSize(grid, rows, cols);
    ResetGridForCreate(grid);
    if (!JoinQuadrants(grid, layout, quadrants, ctx.random.Below(4))) return CreateResult::Failed;

    // The whole grid aims at the plain target of its size; the base of 45 is for quadrants only.
    const int target = RulesTarget(grid, level, false, false);
    grid.DiffCode = LevelCode(level);
    const int share = OpenShare(grid);
    if (share < target) return CreateResult::Failed;
    if (share > target) RevealRandomBlanks(grid, ctx.random, share - target - 1);
    std::vector<int> found;
    FindLinkAmbiguities(grid, AmbiguityMode::WriteClues, found);
    // The quadrants' clues allow other loops than the joined one, inside a quadrant and across
    // the seams; the puzzle keeps the loop the solver finds, so the solver always solves it to its
    // stored solution, and gets clues back until no other loop fits.
    const Verdict result = SettleOnSolvedLoop(ctx, Settling::OneLoop);
    if (result == Verdict::Cancelled) return CreateResult::Cancelled;
    return result == Verdict::Accepted ? CreateResult::Created : CreateResult::Failed;
}

}  // namespace ringlace
