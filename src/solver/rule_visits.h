// Which cells each local rule of the colour engine has to look at again.
//
// Every local rule, run at a cell, reads and writes only the colours and sides of a few cells
// around it: at most the 3 x 3 cells around it, fewer for most (see LocalRule). When none of
// those changed since the rule last ran there, and that run changed nothing, running it again
// changes nothing either; so a sweep skips such cells and still decides exactly what the full
// sweep decided, in the same row-major order. A change marks again, for every rule, the cells
// whose run of that rule looks at what changed: a colour, a cell's sides, or for the dot and cell
// rules the edge itself.
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
#include <optional>
#include <vector>

#include "model/grid.h"
#include "solver/kept_tables.h"
#include "solver/puzzle_clues.h"
#include "solver/rule_watch.h"

namespace ringlace {

// One bit per sweep of a local rule; a sweep over a line or a part of the grid is a rule of its
// own. The rules are grouped by the cells around a cell (r, c) whose colours or sides a run there
// looks at (a rule that overwrites a colour looks at it, since a change of that colour lets it
// write again), so that each group is a run of rules to mark.
enum class LocalRule : std::uint8_t {
    // Colours of the 2 x 2 cells from (r, c) down and right.
    NoCheckerboard,
    // Colours of the cell and the four beside it.
    ZeroClue,
    TwoClue,
    OneClue,
    ThreeClue,
    // The same colours, and the cell's own sides (the border bar rules read one side and
    // overwrite the cell's own colour); the across rules last, since a cell beside them that takes
    // a colour never lets them write (they only colour uncoloured cells). A change of colour beside
    // a cell lets the border bar rules there do nothing new, nor the rules from colours: what the
    // change lets them write on the side between the two cells, the same rule writes from the
    // changed cell, in the same sweep.
    BorderBarsTop,
    BorderBarsBottom,
    BorderBarsLeft,
    BorderBarsRight,
    BarsFromColours,
    CrossesFromColours,
    AcrossBars,
    AcrossCrosses,
    // Sides of the 3 x 3 cells, for rules that visit only the cells (r, c) whose cell (r, c + dc)
    // holds a clue: first "3" cells,
    ThreeAtBarredDots,
    ThreeAtClosedDot,
    ThreeAlongBottom,
    ThreeAlongTop,
    ThreeAlongLeft,
    ThreeAlongRight,
    // "2" cells,
    TwoBesideBarredDots,
    TwoAtClosedDot,
    // "1" cells,
    OneBesideFullDot,
    OneAtClosedDot,
    OneTopCrossRight,
    OneTopCrossLeft,
    OneLeftCrossAbove,
    OneLeftCrossBelow,
    OneRightCrossAbove,
    OneRightCrossBelow,
    OneBottomCrossRight,
    OneBottomCrossLeft,
    // and pairs of "1" cells: one above the other,
    OnesAboveCrossRight,
    OnesAboveCrossLeft,
    // side by side,
    OnesBesideCrossAbove,
    OnesBesideCrossBelow,
    // on a falling diagonal,
    DiagonalOnesFromUpperLeft,
    DiagonalOnesFromLowerRight,
    // and on a rising one, from the cell right of (r, c) (dc = 1).
    DiagonalOnesFromUpperRight,
    DiagonalOnesFromLowerLeft,
    // Sides of the 2 x 2 cells from (r - 1, c - 1) to (r, c): the node rules at dot (r, c), whose
    // four edges are sides of those cells, and the cell rules, which read the cell's sides and the
    // edges at its top-left dot.
    NodeRules,
    CellRules,
    // Not a sweep: the start rules look at their marks only to know whether a side of a cell they
    // write changed since they last ran (see TakeMarks).
    StartRules,
};

constexpr std::size_t RuleIndex(LocalRule rule) {
    return static_cast<std::size_t>(rule);
}
inline constexpr std::size_t kLocalRules = RuleIndex(LocalRule::StartRules) + 1;

// For a rule whose visit of cell (r, c) does nothing unless cell (r, c + dc) holds a clue, and,
// for the rules on two "1" cells, cell (r + pairDr, c + pairDc) holds it too: where. A sweep of
// such a rule visits only those cells.
struct ClueSite {
    ClueValue clue;
    int dc = 0;
    bool pair = false;
    int pairDr = 0, pairDc = 0;
};
constexpr std::optional<ClueSite> SiteOf(LocalRule rule) {
    const std::size_t id = RuleIndex(rule);
    const auto within = [id](LocalRule first, LocalRule last) {
        return id >= RuleIndex(first) && id <= RuleIndex(last);
    };
    if (rule == LocalRule::ZeroClue) return ClueSite{0};
    if (rule == LocalRule::OneClue) return ClueSite{1};
    if (rule == LocalRule::TwoClue) return ClueSite{2};
    if (rule == LocalRule::ThreeClue) return ClueSite{3};
    if (within(LocalRule::ThreeAtBarredDots, LocalRule::ThreeAlongRight)) return ClueSite{3};
    if (within(LocalRule::TwoBesideBarredDots, LocalRule::TwoAtClosedDot)) return ClueSite{2};
    if (within(LocalRule::OneBesideFullDot, LocalRule::OneBottomCrossLeft)) return ClueSite{1};
    if (within(LocalRule::OnesAboveCrossRight, LocalRule::OnesAboveCrossLeft))
        return ClueSite{1, 0, true, 1, 0};
    if (within(LocalRule::OnesBesideCrossAbove, LocalRule::OnesBesideCrossBelow))
        return ClueSite{1, 0, true, 0, 1};
    if (within(LocalRule::DiagonalOnesFromUpperLeft, LocalRule::DiagonalOnesFromLowerRight))
        return ClueSite{1, 0, true, 1, 1};
    if (within(LocalRule::DiagonalOnesFromUpperRight, LocalRule::DiagonalOnesFromLowerLeft))
        return ClueSite{1, 1, true, 1, 0};
    return std::nullopt;
}

// How far from the cell (r, c) it visits a rule may write: the sides it writes belong to cells
// within that many rows and columns. Only the diagonal "1" rules write beyond the cells beside
// (r, c): the far sides of the other "1" of the pair.
constexpr int WriteReach(LocalRule rule) {
    return rule == LocalRule::DiagonalOnesFromUpperLeft ||
                   rule == LocalRule::DiagonalOnesFromUpperRight ||
                   rule == LocalRule::DiagonalOnesFromLowerLeft
               ? 2
               : 1;
}

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

