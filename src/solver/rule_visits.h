// Which cells each local rule of the colour engine has to look at again.
//
// Every local rule, run at a cell, reads only the colours and sides of the 3 x 3 cells around it
// and writes within the 5 x 5 cells around it. When nothing in those 3 x 3 cells changed since the
// rule last ran there, and that run changed nothing, running it again changes nothing either; so
// a sweep skips such cells and still decides exactly what the full sweep decided, in the same
// row-major order. A change anywhere marks the 3 x 3 cells around it for every rule again.
//
// Changes are found by comparing the grid with a copy of the colours and sides taken as the rules
// ran: as a colour is written, after each visit that wrote an edge (around the cell visited), and
// after an edge written outside the sweeps (around that edge). Since the copy says what the rules
// last saw, the marks stay valid from one run of the engine to the next, whatever changed the grid
// in between (trial decisions, restored states).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/grid.h"
#include "solver/puzzle_clues.h"
#include "solver/rule_watch.h"

namespace ringlace {

// One bit per sweep of a local rule; a sweep over a line or a part of the grid is a rule of its
// own. The rules come in three groups: those that read only colours, those that read colours and
// sides, and those that read only sides (a rule that overwrites a colour reads it, since a change
// of that colour lets it write again). A change of a colour marks only the first two groups, a
// change of a side only the last two.
enum class LocalRule : std::uint8_t {
    ZeroClue,
    TwoClue,
    OneClue,
    ThreeClue,
    NoCheckerboard,
    BorderBarsTop,
    BorderBarsBottom,
    BorderBarsLeft,
    BorderBarsRight,
    AcrossBars,
    AcrossCrosses,
    BarsFromColours,
    CrossesFromColours,
    TwoBesideBarredDots,
    ThreeAtBarredDots,
    OneBesideFullDot,
    ThreeAtClosedDot,
    TwoAtClosedDot,
    OneAtClosedDot,
    ThreeAlongBottom,
    ThreeAlongTop,
    ThreeAlongLeft,
    ThreeAlongRight,
    NodeRules,
    OnesAboveCrossRight,
    OnesAboveCrossLeft,
    OnesBesideCrossAbove,
    OnesBesideCrossBelow,
    OneTopCrossRight,
    OneTopCrossLeft,
    OneLeftCrossAbove,
    OneLeftCrossBelow,
    OneRightCrossAbove,
    OneRightCrossBelow,
    OneBottomCrossRight,
    OneBottomCrossLeft,
    DiagonalOnesFromUpperLeft,
    DiagonalOnesFromUpperRight,
    DiagonalOnesFromLowerRight,
    DiagonalOnesFromLowerLeft,
    CellRules,
};

inline constexpr std::size_t kLocalRules = static_cast<std::size_t>(LocalRule::CellRules) + 1;

class RuleVisits {
public:
    // Every cell is to be visited by every rule.
    explicit RuleVisits(const Grid& grid) { Restart(grid); }

    // Takes up a grid the rules last saw through this object: cells that changed since, and every
    // cell when the size or the clues differ, are visited again.
    void Resume(const Grid& grid);

    // What the rules have left to visit on the grid last seen, by row.
    struct Left {
        std::vector<std::array<std::uint64_t, kLocalRules>> cells;
        std::array<std::uint64_t, kLocalRules> rows{};
    };
    Left LeftToVisit() const;
    // The grid is back in the state it had when `left` was taken (and seen): the rules take it up
    // from there.
    void ComeBack(const Grid& grid, const Left& left);

    // A colour written by a rule: through SetCellColour, the change marked at once.
    void SetColour(Grid& grid, int r, int c, std::int32_t colour);

    // The rule at every cell of rows r0..r1 and columns c0..c1, row by row.
    template <typename Visit>
    void Sweep(const Grid& grid, LocalRule rule, int r0, int r1, int c0, int c1, Visit visit) {
        SweepWhere(
            grid, rule, r0, r1, c0, c1, [](int) { return ~std::uint64_t{0}; }, visit);
    }

    // The same for a rule whose visit does nothing unless cell (r, c + dc) holds the clue: only
    // those cells are visited.
    template <typename Visit>
    void Sweep(const Grid& grid, LocalRule rule, ClueValue clue, int dc, int r0, int r1, int c0,
               int c1, Visit visit) {
        const auto& rows = clueColumns_[static_cast<std::size_t>(clue)];
        const auto sites = [&rows, dc](int r) {
            const std::uint64_t holding = rows[static_cast<std::size_t>(r)];
            return dc >= 0 ? holding >> dc : holding << -dc;
        };
        SweepWhere(grid, rule, r0, r1, c0, c1, sites, visit);
    }

