#include "solver/rule_visits.h"

#include <algorithm>

#include "solver/colouring.h"

namespace ringlace {

void RuleVisits::Restart(const Grid& grid) {
    puzzle_.Take(grid);
    clueColumns_ = {};
    pendingRows_.fill(~std::uint64_t{0});
    for (int r = 0; r <= puzzle_.rows + 1; ++r) {
        pending_[static_cast<std::size_t>(r)].fill(~std::uint64_t{0});
        for (int c = 0; c <= puzzle_.cols + 1; ++c) {
            colours_[r][c] = grid.CellColour[r][c];
            sides_[r][c] = StatesWord(grid.CellEdge[r][c]);
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue >= 0 && clue <= 3)
                clueColumns_[static_cast<std::size_t>(clue)][static_cast<std::size_t>(r)] |=
                    std::uint64_t{1} << c;
        }
    }
}

void RuleVisits::Resume(const Grid& grid) {
    if (puzzle_.Same(grid))
        CompareAll(grid);
    else
        Restart(grid);
}

// The changed cells of each row are gathered first, so that a row is marked once for all the
// changes around it.
void RuleVisits::Compare(const Grid& grid, int r0, int r1, int c0, int c1) {
    r0 = std::max(r0, 0);
    r1 = std::min(r1, puzzle_.rows + 1);
    c0 = std::max(c0, 0);
    c1 = std::min(c1, puzzle_.cols + 1);
    // changed[r + 2]: the changed cells of row r; rows r0 - 2 to r1 + 2 are read.
    std::array<std::uint64_t, kCellIndexes + 4> changed;
    const auto slot = [](int r) { return static_cast<std::size_t>(r + 2); };
    changed[slot(r0 - 2)] = changed[slot(r0 - 1)] = 0;
    changed[slot(r1 + 1)] = changed[slot(r1 + 2)] = 0;
    for (int r = r0; r <= r1; ++r) {
        std::uint64_t columns = 0;
        for (int c = c0; c <= c1; ++c) {
            const std::int32_t colour = grid.CellColour[r][c];
            const std::uint32_t sides = StatesWord(grid.CellEdge[r][c]);
            if (colour == colours_[r][c] && sides == sides_[r][c]) continue;
            colours_[r][c] = colour;
            sides_[r][c] = sides;
            columns |= std::uint64_t{1} << c;
        }
        changed[slot(r)] = columns;
    }
    std::uint64_t markedRows = 0;
    for (int r = std::max(r0 - 1, 0); r <= std::min(r1 + 1, puzzle_.rows + 1); ++r) {
        const std::uint64_t near = changed[slot(r - 1)] | changed[slot(r)] | changed[slot(r + 1)];
        if (near == 0) continue;
        MarkRow(r, near | (near << 1) | (near >> 1));
        markedRows |= std::uint64_t{1} << r;
    }
    for (std::uint64_t& waitingRows : pendingRows_) waitingRows |= markedRows;
}

void RuleVisits::SetColour(Grid& grid, int r, int c, std::int32_t colour) {
    SetCellColour(grid, r, c, colour);
    if (grid.CellColour[r][c] == colours_[r][c]) return;
    colours_[r][c] = grid.CellColour[r][c];
    const int r0 = std::max(r - 1, 0);
    const int r1 = std::min(r + 1, puzzle_.rows + 1);
    // Columns c - 1 to c + 1; column -1 and those past the frame are never swept.
    const std::uint64_t columns = (std::uint64_t{7} << c) >> 1;
    for (int rr = r0; rr <= r1; ++rr) MarkRow(rr, columns);
    const std::uint64_t rows = Bits(r0, r1);
    for (std::uint64_t& waitingRows : pendingRows_) waitingRows |= rows;
}

void RuleVisits::MarkRow(int r, std::uint64_t columns) {
    for (std::uint64_t& waiting : pending_[static_cast<std::size_t>(r)]) waiting |= columns;
}

}  // namespace ringlace
