// The start rules: edges that clue patterns alone decide, applied once to a grid whose edges are
// all Free. They write without looking at what an edge holds, except where a rule says so.
//
// The local rules run them again every time they start, which happens after every decision of the
// trial stages; so what they write is worked out once per clue set, as a list of writes, and the
// list is played back. A few rules write only when an edge is not yet a Bar: that edge is looked at
// as the list is played, in the same order as the rules would.
#include <algorithm>
#include <array>
#include <cstdint>
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
    StartPattern pattern;  // the rule and the clues that made the write
};

class StartRules {
public:
    explicit StartRules(const Grid& grid) : g_(grid), rows_(grid.Rows), cols_(grid.Cols) { Plan(); }

    std::vector<StartWrite> writes;

private:
    void Plan() {
        ZeroRule();
        CornerSides(StartRule::CornerOne, 1, XMark);
        CornerTwoRule();
        AdjacentThrees();
        DiagonalThrees();
        CornerSides(StartRule::CornerThree, 3, Bar);
        ZeroThreeDiagonals();
        DiagonalThrees();
        AntiDiagonalThrees();
        ThreeTwoThreeDiagonals();
    }

    bool Is(int r, int c, int clue) const { return g_.Clue[g_.CellNum[r][c]] == clue; }
    void Set(int r, int c, Side side, EdgeState value) {
        writes.push_back({r, c, side, value, false, false, 0, 0, Side::Left, pattern_});
    }
    // The writes from now on come from this rule on the clues from (r1, c1) to (r2, c2).
    void Pattern(StartRule rule, int r1, int c1, int r2, int c2) {
        pattern_ = {rule, r1, c1, r2, c2};
    }
    void Pattern(StartRule rule, int r, int c) { Pattern(rule, r, c, r, c); }
    // Two Bars at cell (r, c), unless its side guard is a Bar already.
    void TwoBarsUnlessBar(int r, int c, Side guard, Side other) {
        writes.push_back({r, c, guard, Bar, true, false, r, c, guard, pattern_});
        writes.push_back({r, c, other, Bar, false, true, 0, 0, Side::Left, pattern_});
    }

    void ZeroRule() {
        for (int r = 1; r <= rows_; ++r)
            for (int c = 1; c <= cols_; ++c)
                if (Is(r, c, 0)) {
                    Pattern(StartRule::Zero, r, c);
                    for (Side side : {Side::Left, Side::Top, Side::Right, Side::Bottom})
                        Set(r, c, side, XMark);
                }
    }

    // A "1" in a corner: the loop takes neither of its two border sides. A "3" there: it takes
    // both.
    void CornerSides(StartRule rule, int clue, EdgeState value) {
        const auto corner = [&](int r, int c, Side side1, Side side2) {
            if (!Is(r, c, clue)) return;
            Pattern(rule, r, c);
            Set(r, c, side1, value);
            Set(r, c, side2, value);
        };
        corner(1, 1, Side::Top, Side::Left);
        corner(1, cols_, Side::Top, Side::Right);
        corner(rows_, 1, Side::Left, Side::Bottom);
        corner(rows_, cols_, Side::Right, Side::Bottom);
    }

    // A "2" in a corner: the loop leaves the corner along both neighbouring border cells.
    void CornerTwoRule() {
        const auto corner = [this](int r, int c, int r1, int c1, Side side1, int r2, int c2,
                                   Side side2) {
            if (!Is(r, c, 2)) return;
            Pattern(StartRule::CornerTwo, r, c);
            Set(r1, c1, side1, Bar);
            Set(r2, c2, side2, Bar);
        };
        corner(1, 1, 1, 2, Side::Top, 2, 1, Side::Left);
        corner(1, cols_, 1, cols_ - 1, Side::Top, 2, cols_, Side::Right);
        corner(rows_, 1, rows_ - 1, 1, Side::Left, rows_, 2, Side::Bottom);
        corner(rows_, cols_, rows_ - 1, cols_, Side::Right, rows_, cols_ - 1, Side::Bottom);
    }

    // Two "3" cells side by side: their three parallel sides are Bars, and the shared edge's
    // continuations are X (landing in the frame at the border, where they decide nothing).
    void AdjacentThrees() {
        for (int r = 1; r <= rows_; ++r) {
            for (int c = 1; c <= cols_ - 1; ++c) {
                if (!Is(r, c, 3) || !Is(r, c + 1, 3)) continue;
                Pattern(StartRule::AdjacentThrees, r, c, r, c + 1);
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
                Pattern(StartRule::AdjacentThrees, r, c, r + 1, c);
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
                Pattern(StartRule::DiagonalThrees, r, c, r + 1, c + 1);
                Set(r, c, Side::Top, Bar);
                Set(r, c, Side::Left, Bar);
                Set(r + 1, c + 1, Side::Right, Bar);
                Set(r + 1, c + 1, Side::Bottom, Bar);
            }
        }
    }

