#include "commands/editor_edits.h"

namespace ringlace {

namespace {

struct Mirrored {
    int r;
    int c;
    bool itself;
};

Mirrored MirrorOf(int rows, int cols, int r, int c) {
    const int mr = rows + 1 - r;
    const int mc = cols + 1 - c;
    return {mr, mc, mr == r && mc == c};
}

Side OppositeSide(Side side) {
    switch (side) {
        case Side::Left:
            return Side::Right;
        case Side::Right:
            return Side::Left;
        case Side::Top:
            return Side::Bottom;
        case Side::Bottom:
            return Side::Top;
    }
    return side;
}

}  // namespace

ClueValue NextClue(ClueValue clue) {
    return clue == 3 ? kNoClue : static_cast<ClueValue>(clue + 1);
}

void SetClue(Grid& grid, int r, int c, ClueValue clue, bool mirror) {
    grid.Clue[grid.CellNum[r][c]] = clue;
    const Mirrored other = MirrorOf(grid.Rows, grid.Cols, r, c);
    if (mirror && !other.itself) grid.Clue[grid.CellNum[other.r][other.c]] = clue;
}

void SetSide(Grid& grid, int r, int c, Side side, EdgeState state, bool mirror) {
    grid.SetEdge(r, c, side, state);
    const Mirrored other = MirrorOf(grid.Rows, grid.Cols, r, c);
    if (mirror) grid.SetEdge(other.r, other.c, OppositeSide(side), state);
}

void ToggleClueCell(Pattern& pattern, int r, int c, bool mirror) {
    const std::uint8_t value = pattern.mask[r][c] == 1 ? 0 : 1;
    pattern.mask[r][c] = value;
    const Mirrored other = MirrorOf(pattern.rows, pattern.cols, r, c);
    if (mirror && !other.itself) pattern.mask[other.r][other.c] = value;
}

}  // namespace ringlace
