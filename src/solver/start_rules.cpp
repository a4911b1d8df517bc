// The start rules: edges that clue patterns alone decide, applied once to a grid whose edges are
// all Free. They write without looking at what an edge holds, except where a rule says so.
//
// The local rules run them again every time they start, which happens after every decision of the
// trial stages; so what they write is worked out once per clue set, as a list of writes, and the
// list is played back. A few rules write only when an edge is not yet a Bar: that edge is looked at
// as the list is played, in the same order as the rules would.
#include <algorithm>
#include <vector>

#include "solver/direct_lines.h"

namespace ringlace {

namespace {

struct StartWrite {
    int r, c;
    Side side;
    EdgeState value;
    // Written only when this edge is not a Bar as the write comes up; the writes of one rule
    // after its first go with the first.
    bool guarded = false;
    bool withPrevious = false;
    int guardR = 0, guardC = 0;
    Side guardSide = Side::Left;
};

class StartRules {
public:
    explicit StartRules(const Grid& grid) : g_(grid), rows_(grid.Rows), cols_(grid.Cols) { Plan(); }

    std::vector<StartWrite> writes;

private:
    void Plan() {
        ZeroRule();
        CornerOneRule();
        CornerTwoRule();
        AdjacentThrees();
        DiagonalThrees();
        CornerThrees();
        ZeroThreeDiagonals();
        DiagonalThrees();
        AntiDiagonalThrees();
        ThreeTwoThreeDiagonals();
    }

    bool Is(int r, int c, int clue) const { return g_.Clue[g_.CellNum[r][c]] == clue; }
    void Set(int r, int c, Side side, EdgeState value) { writes.push_back({r, c, side, value}); }
    // Two Bars at cell (r, c), unless its side guard is a Bar already.
    void TwoBarsUnlessBar(int r, int c, Side guard, Side other) {
        writes.push_back({r, c, guard, Bar, true, false, r, c, guard});
        writes.push_back({r, c, other, Bar, false, true});
    }

    void ZeroRule() {
        for (int r = 1; r <= rows_; ++r)
            for (int c = 1; c <= cols_; ++c)
                if (Is(r, c, 0))
                    for (Side side : {Side::Left, Side::Top, Side::Right, Side::Bottom})
                        Set(r, c, side, XMark);
    }

    void CornerOneRule() {
        if (Is(1, 1, 1)) Set(1, 1, Side::Top, XMark), Set(1, 1, Side::Left, XMark);
        if (Is(1, cols_, 1)) Set(1, cols_, Side::Top, XMark), Set(1, cols_, Side::Right, XMark);
        if (Is(rows_, 1, 1)) Set(rows_, 1, Side::Left, XMark), Set(rows_, 1, Side::Bottom, XMark);
        if (Is(rows_, cols_, 1))
            Set(rows_, cols_, Side::Right, XMark), Set(rows_, cols_, Side::Bottom, XMark);
    }

    // A "2" in a corner: the loop leaves the corner along both neighbouring border cells.
    void CornerTwoRule() {
        if (Is(1, 1, 2)) Set(1, 2, Side::Top, Bar), Set(2, 1, Side::Left, Bar);
        if (Is(1, cols_, 2)) Set(1, cols_ - 1, Side::Top, Bar), Set(2, cols_, Side::Right, Bar);
        if (Is(rows_, 1, 2)) Set(rows_ - 1, 1, Side::Left, Bar), Set(rows_, 2, Side::Bottom, Bar);
        if (Is(rows_, cols_, 2))
            Set(rows_ - 1, cols_, Side::Right, Bar), Set(rows_, cols_ - 1, Side::Bottom, Bar);
    }

    // Two "3" cells side by side: their three parallel sides are Bars, and the shared edge's
    // continuations are X (landing in the frame at the border, where they decide nothing).
    void AdjacentThrees() {
        for (int r = 1; r <= rows_; ++r) {
            for (int c = 1; c <= cols_ - 1; ++c) {
                if (!Is(r, c, 3) || !Is(r, c + 1, 3)) continue;
                Set(r, c, Side::Left, Bar);
                Set(r, c, Side::Right, Bar);
                Set(r, c + 1, Side::Right, Bar);
                Set(r - 1, c, Side::Right, XMark);
                Set(r + 1, c, Side::Right, XMark);
            }
        }
        for (int r = 1; r <= rows_ - 1; ++r) {
            for (int c = 1; c <= cols_; ++c) {
                if (!Is(r, c, 3) || !Is(r + 1, c, 3)) continue;
                Set(r, c, Side::Top, Bar);
                Set(r, c, Side::Bottom, Bar);
                Set(r + 1, c, Side::Bottom, Bar);
                Set(r, c - 1, Side::Bottom, XMark);
                Set(r, c + 1, Side::Bottom, XMark);
            }
        }
    }

