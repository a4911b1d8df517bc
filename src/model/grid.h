// The grid model: the one in-memory description of a puzzle. Size, clues, the state of every edge
// (stored four times: as a side of each of the two cells it separates and as a direction of each of
// its two end dots), and the colour of every cell.
//
// Coordinates: cells (r, c) run 1..Rows x 1..Cols with a frame of one cell on every side (index 0
// and Rows+1 / Cols+1). Dot (i, j) is the top-left corner of cell (i, j), so dots run
// 1..Rows+1 x 1..Cols+1. Cells are numbered row by row from 1; every text format lists cells in
// that order.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace ringlace {

// Side of a cell, and direction leaving a dot. The numbers are those the texts of the program
// write (a side digit in a dot's edge name, the saved undo entries) and their order is the order
// of every per-side list: left, top, right, bottom.
enum class Side : std::int8_t { Left = 1, Top = 2, Right = 3, Bottom = 4 };
inline constexpr std::array<Side, 4> kSides{Side::Left, Side::Top, Side::Right, Side::Bottom};

// The number of a side, 1 for Left to 4 for Bottom, as the texts write it; and back.
constexpr int SideNumber(Side side) {
    return static_cast<int>(side);
}
constexpr Side SideOfNumber(int number) {
    return static_cast<Side>(number);
}
// The place of a side in a per-side list: 0 for Left to 3 for Bottom.
constexpr std::size_t SideIndex(Side side) {
    return static_cast<std::size_t>(side) - 1;
}
// Left -> Top -> Right -> Bottom -> Left.
constexpr Side NextSide(Side side) {
    return kSides[(SideIndex(side) + 1) % 4];
}
// The cell on the other side of a side: its row and column offsets.
constexpr int RowStep(Side side) {
    return side == Side::Top ? -1 : side == Side::Bottom ? 1 : 0;
}
constexpr int ColStep(Side side) {
    return side == Side::Left ? -1 : side == Side::Right ? 1 : 0;
}

// Edge states.
using EdgeState = std::int8_t;
inline constexpr EdgeState Free = 0;
inline constexpr EdgeState Bar = 1;
inline constexpr EdgeState XMark = 2;
inline constexpr EdgeState Outside = -1;  // a frame side no real cell shares

// Colours are 24-bit values red + 256 x green + 65536 x blue.
constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
inline constexpr std::int32_t Pink = Rgb(200, 100, 100);  // outside the loop; the frame is Pink
inline constexpr std::int32_t Yellow = Rgb(255, 255, 0);  // inside the loop

// Storage is sized once for the largest grid the program handles (50 x 50, the jumbo size); the
// size a puzzle may have when loaded or played is MaxRows x MaxCols.
inline constexpr int kStorageDim = 50;
inline constexpr int kCellIndexes = kStorageDim + 2;  // cell tables: 0..51 per axis
inline constexpr int kNodeIndexes = kStorageDim + 3;  // node tables: 0..52 per axis
inline constexpr int kCellNumbers = 2601;             // cell numbers 0..2600; 0 is no cell

// A clue is a number 0..3 or no clue at all.
using ClueValue = std::int8_t;
inline constexpr ClueValue kNoClue = -1;

// The edge that leaves a dot in one direction, named as a side of a cell relative to the dot:
// the side, then row and column offsets of 0 or -1. A dot outside the grid names no edge.
struct NodeEdgeName {
    bool exists = false;
    Side side = Side::Left;
    std::int8_t rowOffset = 0;
    std::int8_t colOffset = 0;
    bool operator==(const NodeEdgeName&) const = default;
};

// Every edge of the grid as one digit per edge (0 Free, 1 Bar, 2 X), as SaveEntries records it.
struct SavedEdges {
    std::string horizontal;  // side T of every cell row by row, then side B of the last row
    std::string vertical;    // per row: side L of every cell, then side R of the row's last cell
};

template <typename Element, int N>
using Table2 = std::array<std::array<Element, N>, N>;
// One element per side of a cell (or per direction from a dot).
template <typename Element>
struct SideTable {
    std::array<Element, 4> bySide{};

    Element& operator[](Side side) { return bySide[SideIndex(side)]; }
    const Element& operator[](Side side) const { return bySide[SideIndex(side)]; }
    void fill(const Element& value) { bySide.fill(value); }
    bool operator==(const SideTable&) const = default;
};

