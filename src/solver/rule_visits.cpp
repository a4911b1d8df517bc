#include "solver/rule_visits.h"

#include <algorithm>
#include <bit>

#include "solver/colouring.h"

namespace ringlace {

void RuleVisits::Restart(const Grid& grid) {
    puzzle_.Take(grid);
    clueColumns_ = {};
    pendingRows_.fill(~std::uint64_t{0});
    for (int r = 0; r <= puzzle_.rows + 1; ++r) {
        pending_[static_cast<std::size_t>(r)].fill(~std::uint64_t{0});
        seen_.KeepRow(grid, r);
        for (int c = 0; c <= puzzle_.cols + 1; ++c) {
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue >= 0 && clue <= 3)
                clueColumns_[static_cast<std::size_t>(clue)][static_cast<std::size_t>(r)] |=
                    std::uint64_t{1} << c;
        }
    }
    for (std::size_t run = 0; run < kCluedRunSites; ++run) {
        const ClueSite site = *SiteOf(static_cast<LocalRule>(kCluedRuns[run]));
        for (int r = 0; r < kCellIndexes; ++r)
            cluedRunSites_[run][static_cast<std::size_t>(r)] = SiteColumns(site, r);
    }
}

void RuleVisits::Resume(const Grid& grid) {
    if (puzzle_.Same(grid))
        CompareAll(grid);
    else
        Restart(grid);
}

RuleVisits::Left RuleVisits::LeftToVisit() const {
    const auto rows = static_cast<std::ptrdiff_t>(puzzle_.rows + 2);
    return {{pending_.begin(), pending_.begin() + rows}, pendingRows_};
}

void RuleVisits::ComeBack(const Grid& grid, const Left& left) {
    std::copy(left.cells.begin(), left.cells.end(), pending_.begin());
    pendingRows_ = left.rows;
    for (int r = 0; r <= puzzle_.rows + 1; ++r) seen_.KeepRow(grid, r);
}

// The changed cells of each row are gathered first, so that a row is marked once for all the
// changes around it.
template <bool Colours>
void RuleVisits::Compare(const Grid& grid, int r0, int r1, int c0, int c1) {
    r0 = std::max(r0, 0);
    r1 = std::min(r1, puzzle_.rows + 1);
    c0 = std::max(c0, 0);
    c1 = std::min(c1, puzzle_.cols + 1);
    // For row r, at index r + 2 (rows r0 - 2 to r1 + 2 are read): the cells whose colour, or
    // sides, changed; and the changed edges, as the cells whose left side (across) or top side
    // (down) they are.
    std::array<std::uint64_t, kCellIndexes + 4> colours;
    std::array<std::uint64_t, kCellIndexes + 4> sides;
    std::array<std::uint64_t, kCellIndexes + 4> across;
    std::array<std::uint64_t, kCellIndexes + 4> down;
    const auto slot = [](int r) { return static_cast<std::size_t>(r + 2); };
    for (int r = r0 - 2; r <= r1 + 2; ++r)
        colours[slot(r)] = sides[slot(r)] = across[slot(r)] = down[slot(r)] = 0;
    for (int r = r0; r <= r1; ++r) {
        // A whole row, compared at once, is most often as it was.
        if (Colours && c0 == 0 && c1 == puzzle_.cols + 1 && seen_.RowKept(grid, r)) continue;
        std::uint64_t colourColumns = 0;
        std::uint64_t sideColumns = 0;
        // bySide[side]: the cells whose side changed.
        SideTable<std::uint64_t> bySide{};
        for (int c = c0; c <= c1; ++c) {
            const std::uint64_t bit = std::uint64_t{1} << c;
            const std::int32_t colour = grid.CellColour[r][c];
            if (Colours && colour != seen_.first()[r][c]) {
                seen_.first()[r][c] = colour;
                colourColumns |= bit;
            }
            std::uint32_t changed =
                StatesWord(grid.CellEdge[r][c]) ^ StatesWord(seen_.second()[r][c]);
            if (changed == 0) continue;
            seen_.second()[r][c] = grid.CellEdge[r][c];
            sideColumns |= bit;
            // Bit 0 of byte k: side k changed.
            changed = (changed | (changed >> 1)) & 0x01010101u;
            for (std::size_t k = 0; k < 4; ++k)
                bySide.bySide[k] |= static_cast<std::uint64_t>((changed >> (8 * k)) & 1) << c;
        }
        colours[slot(r)] = colourColumns;
        sides[slot(r)] = sideColumns;
        across[slot(r)] |= bySide[Side::Left] | (bySide[Side::Right] << 1);
        down[slot(r)] |= bySide[Side::Top];
        down[slot(r + 1)] |= bySide[Side::Bottom];
    }
    // Columns c - 1 to c + 1 of the columns c given.
    const auto widened = [](std::uint64_t columns) {
        return columns | (columns << 1) | (columns >> 1);
    };
    for (int r = std::max(r0 - 1, 0); r <= std::min(r1 + 1, puzzle_.rows + 1); ++r) {
        if constexpr (Colours) {
            const std::uint64_t colourAbove = colours[slot(r - 1)];
            const std::uint64_t colourHere = colours[slot(r)];
            const std::uint64_t colourBelow = colours[slot(r + 1)];
            const std::uint64_t colourSquare = colourHere | colourBelow;
            Mark(r, colourSquare | (colourSquare >> 1), 0, kColourCross);
            const std::uint64_t colourCross = colourAbove | colourBelow | widened(colourHere);
            Mark(r, colourCross, kColourCross, kOwnSides);
            Mark(r, colourHere, kOwnSides, kAcross);
            Mark(r, colourCross, kAcross, kSidesOnly);
        }
        const std::uint64_t sidesHere = sides[slot(r)];
        const std::uint64_t sidesSquare = sides[slot(r - 1)] | sidesHere;
        const std::uint64_t sidesAround = sidesSquare | sides[slot(r + 1)];
        if (sidesAround == 0) continue;
        Mark(r, sidesHere, kOwnSides, kSidesOnly);
        MarkAroundSides(r, widened(sidesAround));
        // A dot's rules read its four edges; a cell's, its sides and the edges at its top-left dot.
        const std::uint64_t acrossAbove = across[slot(r - 1)];
        const std::uint64_t acrossHere = across[slot(r)];
        const std::uint64_t downHere = down[slot(r)];
        const std::uint64_t dotEdges = acrossAbove | acrossHere | downHere | (downHere << 1);
        Mark(r, dotEdges, RuleIndex(LocalRule::NodeRules), RuleIndex(LocalRule::CellRules));
        Mark(r, dotEdges | down[slot(r + 1)] | (acrossHere >> 1), RuleIndex(LocalRule::CellRules),
             RuleIndex(LocalRule::StartRules));
        Mark(r, sidesSquare | (sidesSquare << 1), RuleIndex(LocalRule::StartRules), kLocalRules);
    }
}