    // The rule at every cell of rows r0..r1 and columns c0..c1, row by row; for a rule with a
    // clue site (SiteOf), only at the cells beside its clue.
    template <typename Visit>
    void Sweep(const Grid& grid, LocalRule rule, int r0, int r1, int c0, int c1, Visit visit) {
        const std::optional<ClueSite> site = SiteOf(rule);
        if (!site) {
            SweepWhere(
                grid, rule, r0, r1, c0, c1, [](int) { return ~std::uint64_t{0}; }, visit);
            return;
        }
        const auto sites = [this, &site](int r) { return SiteColumns(*site, r); };
        SweepWhere(grid, rule, r0, r1, c0, c1, sites, visit);
    }

    // After a write to a side of cell (r, c) outside a visit.
    void Wrote(const Grid& grid, int r, int c) { Compare<false>(grid, r - 1, r + 1, c - 1, c + 1); }

    // A start rule wrote side `side` of cell (r, c).
    void StartRuleWrote(const Grid& grid, const StartPattern& pattern, int r, int c, Side side) {
        Wrote(grid, r, c);
        if (watch_) watch_->StartWrote(grid, pattern, r, c, side);
    }

    // Whether the rule has any of the cells given waiting; its marks are cleared.
    bool TakeMarks(LocalRule rule, const std::array<std::uint64_t, kCellIndexes>& cells);

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
        const std::size_t id = RuleIndex(rule);
        const int reach = WriteReach(rule);
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
                Compare<false>(grid, r - reach, r + reach, c - reach, c + reach);
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