// A cell's four side states, or a dot's four directions, as one word with Left in the lowest
// byte: the solver compares and counts them a word at a time.
inline std::uint32_t StatesWord(const SideTable<EdgeState>& four) {
    static_assert(sizeof four.bySide == sizeof(std::uint32_t));
    std::uint32_t word = 0;
    std::memcpy(&word, four.bySide.data(), sizeof word);
    return word;
}

template <typename Element, int N>
using Table3 = std::array<std::array<SideTable<Element>, N>, N>;

struct Grid {
    std::int32_t Rows = 10;
    std::int32_t Cols = 10;
    std::int32_t NumCells = 100;
    std::int32_t MaxDim = 10;
    std::int32_t MaxRows = 25;
    std::int32_t MaxCols = 25;
    std::int32_t ClueSum = 0;
    // Counts SetEdge calls; callers compare it before and after a pass to see whether anything
    // changed. Wide so that long solver runs never overflow it.
    std::int64_t EdgeSetCount = 0;
    std::string DiffCode;
    std::string SolutionCode;

    std::array<ClueValue, kCellNumbers> Clue{};
    std::array<ClueValue, kCellNumbers> OrigClue{};
    Table2<std::int32_t, kNodeIndexes> CellNum{};
    std::array<std::int32_t, kCellNumbers> CellRow{};
    std::array<std::int32_t, kCellNumbers> CellCol{};
    Table3<EdgeState, kCellIndexes> CellEdge{};
    Table3<EdgeState, kNodeIndexes> NodeLink{};
    Table3<NodeEdgeName, kNodeIndexes> NodeEdgeRef{};
    Table2<std::int32_t, kNodeIndexes> CellColour{};
    std::array<SavedEdges, 2> SavedEntries;

    Grid();

    // The only operation that changes an edge: writes all four copies, then counts the call.
    void SetEdge(int r, int c, Side side, EdgeState value) {
        switch (side) {
            case Side::Top:
                CellEdge[r][c][Side::Top] = value;
                CellEdge[r - 1][c][Side::Bottom] = value;
                NodeLink[r][c][Side::Right] = value;
                NodeLink[r][c + 1][Side::Left] = value;
                break;
            case Side::Bottom:
                CellEdge[r][c][Side::Bottom] = value;
                CellEdge[r + 1][c][Side::Top] = value;
                NodeLink[r + 1][c][Side::Right] = value;
                NodeLink[r + 1][c + 1][Side::Left] = value;
                break;
            case Side::Left:
                CellEdge[r][c][Side::Left] = value;
                CellEdge[r][c - 1][Side::Right] = value;
                NodeLink[r][c][Side::Bottom] = value;
                NodeLink[r + 1][c][Side::Top] = value;
                break;
            case Side::Right:
                CellEdge[r][c][Side::Right] = value;
                CellEdge[r][c + 1][Side::Left] = value;
                NodeLink[r][c + 1][Side::Bottom] = value;
                NodeLink[r + 1][c + 1][Side::Top] = value;
                break;
            default:
                break;
        }
        ++EdgeSetCount;
    }

    bool IsRealCell(int r, int c) const { return r >= 1 && r <= Rows && c >= 1 && c <= Cols; }

    // Sides of cell (r, c) that are Bar; 0 for any position outside the real cells. Inline: the
    // solver's rules ask it for every cell after every decision.
    int CountBars(int r, int c) const {
        if (!IsRealCell(r, c)) return 0;
        const auto& sides = CellEdge[r][c];
        return (sides[Side::Left] == Bar) + (sides[Side::Top] == Bar) +
               (sides[Side::Right] == Bar) + (sides[Side::Bottom] == Bar);
    }

    // The numeric value of a clue, a blank counting 0.
    int ClueNumber(int k) const { return Clue[k] == kNoClue ? 0 : Clue[k]; }

    // Recomputes NumCells and MaxDim from Rows and Cols and renumbers the cells.
    void BuildCellIndex();
    void BuildNodeEdgeRef();
    int CountBlankClues() const;
    // Frame cells Pink (the outside of the loop), real cells uncoloured.
    void ResetColours();
    void SaveEntries(int slot);
    void RestoreEntries(int slot);
    // The set-up step of every load: frame sides Outside, every real side Free.
    void ResetGrid();
};

// The decimal text of n without blanks.
std::string NumText(long long n);

// The clues row by row, top to bottom: a digit per cell, the blank character where none shows.
std::vector<std::string> ClueRows(const Grid& grid, char blank);

}  // namespace ringlace