template void RuleVisits::Compare<false>(const Grid&, int, int, int, int);
template void RuleVisits::Compare<true>(const Grid&, int, int, int, int);

void RuleVisits::SetColour(Grid& grid, int r, int c, std::int32_t colour) {
    SetCellColour(grid, r, c, colour);
    if (grid.CellColour[r][c] == seen_.first()[r][c]) return;
    seen_.first()[r][c] = grid.CellColour[r][c];
    // Column -1 and those past the frame are never swept.
    const std::uint64_t here = std::uint64_t{1} << c;
    const std::uint64_t besides = (here << 1) | here | (here >> 1);
    // A cell that takes a colour lets only its own across rules write.
    const bool acrossBeside = grid.CellColour[r][c] == 0;
    for (int rr = std::max(r - 1, 0); rr <= std::min(r + 1, puzzle_.rows + 1); ++rr) {
        if (rr <= r) Mark(rr, here | (here >> 1), 0, kColourCross);
        const std::uint64_t cross = rr == r ? besides : here;
        Mark(rr, cross, kColourCross, kOwnSides);
        if (acrossBeside) Mark(rr, cross, kAcross, kSidesOnly);
    }
    Mark(r, here, kOwnSides, acrossBeside ? kAcross : kSidesOnly);
}

void RuleVisits::MarkAroundSides(int r, std::uint64_t columns) {
    if (columns == 0) return;
    const auto row = static_cast<std::size_t>(r);
    for (std::size_t run = 0; run < kCluedRunSites; ++run)
        if ((columns & cluedRunSites_[run][row]) != 0)
            Mark(r, columns, kCluedRuns[run], kCluedRuns[run + 1]);
}

bool RuleVisits::TakeMarks(LocalRule rule, const std::array<std::uint64_t, kCellIndexes>& cells) {
    const std::size_t id = RuleIndex(rule);
    std::uint64_t found = 0;
    // Rows past the frame are marked waiting from the start, but hold no cells.
    for (std::uint64_t rows = pendingRows_[id] & Bits(0, puzzle_.rows + 1); rows != 0;
         rows &= rows - 1) {
        const auto r = static_cast<std::size_t>(std::countr_zero(rows));
        found |= pending_[r][id] & cells[r];
        pending_[r][id] = 0;
    }
    pendingRows_[id] = 0;
    return found != 0;
}

void RuleVisits::Mark(int r, std::uint64_t columns, std::size_t first, std::size_t last) {
    if (columns == 0) return;
    const std::uint64_t row = std::uint64_t{1} << r;
    auto& waiting = pending_[static_cast<std::size_t>(r)];
    for (std::size_t rule = first; rule < last; ++rule) {
        waiting[rule] |= columns;
        pendingRows_[rule] |= row;
    }
}

}  // namespace ringlace