    // A "0" diagonal to a "3": the loop turns around the "3" at the corner away from the "0".
    void ZeroThreeDiagonals() {
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c, 0) && Is(r + 1, c + 1, 3)) {
                    Pattern(StartRule::ZeroBesideThree, r, c, r + 1, c + 1);
                    TwoBarsUnlessBar(r + 1, c + 1, Side::Top, Side::Left);
                }
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c + 1, 0) && Is(r + 1, c, 3)) {
                    Pattern(StartRule::ZeroBesideThree, r, c + 1, r + 1, c);
                    TwoBarsUnlessBar(r + 1, c, Side::Top, Side::Right);
                }
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c, 3) && Is(r + 1, c + 1, 0)) {
                    Pattern(StartRule::ZeroBesideThree, r, c, r + 1, c + 1);
                    TwoBarsUnlessBar(r, c, Side::Right, Side::Bottom);
                }
        for (int r = 1; r <= rows_ - 1; ++r)
            for (int c = 1; c <= cols_ - 1; ++c)
                if (Is(r, c + 1, 3) && Is(r + 1, c, 0)) {
                    Pattern(StartRule::ZeroBesideThree, r, c + 1, r + 1, c);
                    TwoBarsUnlessBar(r, c + 1, Side::Left, Side::Bottom);
                }
    }

    // "3" cells on a rising diagonal.
    void AntiDiagonalThrees() {
        for (int r = 1; r <= rows_ - 1; ++r) {
            for (int c = 2; c <= cols_; ++c) {
                if (!Is(r, c, 3) || !Is(r + 1, c - 1, 3)) continue;
                Pattern(StartRule::DiagonalThrees, r, c, r + 1, c - 1);
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
                    Pattern(StartRule::ThreeTwoThree, r, c, r + 2, c + 2);
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
                    Pattern(StartRule::ThreeTwoThree, r, c + 2, r + 2, c);
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
    StartPattern pattern_;
};

// The writes of the last clue set seen, with that clue set, and the cells whose sides they
// write or look at.
struct PlannedStart {
    int rows = 0;
    int cols = 0;
    std::vector<ClueValue> clues;
    std::vector<StartWrite> writes;
    std::array<std::uint64_t, kCellIndexes> cells{};
};

const PlannedStart& PlanFor(const Grid& grid) {
    thread_local PlannedStart planned;
    const auto first = grid.Clue.begin() + 1;
    const auto last = first + grid.NumCells;
    if (planned.rows != grid.Rows || planned.cols != grid.Cols ||
        !std::equal(first, last, planned.clues.begin(), planned.clues.end())) {
        planned.rows = grid.Rows;
        planned.cols = grid.Cols;
        planned.clues.assign(first, last);
        planned.writes = StartRules(grid).writes;
        planned.cells = {};
        for (const StartWrite& write : planned.writes) {
            planned.cells[static_cast<std::size_t>(write.r)] |= std::uint64_t{1} << write.c;
            if (write.guarded)
                planned.cells[static_cast<std::size_t>(write.guardR)] |= std::uint64_t{1}
                                                                         << write.guardC;
        }
    }
    return planned;
}

}  // namespace

// An edge that already holds the value is left alone: writing it again would change nothing. Once
// the writes have run, each holds its value or is passed over for its guard; they can write again
// only after a side of one of their cells changed, which the rules' marks tell.
void ApplyStartRules(Grid& grid, RuleVisits& visits) {
    const PlannedStart& planned = PlanFor(grid);
    if (!visits.TakeMarks(LocalRule::StartRules, planned.cells)) return;
    bool writing = true;
    for (const StartWrite& write : planned.writes) {
        if (!write.withPrevious)
            writing =
                !write.guarded || grid.CellEdge[write.guardR][write.guardC][write.guardSide] != Bar;
        if (!writing || grid.CellEdge[write.r][write.c][write.side] == write.value) continue;
        grid.SetEdge(write.r, write.c, write.side, write.value);
        visits.StartRuleWrote(grid, write.pattern, write.r, write.c, write.side);
    }
}

}  // namespace ringlace