    // "3" cells on a falling diagonal: their outer corners are Bars.
    void DiagonalThrees() {
        for (int r = 1; r <= rows_ - 1; ++r) {
            for (int c = 1; c <= cols_ - 1; ++c) {
                if (!Is(r, c, 3) || !Is(r + 1, c + 1, 3)) continue;
                Set(r, c, Side::Top, Bar);
                Set(r, c, Side::Left, Bar);
                Set(r + 1, c + 1, Side::Right, Bar);
                Set(r + 1, c + 1, Side::Bottom, Bar);
            }
        }
    }

    void CornerThrees() {
        if (Is(1, 1, 3)) Set(1, 1, Side::Top, Bar), Set(1, 1, Side::Left, Bar);
        if (Is(1, cols_, 3)) Set(1, cols_, Side::Top, Bar), Set(1, cols_, Side::Right, Bar);
        if (Is(rows_, 1, 3)) Set(rows_, 1, Side::Left, Bar), Set(rows_, 1, Side::Bottom, Bar);
        if (Is(rows_, cols_, 3))
            Set(rows_, cols_, Side::Right, Bar), Set(rows_, cols_, Side::Bottom, Bar);
    }

    // A "0" diagonal to a "3": the loop turns around the "3" at the corner away from the "0".
    void ZeroThreeDiagonals() {
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c, 0) && Is(r + 1, c + 1, 3))
                    TwoBarsUnlessBar(r + 1, c + 1, Side::Top, Side::Left);
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c + 1, 0) && Is(r + 1, c, 3))
                    TwoBarsUnlessBar(r + 1, c, Side::Top, Side::Right);
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c, 3) && Is(r + 1, c + 1, 0))
                    TwoBarsUnlessBar(r, c, Side::Right, Side::Bottom);
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c + 1, 3) && Is(r + 1, c, 0))
                    TwoBarsUnlessBar(r, c + 1, Side::Left, Side::Bottom);
    }

    // "3" cells on a rising diagonal.
    void AntiDiagonalThrees() {
        for (int r = 1; r <= rows_ - 1; ++r) {
            for (int c = 2; c <= cols_; ++c) {
                if (!Is(r, c, 3) || !Is(r + 1, c - 1, 3)) continue;
                Set(r, c, Side::Top, Bar);
                Set(r, c, Side::Right, Bar);
                Set(r + 1, c - 1, Side::Left, Bar);
                Set(r + 1, c - 1, Side::Bottom, Bar);
            }
        }
    }

    // "3", "2", "3" on a diagonal: the outer corners of both "3" cells are Bars.
    void ThreeTwoThreeDiagonals() {
        for (int r = 1; r <= rows_ - 2; ++r) {
            for (int c = 1; c <= cols_ - 2; ++c) {
                if (Is(r, c, 3) && Is(r + 2, c + 2, 3) && Is(r + 1, c + 1, 2)) {
                    Set(r, c, Side::Top, Bar);
                    Set(r, c, Side::Left, Bar);
                    Set(r + 2, c + 2, Side::Right, Bar);
                    Set(r + 2, c + 2, Side::Bottom, Bar);
                }
            }
        }
        for (int r = 1; r <= rows_ - 2; ++r) {
            for (int c = 1; c <= cols_ - 2; ++c) {
                if (Is(r, c + 2, 3) && Is(r + 2, c, 3) && Is(r + 1, c + 1, 2)) {
                    Set(r, c + 2, Side::Top, Bar);
                    Set(r, c + 2, Side::Right, Bar);
                    Set(r + 2, c, Side::Left, Bar);
                    Set(r + 2, c, Side::Bottom, Bar);
                }
            }
        }
    }

    const Grid& g_;
    const int rows_;
    const int cols_;
};

// The writes of the last clue set seen, with that clue set.
struct PlannedStart {
    int rows = 0;
    int cols = 0;
    std::vector<ClueValue> clues;
    std::vector<StartWrite> writes;
};

const std::vector<StartWrite>& WritesFor(const Grid& grid) {
    thread_local PlannedStart planned;
    const auto first = grid.Clue.begin() + 1;
    const auto last = first + grid.NumCells;
    if (planned.rows != grid.Rows || planned.cols != grid.Cols ||
        !std::equal(first, last, planned.clues.begin(), planned.clues.end())) {
        planned.rows = grid.Rows;
        planned.cols = grid.Cols;
        planned.clues.assign(first, last);
        planned.writes = StartRules(grid).writes;
    }
    return planned.writes;
}

}  // namespace

// An edge that already holds the value is left alone: writing it again would change nothing.
void ApplyStartRules(Grid& grid, RuleVisits& visits) {
    bool writing = true;
    for (const StartWrite& write : WritesFor(grid)) {
        if (!write.withPrevious)
            writing =
                !write.guarded || grid.CellEdge[write.guardR][write.guardC][write.guardSide] != Bar;
        if (!writing || grid.CellEdge[write.r][write.c][write.side] == write.value) continue;
        grid.SetEdge(write.r, write.c, write.side, write.value);
        visits.Wrote(grid, write.r, write.c);
    }
}

}  // namespace ringlace