    // After a write to a side of cell (r, c) outside a visit.
    void Wrote(const Grid& grid, int r, int c) { Compare(grid, r - 1, r + 1, c - 1, c + 1); }

    // A start rule wrote side `side` of cell (r, c).
    void StartRuleWrote(const Grid& grid, const StartPattern& pattern, int r, int c, Side side) {
        Wrote(grid, r, c);
        if (watch_) watch_->StartWrote(grid, pattern, r, c, side);
    }

    // Tells the watch of every write from now on; nullptr for none.
    void Watch(RuleWatch* watch) { watch_ = watch; }

private:
    // Skips the cells where the rule is known to change nothing, and those sites(r) leaves out.
    // Edges are written through SetEdge, which counts the writes: only a visit that wrote is
    // compared. A visit may mark cells further along its row: the row's marks are read again
    // after each visit.
    template <typename Sites, typename Visit>
    void SweepWhere(const Grid& grid, LocalRule rule, int r0, int r1, int c0, int c1, Sites sites,
                    Visit visit) {
        const auto id = static_cast<std::size_t>(rule);
        const std::uint64_t span = Bits(c0, c1);
        std::uint64_t& waitingRows = pendingRows_[id];
        std::uint64_t rowsAhead = Bits(r0, r1);
        for (std::uint64_t dueRows = waitingRows & rowsAhead; dueRows != 0;
             dueRows = waitingRows & rowsAhead) {
            const int r = std::countr_zero(dueRows);
            rowsAhead &= ~Bits(0, r);
            std::uint64_t& waiting = pending_[static_cast<std::size_t>(r)][id];
            const std::uint64_t swept = span & sites(r);
            std::uint64_t ahead = swept;
            for (std::uint64_t due = waiting & ahead; due != 0; due = waiting & ahead) {
                const int c = std::countr_zero(due);
                const std::uint64_t bit = std::uint64_t{1} << c;
                waiting &= ~bit;
                ahead &= ~(bit | (bit - 1));
                const std::int64_t edgeWrites = grid.EdgeSetCount;
                visit(r, c);
                if (grid.EdgeSetCount == edgeWrites) continue;
                Compare(grid, r - 2, r + 2, c - 2, c + 2);
                if (watch_) watch_->SweepWrote(grid, rule, r, c);
            }
            // Cells marked behind the visits keep the row waiting for the next sweep.
            if ((waiting & swept) == 0) waitingRows &= ~(std::uint64_t{1} << r);
        }
    }

    // Bits first to last.
    static std::uint64_t Bits(int first, int last) {
        return (~std::uint64_t{0} << first) & ~(~std::uint64_t{1} << last);
    }

    // The rules that read colours are those before kColourReadersEnd; those that read sides start
    // at kFirstSideReader.
    static constexpr std::size_t kColourReadersEnd =
        static_cast<std::size_t>(LocalRule::CrossesFromColours) + 1;
    static constexpr std::size_t kFirstSideReader =
        static_cast<std::size_t>(LocalRule::BorderBarsTop);

    void Restart(const Grid& grid);
    void Compare(const Grid& grid, int r0, int r1, int c0, int c1);
    // The cells of row r in `columns` wait again for the rules first..last - 1.
    void Mark(int r, std::uint64_t columns, std::size_t first, std::size_t last);
    void CompareAll(const Grid& grid) { Compare(grid, 0, grid.Rows + 1, 0, grid.Cols + 1); }

    PuzzleClues puzzle_;
    // clueColumns_[v][r]: bit c is set when cell (r, c) holds the clue v.
    std::array<std::array<std::uint64_t, kCellIndexes>, 4> clueColumns_{};
    Table2<std::int32_t, kCellIndexes> colours_{};
    Table2<std::uint32_t, kCellIndexes> sides_{};  // the four side states of a cell in one word
    // pending_[r][rule]: bit c is set while the rule has cell (r, c) to visit. Columns run up
    // to 51, so a row of one rule fits one word, and a sweep goes straight to its marked cells.
    std::array<std::array<std::uint64_t, kLocalRules>, kCellIndexes> pending_{};
    // pendingRows_[rule]: bit r is set while row r may hold cells the rule has to visit.
    std::array<std::uint64_t, kLocalRules> pendingRows_{};
    RuleWatch* watch_ = nullptr;
};

}  // namespace ringlace
