#include "solver/corner_rules.h"

#include "solver/colour_engine.h"

namespace ringlace {

namespace {

// One corner dot of a cell: where the dot is, the cell's two sides that meet there, and the two
// edges that leave the dot away from the cell (as sides of the diagonal neighbour cell).
struct Dot {
    int dr, dc;           // the dot is the top-left corner of cell (r + dr, c + dc)
    Side side1, side2;    // the cell's sides at the dot
    int nr, nc;           // the diagonal neighbour cell, relative to the cell
    Side outer1, outer2;  // its sides that leave the dot
    Side away1, away2;    // the cell's sides away from the dot
};

constexpr Dot kTopLeft{0,  0,           Side::Left,   Side::Top,   -1,
                       -1, Side::Right, Side::Bottom, Side::Right, Side::Bottom};
constexpr Dot kTopRight{0, 1,          Side::Top,    Side::Right,  -1,
                        1, Side::Left, Side::Bottom, Side::Bottom, Side::Left};
constexpr Dot kBottomRight{1, 1,          Side::Right, Side::Bottom, 1,
                           1, Side::Left, Side::Top,   Side::Left,   Side::Top};
constexpr Dot kBottomLeft{1,  0,           Side::Bottom, Side::Left, 1,
                          -1, Side::Right, Side::Top,    Side::Top,  Side::Right};
// Clockwise from the top-right dot, as the later blocks try them; the opposite dot is two on.
constexpr Dot kFromTopRight[] = {kTopRight, kBottomRight, kBottomLeft, kTopLeft};
constexpr Dot kFromTopLeft[] = {kTopLeft, kTopRight, kBottomRight, kBottomLeft};

// A side of the cell with the two dots at its ends, and the sides beside and opposite it.
struct Facing {
    Side side;
    Dot end1, end2;
    Side beside1, beside2, opposite;
};
constexpr Facing kFacings[] = {
    {Side::Top, kTopLeft, kTopRight, Side::Left, Side::Right, Side::Bottom},
    {Side::Right, kTopRight, kBottomRight, Side::Top, Side::Bottom, Side::Left},
    {Side::Bottom, kBottomRight, kBottomLeft, Side::Right, Side::Left, Side::Top},
    {Side::Left, kBottomLeft, kTopLeft, Side::Bottom, Side::Top, Side::Right}};

class CornerBlocks {
public:
    CornerBlocks(Grid& grid, RuleVisits& visits) : g_(grid), visits_(visits) {}

    void Run() {
        Sweep(LocalRule::TwoBesideBarredDots, &CornerBlocks::TwoBesideBarredDots);
        Sweep(LocalRule::ThreeAtBarredDots, &CornerBlocks::ThreeAtBarredDots);
        Sweep(LocalRule::OneBesideFullDot, &CornerBlocks::OneBesideFullDot);
        Sweep(LocalRule::ThreeAtClosedDot, &CornerBlocks::ThreeAtClosedDot);
        Sweep(LocalRule::TwoAtClosedDot, &CornerBlocks::TwoAtClosedDot);
        Sweep(LocalRule::OneAtClosedDot, &CornerBlocks::OneAtClosedDot);
        ThreesAlongBorders();
    }

private:
    using Block = void (CornerBlocks::*)(int r, int c);

    void Sweep(LocalRule id, Block block) {
        visits_.Sweep(g_, id, 1, g_.Rows, 1, g_.Cols,
                      [this, block](int r, int c) { (this->*block)(r, c); });
    }

    EdgeState Edge(int r, int c, Side side) const { return g_.CellEdge[r][c][side]; }
    bool Barred(int r, int c, const Dot& dot) const {
        return NodeBarsAt(g_, r + dot.dr, c + dot.dc) > 0;
    }
    bool OuterClosed(int r, int c, const Dot& dot) const {
        return Edge(r + dot.nr, c + dot.nc, dot.outer1) == XMark &&
               Edge(r + dot.nr, c + dot.nc, dot.outer2) == XMark;
    }
    void Set(int r, int c, Side side, EdgeState value) { g_.SetEdge(r, c, side, value); }

    // A "2" open on three sides, X on the fourth, with bars arriving at both dots of the side
    // facing the X: a bar there would give a dot three, so the loop takes the two sides beside it.
    void TwoBesideBarredDots(int r, int c) {
        for (const Facing& f : kFacings) {
            if (Edge(r, c, f.side) == Free && Edge(r, c, f.beside1) == Free &&
                Edge(r, c, f.beside2) == Free && Edge(r, c, f.opposite) == XMark &&
                Barred(r, c, f.end1) && Barred(r, c, f.end2)) {
                Set(r, c, f.side, XMark);
                Set(r, c, f.beside1, Bar);
                Set(r, c, f.beside2, Bar);
            }
        }
    }