    // Where the groups of rules begin.
    static constexpr std::size_t kColourCross = RuleIndex(LocalRule::ZeroClue);
    static constexpr std::size_t kOwnSides = RuleIndex(LocalRule::BorderBarsTop);
    static constexpr std::size_t kAcross = RuleIndex(LocalRule::AcrossBars);
    static constexpr std::size_t kSidesOnly = RuleIndex(LocalRule::ThreeAtBarredDots);
    static constexpr std::size_t kSides3x3End = RuleIndex(LocalRule::NodeRules);
    // The rules of the 3 x 3 sides with a clue site, in runs of one site each.
    static constexpr std::array<std::size_t, 8> kCluedRuns{
        kSidesOnly,
        RuleIndex(LocalRule::TwoBesideBarredDots),
        RuleIndex(LocalRule::OneBesideFullDot),
        RuleIndex(LocalRule::OnesAboveCrossRight),
        RuleIndex(LocalRule::OnesBesideCrossAbove),
        RuleIndex(LocalRule::DiagonalOnesFromUpperLeft),
        RuleIndex(LocalRule::DiagonalOnesFromUpperRight),
        kSides3x3End};
    static constexpr std::size_t kCluedRunSites = kCluedRuns.size() - 1;

    // The columns of row r whose cells the site allows.
    std::uint64_t SiteColumns(const ClueSite& site, int r) const {
        const auto& rows = clueColumns_[static_cast<std::size_t>(site.clue)];
        const auto at = [&rows](int row) {
            return row < kCellIndexes ? rows[static_cast<std::size_t>(row)] : 0;
        };
        const std::uint64_t first = at(r) >> site.dc;
        return site.pair ? first & (at(r + site.pairDr) >> site.pairDc) : first;
    }
    void Restart(const Grid& grid);
    // Marks the changes in rows r0..r1 and columns c0..c1: of the sides, and of the colours when
    // asked (the rules write colours through SetColour, which marks them at once).
    template <bool Colours>
    void Compare(const Grid& grid, int r0, int r1, int c0, int c1);
    // Marks the 3 x 3 sides rules, passing over the runs with no clue of theirs in `columns`.
    void MarkAroundSides(int r, std::uint64_t columns);
    // The cells of row r in `columns` wait again for the rules first..last - 1.
    void Mark(int r, std::uint64_t columns, std::size_t first, std::size_t last);
    void CompareAll(const Grid& grid) { Compare<true>(grid, 0, grid.Rows + 1, 0, grid.Cols + 1); }

    PuzzleClues puzzle_;
    // clueColumns_[v][r]: bit c is set when cell (r, c) holds the clue v.
    std::array<std::array<std::uint64_t, kCellIndexes>, 4> clueColumns_{};
    // cluedRunSites_[run][r]: the columns of row r the rules of the clued run visit.
    std::array<std::array<std::uint64_t, kCellIndexes>, kCluedRunSites> cluedRunSites_{};
    // The colours and sides the rules last saw.
    KeptTables<&Grid::CellColour, &Grid::CellEdge> seen_;
    // pending_[r][rule]: bit c is set while the rule has cell (r, c) to visit. Columns run up
    // to 51, so a row of one rule fits one word, and a sweep goes straight to its marked cells.
    std::array<std::array<std::uint64_t, kLocalRules>, kCellIndexes> pending_{};
    // pendingRows_[rule]: bit r is set while row r may hold cells the rule has to visit.
    std::array<std::uint64_t, kLocalRules> pendingRows_{};
    RuleWatch* watch_ = nullptr;
};

}  // namespace ringlace
