#include "solver/link_ambiguities.h"

#include <string>

#include "solver/colour_engine.h"

namespace ringlace {

namespace {

enum Corner { kTL, kTR, kBR, kBL };

struct Pattern {
    const char* bars;          // "LTRB" with "." where the side has no bar
    std::vector<Corner> free;  // corner dots that must carry no bar
    ClueValue clue;            // what WriteClues mode writes
};

// The one-bar patterns appear twice: each match of a row counts as one find.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns{
        {"L...", {kTR, kBR}, 1}, {"..R.", {kTL, kBL}, 1}, {".T..", {kBL, kBR}, 1},
        {"...B", {kTL, kTR}, 1}, {"L..B", {kTR}, 2},      {".TR.", {kBL}, 2},
        {"LT..", {kBR}, 2},      {"..RB", {kTL}, 2},      {"L...", {kTR, kBR}, 1},
        {"..R.", {kTL, kBL}, 1}, {"...B", {kTL, kTR}, 1}, {".T..", {kBL, kBR}, 1},
        {".TRB", {}, 3},         {"LT.B", {}, 3},         {"LTR.", {}, 3},
        {"L.RB", {}, 3}};
    return patterns;
}

int CornerBarCount(const Grid& grid, int r, int c, Corner corner) {
    const int dr = corner == kBR || corner == kBL ? 1 : 0;
    const int dc = corner == kTR || corner == kBR ? 1 : 0;
    return NodeBarsAt(grid, r + dr, c + dc);
}

// A frame cell counts as blank.
bool Blank(const Grid& grid, int r, int c) {
    return !grid.IsRealCell(r, c) || grid.Clue[grid.CellNum[r][c]] == kNoClue;
}

void Record(Grid& grid, AmbiguityMode mode, std::vector<int>& cells, int r, int c, ClueValue clue,
            int& found) {
    ++found;
    if (mode == AmbiguityMode::List)
        cells.push_back(grid.CellNum[r][c]);
    else
        grid.Clue[grid.CellNum[r][c]] = clue;
}

}  // namespace

std::string BarPattern(const Grid& grid, int r, int c) {
    std::string pattern = "....";
    const char letters[] = "LTRB";
    for (const Side side : kSides)
        if (grid.CellEdge[r][c][side] == Bar) pattern[SideIndex(side)] = letters[SideIndex(side)];
    return pattern;
}

int FindLinkAmbiguities(Grid& grid, AmbiguityMode mode, std::vector<int>& cells) {
    if (mode == AmbiguityMode::List) cells.clear();
    int found = 0;
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            if (!Blank(grid, r, c) || !Blank(grid, r, c - 1) || !Blank(grid, r, c + 1) ||
                !Blank(grid, r - 1, c) || !Blank(grid, r + 1, c))
                continue;
            const std::string bars = BarPattern(grid, r, c);
            for (const Pattern& pattern : Patterns()) {
                if (bars != pattern.bars) continue;
                bool cornersFree = true;
                for (Corner corner : pattern.free)
                    cornersFree = cornersFree && CornerBarCount(grid, r, c, corner) == 0;
                if (cornersFree) Record(grid, mode, cells, r, c, pattern.clue, found);
            }
        }
    }
    // At a grid corner the loop can cut across either way when the three cells there are blank.
    const int rows = grid.Rows;
    const int cols = grid.Cols;
    const struct {
        int r, c;
        const char* bars;
        int r1, c1, r2, c2;  // the corner cell's two neighbours
        int dotR, dotC;      // the inner dot, as the top-left corner of a cell
    } corners[] = {{1, 1, "LT..", 1, 2, 2, 1, 2, 2},
                   {1, cols, ".TR.", 1, cols - 1, 2, cols, 2, cols},
                   {rows, 1, "L..B", rows - 1, 1, rows, 2, rows, 2},
                   {rows, cols, "..RB", rows - 1, cols, rows, cols - 1, rows, cols}};
    for (const auto& corner : corners) {
        if (BarPattern(grid, corner.r, corner.c) == corner.bars &&
            Blank(grid, corner.r, corner.c) && Blank(grid, corner.r1, corner.c1) &&
            Blank(grid, corner.r2, corner.c2) && NodeBarsAt(grid, corner.dotR, corner.dotC) == 0)
            Record(grid, mode, cells, corner.r, corner.c, 2, found);
    }
    return found;
}

std::vector<int> CheckLinkUnique(Grid& grid) {
    std::vector<int> cells;
    FindLinkAmbiguities(grid, AmbiguityMode::List, cells);
    return cells;
}

}  // namespace ringlace