    // An untouched "3" with bars arriving at its corners from outside.
    void ThreeAtBarredDots(int r, int c) {
        for (const Side side : kSides)
            if (Edge(r, c, side) != Free) return;
        // Both dots of one side: the loop runs along the other three.
        constexpr Facing kOrder[] = {kFacings[0], kFacings[2], kFacings[1], kFacings[3]};
        for (const Facing& f : kOrder) {
            if (Barred(r, c, f.end1) && Barred(r, c, f.end2)) {
                for (const Side side : kSides)
                    if (side != f.side) Set(r, c, side, Bar);
                return;
            }
        }
        // One dot: the two sides away from it are Bars, and the dot is full once the cell
        // takes one of its sides there, so a lone outer bar shuts the other outer edge.
        for (const Dot& dot : kFromTopLeft) {
            if (!Barred(r, c, dot)) continue;
            Set(r, c, dot.away1, Bar);
            Set(r, c, dot.away2, Bar);
            const int nr = r + dot.nr;
            const int nc = c + dot.nc;
            if (Edge(nr, nc, dot.outer2) == Bar)
                Set(nr, nc, dot.outer1, XMark);
            else if (Edge(nr, nc, dot.outer1) == Bar)
                Set(nr, nc, dot.outer2, XMark);
            return;
        }
    }

    // A "1" not yet barred: a free side ending at a dot that is already full is X.
    void OneBesideFullDot(int r, int c) {
        if (g_.CountBars(r, c) == 1) return;
        for (const Facing& f : {kFacings[0], kFacings[1], kFacings[2], kFacings[3]}) {
            if (Edge(r, c, f.side) != Free) continue;
            if (NodeBarsAt(g_, r + f.end1.dr, c + f.end1.dc) >= 2 ||
                NodeBarsAt(g_, r + f.end2.dr, c + f.end2.dc) >= 2) {
                Set(r, c, f.side, XMark);
                return;
            }
        }
    }

    // A "3" at a dot whose outer edges are both X: the loop turns through the dot on the cell.
    void ThreeAtClosedDot(int r, int c) {
        for (const Dot& dot : kFromTopRight) {
            if (Edge(r, c, dot.side1) != Free && Edge(r, c, dot.side2) != Free) return;
            if (OuterClosed(r, c, dot)) {
                Set(r, c, dot.side1, Bar);
                Set(r, c, dot.side2, Bar);
                return;
            }
        }
    }

    // A "2" with a closed dot and an X at the opposite dot: the loop turns at the closed dot.
    void TwoAtClosedDot(int r, int c) {
        for (int k = 0; k < 4; ++k) {
            const Dot& dot = kFromTopRight[k];
            const Dot& opposite = kFromTopRight[(k + 2) % 4];
            const bool oppositeCrossed =
                Edge(r, c, opposite.side1) == XMark || Edge(r, c, opposite.side2) == XMark;
            if (!oppositeCrossed || !OuterClosed(r, c, dot)) continue;
            Set(r, c, dot.side1, Bar);
            Set(r, c, dot.side2, Bar);
            Set(r, c, opposite.side1, XMark);
            Set(r, c, opposite.side2, XMark);
            return;
        }
    }

    // A "1" without a bar at a closed dot: neither side there can carry its one bar.
    void OneAtClosedDot(int r, int c) {
        if (g_.CountBars(r, c) != 0) return;
        for (const Dot& dot : kFromTopRight) {
            if (!OuterClosed(r, c, dot)) continue;
            Set(r, c, dot.side1, XMark);
            Set(r, c, dot.side2, XMark);
            if (Edge(r, c, dot.away2) == XMark) Set(r, c, dot.away1, Bar);
            if (Edge(r, c, dot.away1) == XMark) Set(r, c, dot.away2, Bar);
            return;
        }
    }

    // A bare "3" on the border next to an X on the border: the loop turns at that dot.
    void ThreeAlongBorder(int r, int c, Side border, int r1, int c1, Side side1, int r2, int c2,
                          Side side2) {
        if (g_.CountBars(r, c) != 0) return;
        if (Edge(r1, c1, border) == XMark) {
            Set(r, c, side1, Bar);
            Set(r, c, border, Bar);
        } else if (Edge(r2, c2, border) == XMark) {
            Set(r, c, side2, Bar);
            Set(r, c, border, Bar);
        }
    }

    void ThreesAlongBorders() {
        const int rows = g_.Rows;
        const int cols = g_.Cols;
        visits_.Sweep(g_, LocalRule::ThreeAlongBottom, rows, rows, 1, cols, [&](int r, int c) {
            ThreeAlongBorder(r, c, Side::Bottom, r, c + 1, Side::Right, r, c - 1, Side::Left);
        });
        visits_.Sweep(g_, LocalRule::ThreeAlongTop, 1, 1, 1, cols, [&](int r, int c) {
            ThreeAlongBorder(r, c, Side::Top, r, c + 1, Side::Right, r, c - 1, Side::Left);
        });
        visits_.Sweep(g_, LocalRule::ThreeAlongLeft, 1, rows, 1, 1, [&](int r, int c) {
            ThreeAlongBorder(r, c, Side::Left, r + 1, c, Side::Bottom, r - 1, c, Side::Top);
        });
        visits_.Sweep(g_, LocalRule::ThreeAlongRight, 1, rows, cols, cols, [&](int r, int c) {
            ThreeAlongBorder(r, c, Side::Right, r + 1, c, Side::Bottom, r - 1, c, Side::Top);
        });
    }

    Grid& g_;
    RuleVisits& visits_;
};

}  // namespace

void CornerRules(Grid& grid, RuleVisits& visits) {
    CornerBlocks(grid, visits).Run();
}

}  // namespace ringlace
