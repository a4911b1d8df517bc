#include "create/loop_growth.h"

#include <algorithm>
#include <array>

#include "create/random_order.h"

namespace ringlace {

namespace {

struct Direction {
    Side side;
    Side opposite;
    int dr;  // from the cell to the neighbour it absorbs
    int dc;
};

constexpr Direction kLeft{Side::Left, Side::Right, 0, -1};
constexpr Direction kTop{Side::Top, Side::Bottom, -1, 0};
constexpr Direction kRight{Side::Right, Side::Left, 0, 1};
constexpr Direction kBottom{Side::Bottom, Side::Top, 1, 0};

struct Position {
    int r;
    int c;
};

std::vector<Position> Positions(const Grid& grid, const std::vector<int>& order) {
    std::vector<Position> positions;
    positions.reserve(order.size());
    for (int k : order) positions.push_back({grid.CellRow[k], grid.CellCol[k]});
    return positions;
}

// The cells a pass may start from. The bottom pass skips the last column as well as the last row.
template <Direction D>
bool InsideBorder(const Grid& grid, int r, int c) {
    if constexpr (D.side == Side::Left) return c > 1;
    if constexpr (D.side == Side::Top) return r > 1;
    if constexpr (D.side == Side::Right) return c != grid.Cols;
    return r != grid.Rows && c != grid.Cols;
}

// The neighbour's three other sides and the two edges that continue its far side beyond its far
// corners are not on the loop: then neither far corner dot is, and the reroute keeps one loop.
template <Direction D>
bool CanAbsorb(const Grid& grid, int r, int c) {
    const int yr = r + D.dr;
    const int yc = c + D.dc;
    const auto& sides = grid.CellEdge[yr][yc];
    for (const Side side : kSides)
        if (side != D.opposite && sides[side] > Free) return false;
    constexpr int pr = D.dc != 0 ? 1 : 0;  // along the far side
    constexpr int pc = D.dr != 0 ? 1 : 0;
    return grid.CellEdge[yr - pr][yc - pc][D.side] <= Free &&
           grid.CellEdge[yr + pr][yc + pc][D.side] <= Free;
}

// Most cells of the order are not on the loop at all, so the Bar is looked at first.
template <Direction D>
int GrowPass(Grid& grid, const std::vector<Position>& order) {
    for (const Position& at : order) {
        if (grid.CellEdge[at.r][at.c][D.side] != Bar || !InsideBorder<D>(grid, at.r, at.c) ||
            !CanAbsorb<D>(grid, at.r, at.c))
            continue;
        grid.SetEdge(at.r, at.c, D.side, Free);
        for (const Side side : kSides)
            if (side != D.opposite) grid.SetEdge(at.r + D.dr, at.c + D.dc, side, Bar);
        return 1;
    }
    return 0;
}

// A cell the loop runs through or turns in, not one it only touches.
int LoopCell(const Grid& grid, int r, int c) {
    return grid.CountBars(r, c) > 1 ? 1 : 0;
}

}  // namespace

void SetCreateSize(Grid& grid, int rows, int cols) {
    grid.Rows = rows;
    grid.Cols = cols;
    grid.BuildCellIndex();
    grid.BuildNodeEdgeRef();
}

void ResetGridForCreate(Grid& grid) {
    const int rows = std::max(grid.MaxRows, grid.Rows);
    const int cols = std::max(grid.MaxCols, grid.Cols);
    for (int k = 0; k <= rows * cols; ++k) {
        grid.Clue[k] = kNoClue;
        grid.OrigClue[k] = kNoClue;
    }
    for (auto& row : grid.CellColour) row.fill(0);
    ClearAllEdges(grid);
    for (int c = 0; c <= grid.Cols + 1; ++c) {
        grid.CellColour[0][c] = Pink;
        grid.CellColour[grid.Rows + 1][c] = Pink;
    }
    for (int r = 1; r <= grid.Rows; ++r) {
        grid.CellColour[r][0] = Pink;
        grid.CellColour[r][grid.Cols + 1] = Pink;
    }
}

void ClearAllEdges(Grid& grid) {
    const int rows = std::max(grid.MaxRows, grid.Rows);
    const int cols = std::max(grid.MaxCols, grid.Cols);
    for (int r = 0; r <= rows + 1; ++r)
        for (int c = 0; c <= cols + 1; ++c) grid.CellEdge[r][c].fill(Outside);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            for (const Side side : kSides) grid.SetEdge(r, c, side, Free);
}

void SeedSquare(Grid& grid) {
    const int r = (grid.Rows + 1) / 2;
    const int c = (grid.Cols + 1) / 2;
    for (const Side side : kSides) grid.SetEdge(r, c, side, Bar);
}

int GrowLeft(Grid& grid, const std::vector<int>& order) {
    return GrowPass<kLeft>(grid, Positions(grid, order));
}
int GrowTop(Grid& grid, const std::vector<int>& order) {
    return GrowPass<kTop>(grid, Positions(grid, order));
}
int GrowRight(Grid& grid, const std::vector<int>& order) {
    return GrowPass<kRight>(grid, Positions(grid, order));
}
int GrowBottom(Grid& grid, const std::vector<int>& order) {
    return GrowPass<kBottom>(grid, Positions(grid, order));
}

void GrowLoop(Grid& grid, RandomSource& random, RunContext& run) {
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c)
            for (const Side side : kSides)
                if (grid.CellEdge[r][c][side] == XMark) grid.SetEdge(r, c, side, Free);

    std::vector<int> cells(static_cast<std::size_t>(grid.NumCells));
    for (int k = 1; k <= grid.NumCells; ++k) cells[static_cast<std::size_t>(k - 1)] = k;
    const std::vector<Position> order = Positions(grid, RandomOrder(random, cells, kGrowthKeys));

    using Pass = int (*)(Grid&, const std::vector<Position>&);
    static constexpr Pass kL = GrowPass<kLeft>;
    static constexpr Pass kT = GrowPass<kTop>;
    static constexpr Pass kR = GrowPass<kRight>;
    static constexpr Pass kB = GrowPass<kBottom>;
    static constexpr std::array<std::array<Pass, 4>, 5> kPassOrders{{
        {kL, kT, kR, kB},
        {kL, kR, kT, kB},
        {kT, kB, kR, kL},
        {kB, kR, kT, kL},
        {kR, kL, kB, kT},
    }};
    // Only the last pass of a cycle decides whether the cycle was fruitless, and the count of
    // fruitless cycles is never reset: growth slows down and then stops.
    int fruitless = 0;
    while (fruitless <= 5) {
        run.host.Yield();
        const auto& passes = kPassOrders[static_cast<std::size_t>(random.Below(5))];
        int absorbed = 0;
        for (Pass pass : passes) absorbed = pass(grid, order);
        if (absorbed == 0) ++fruitless;
    }
}

bool CoverageTest(const Grid& grid) {
    for (int r = 1; r <= grid.Rows; ++r) {
        int onLoop = 0;
        for (int c = 1; c <= grid.Cols; ++c) onLoop += LoopCell(grid, r, c);
        if (onLoop < 2) return false;
    }
    for (int c = 1; c <= grid.Cols; ++c) {
        int onLoop = 0;
        for (int r = 1; r <= grid.Rows; ++r) onLoop += LoopCell(grid, r, c);
        if (onLoop < 1) return false;
    }
    return true;
}

}  // namespace ringlace
