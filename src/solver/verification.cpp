#include "solver/verification.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "solver/checks.h"
#include "solver/kept_tables.h"
#include "solver/puzzle_clues.h"

namespace ringlace {

namespace {

// The cells the region searches of one check have taken, each marked with the number of the
// search that took it, and the queue they share.
struct Flood {
    Table2<std::uint16_t, kCellIndexes> takenBy{};
    std::uint16_t searches = 0;
    std::vector<std::pair<int, int>> queue;
};

// Searches the region of (r, c): the cells of its colour reached through sides that are not Bars.
// Frame cells join a region but are not searched beyond. Only a region whose extent is settled
// (each side of each cell is a Bar or leads to a coloured cell) can break the loop, and with
// `stopAtFrame` only one that does not reach the frame; so the search gives up as soon as its
// region cannot be one, which on a grid still being solved is after a few cells. A search that
// meets the cells of an earlier one gives up too: it is in the same region, which that search gave
// up on (a region searched whole is never met again). Returns the region's number of real cells
// when it was searched whole, and 0 when the search gave up.
int SettledRegion(const Grid& grid, int r, int c, bool stopAtFrame, Flood& flood) {
    const std::int32_t colour = grid.CellColour[r][c];
    const std::uint16_t search = ++flood.searches;
    int size = 0;
    auto& queue = flood.queue;
    queue.clear();
    queue.emplace_back(r, c);
    flood.takenBy[r][c] = search;
    for (std::size_t at = 0; at < queue.size(); ++at) {
        const auto [cr, cc] = queue[at];
        if (!grid.IsRealCell(cr, cc)) {
            if (stopAtFrame) return 0;
            continue;
        }
        ++size;
        for (const Side side : kSides) {
            if (grid.CellEdge[cr][cc][side] == Bar) continue;
            const int nr = cr + RowStep(side);
            const int nc = cc + ColStep(side);
            const std::int32_t beyond = grid.CellColour[nr][nc];
            if (beyond == 0) return 0;
            if (beyond != colour || flood.takenBy[nr][nc] == search) continue;
            if (flood.takenBy[nr][nc] != 0) return 0;
            flood.takenBy[nr][nc] = search;
            queue.emplace_back(nr, nc);
        }
    }
    return size;
}

bool IsBorderCell(const Grid& grid, int r, int c) {
    return r == 1 || r == grid.Rows || c == 1 || c == grid.Cols;
}

// Whether a region of the colour holding one of the start cells is settled and smaller than all
// the cells of that colour. `wholeSettled` is set when a region searched holds all of them.
bool ClosedRegionFrom(const Grid& grid, std::int32_t colour, const Places& starts, Flood& flood,
                      bool& wholeSettled) {
    // The cells of the colour, counted once a region is searched whole (most searches give up).
    int total = -1;
    return AnyPlace(starts, 1, grid.Rows, 1, grid.Cols, [&](int r, int c) {
        if (grid.CellColour[r][c] != colour || flood.takenBy[r][c] != 0) return false;
        const int size = SettledRegion(grid, r, c, false, flood);
        if (size == 0) return false;
        if (total < 0) {
            total = 0;
            for (int rr = 1; rr <= grid.Rows; ++rr)
                for (int cc = 1; cc <= grid.Cols; ++cc) total += grid.CellColour[rr][cc] == colour;
        }
        wholeSettled = wholeSettled || size == total;
        // A region of one cell lists no entries, so it always counts as too small.
        return size == 1 || size < total;
    });
}

// Whether a Pink region holding one of the start cells and a cell off the border is settled and
// does not reach the frame.
bool ShutInPinkFrom(const Grid& grid, const Places& starts, Flood& flood) {
    return AnyPlace(starts, 1, grid.Rows, 1, grid.Cols, [&](int r, int c) {
        if (grid.CellColour[r][c] != Pink || flood.takenBy[r][c] != 0) return false;
        if (SettledRegion(grid, r, c, true, flood) == 0) return false;
        // A region searched whole is left in the queue.
        for (const auto& [rr, cc] : flood.queue)
            if (!IsBorderCell(grid, rr, cc)) return true;
        return false;
    });
}

}  // namespace

bool ClosedRegion(const Grid& grid, std::int32_t colour) {
    Flood flood;
    bool wholeSettled = false;
    return ClosedRegionFrom(grid, colour, kEveryPlace, flood, wholeSettled);
}

bool ShutInPinkRegion(const Grid& grid) {
    Flood flood;
    return ShutInPinkFrom(grid, kEveryPlace, flood);
}

namespace {

// The sides and dot links of the last grid whose rule checks found nothing broken. Every check is
// local: whether a dot or cell breaks a rule depends only on the places within one step of it. So
// in a grid that differs from that one in a few places, a problem can only lie next to them, and
// only there is it looked for. The solver's trials change a few places of a grid that was sound;
// a grid with other clues or another size is checked whole.
class SoundEntries {
public:
    CheckResult Check(const Grid& grid) {
        if (puzzle_.Same(grid)) {
            std::uint64_t changedRows = 0;
            const Places changed = kept_.Changed(grid, changedRows);
            if (changedRows == 0) return {};
            // Every place that can break a rule lies near a change, so the first problem found
            // there is the first of the whole grid.
            CheckResult found = CheckEntriesAt(grid, AroundPlaces(changed, grid.Rows));
            if (!found.Broken()) kept_.Keep(grid, changedRows);
            return found;
        }
        CheckResult found = CheckEntries(grid);
        if (!found.Broken()) {
            puzzle_.Take(grid);
            kept_.Keep(grid, ~std::uint64_t{0});
        }
        return found;
    }

private:
    PuzzleClues puzzle_;
    KeptTables<&Grid::CellEdge, &Grid::NodeLink> kept_;
};

// The colours and sides of the last grid whose regions broke nothing. Whether a region breaks the
// loop depends only on its cells and their neighbours: a region of a later grid where none of
// those changed was there too, and broke nothing. So only the regions around changed cells are
// searched. One exception: a Yellow region holding every Yellow cell breaks the loop once a Yellow
// cell is added anywhere, so after one was found the next grid is searched whole.
class SoundRegions {
public:
    CheckResult Check(const Grid& grid) {
        const bool resume = puzzle_.Same(grid) && !yellowWhole_;
        std::uint64_t changedRows = ~std::uint64_t{0};
        const Places starts = resume ? NearChanges(grid, changedRows) : kEveryPlace;
        Flood flood;
        bool yellowWhole = false;
        if (ClosedRegionFrom(grid, Yellow, starts, flood, yellowWhole))
            return {0, 0, "Closed Loop Yellow"};
        if (ShutInPinkFrom(grid, starts, flood)) return {0, 0, "An isolated pink"};
        if (!resume) puzzle_.Take(grid);
        yellowWhole_ = yellowWhole;
        kept_.Keep(grid, changedRows);
        return {};
    }

private:
    // The cells whose colour or sides differ from the grid kept, and their neighbours; the rows
    // that differ go to `changedRows`.
    Places NearChanges(const Grid& grid, std::uint64_t& changedRows) const {
        changedRows = 0;
        const Places changed = kept_.Changed(grid, changedRows);
        Places near{};
        for (std::size_t r = 1; r <= static_cast<std::size_t>(grid.Rows); ++r)
            near[r] =
                changed[r - 1] | changed[r] | changed[r + 1] | changed[r] << 1 | changed[r] >> 1;
        return near;
    }

    PuzzleClues puzzle_;
    bool yellowWhole_ = false;
    KeptTables<&Grid::CellColour, &Grid::CellEdge> kept_;
};

// The rule checks, then the two region checks: what is broken, or nothing.
CheckResult FirstProblem(const Grid& grid) {
    thread_local SoundEntries sound;
    thread_local SoundRegions regions;
    CheckResult found = sound.Check(grid);
    if (found.Broken()) return found;
    return regions.Check(grid);
}

bool AllColoured(const Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            if (grid.CellColour[r][c] == 0) return false;
    return true;
}

}  // namespace

Verification VerifyPuzzle(const Grid& grid) {
    CheckResult problem = FirstProblem(grid);
    if (!problem.Broken()) {
        if (!AllColoured(grid)) return {};
        problem = CheckNodeBars(grid);
    }
    if (problem.Broken()) return {VerifyResult::Broken, problem};
    return {VerifyResult::Done, {}};
}

Verification VerifyButtonCheck(const Grid& grid) {
    CheckResult problem = FirstProblem(grid);
    if (!problem.Broken()) problem = CheckNodeBars(grid);
    if (problem.Broken()) return {VerifyResult::Broken, problem};
    return {VerifyResult::Done, {}};
}

}  // namespace ringlace
