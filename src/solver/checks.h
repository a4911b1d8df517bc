// Rule checks of the entries: the first place where the current bars and Xs already break a rule
// (a dead end, a branch, a clue out of reach or exceeded, a boxed cell, a bar stranded at the
// border, a box beside a "3"). They report; they never change the grid.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "model/grid.h"

namespace ringlace {

// The first rule found broken: its message and the dot or cell it concerns (row and column from 1;
// 0 when the rule names no place). An empty message means nothing is wrong.
struct CheckResult {
    int row = 0;
    int col = 0;
    std::string message;

    bool Broken() const { return !message.empty(); }
    bool operator==(const CheckResult&) const = default;
};

int CountFreeSides(const Grid& grid, int r, int c);
int CountXSides(const Grid& grid, int r, int c);

// How many of four sides or dot directions hold each state.
struct StateCounts {
    int free = 0;
    int bars = 0;
    int crosses = 0;
    int outside = 0;
};

// The counts of the four states, looking only at the entries whose bit in `counted` is set (bit 0
// of byte k for entry k, in the order Left, Top, Right, Bottom). Without a branch per entry: the
// rules and checks count every dot and cell after every decision. The four states differ in their
// two low bits (Free 00, Bar 01, X 10, Outside 11), so the bytes are counted a bit at a time.
inline StateCounts CountStates(const SideTable<EdgeState>& four,
                               std::uint32_t counted = 0x01010101u) {
    static_assert(Free == 0 && Bar == 1 && XMark == 2 && (Outside & 3) == 3);
    const std::uint32_t word = StatesWord(four);
    const std::uint32_t low = word & counted;
    const std::uint32_t high = (word >> 1) & counted;
    const auto bytes = [](std::uint32_t bits) {
        return static_cast<int>((bits * 0x01010101u) >> 24);
    };
    return {bytes(counted & ~(low | high)), bytes(low & ~high), bytes(high & ~low),
            bytes(low & high)};
}

// Dot (i, j) counts only its directions that stay inside the grid: a border dot has three, a
// corner dot two.
inline StateCounts CountNodeLinks(const Grid& grid, int i, int j) {
    std::uint32_t inside = 0x01010101u;
    if (j == 1) inside &= ~0x00000001u;
    if (i == 1) inside &= ~0x00000100u;
    if (j >= grid.Cols + 1) inside &= ~0x00010000u;
    if (i >= grid.Rows + 1) inside &= ~0x01000000u;
    return CountStates(grid.NodeLink[i][j], inside);
}

int NodeBarCount(const Grid& grid, int i, int j);

// The first rule broken, in the fixed order of the checks.
CheckResult CheckEntries(const Grid& grid);

// Places of dots or cells, row by row: bit c of places[r] stands for dot or cell (r, c).
using Places = std::array<std::uint64_t, kCellIndexes>;
inline constexpr Places kEveryPlace = [] {
    Places every{};
    every.fill(~std::uint64_t{0});
    return every;
}();
// Calls visit(r, c) for the places given in rows r0..r1 and columns c0..c1, row by row, until it
// returns true; whether one did.
template <typename Visit>
bool AnyPlace(const Places& places, int r0, int r1, int c0, int c1, Visit visit) {
    const std::uint64_t columns = (~std::uint64_t{0} << c0) & ~(~std::uint64_t{1} << c1);
    for (int r = r0; r <= r1; ++r)
        for (std::uint64_t due = places[static_cast<std::size_t>(r)] & columns; due != 0;
             due &= due - 1)
            if (visit(r, std::countr_zero(due))) return true;
    return false;
}
// The places of rows 0 to rows + 1 within one step of those given, across or diagonally.
Places AroundPlaces(const Places& places, int rows);
// The same checks, looking only at the dots and cells given (a pair of cells side by side, or a
// bar along the border between them, belongs to the upper or left one). Whether a place breaks a
// rule depends only on the sides and dot links of the places within one step of it.
CheckResult CheckEntriesAt(const Grid& grid, const Places& places);

// A dot with one bar or more than two.
CheckResult CheckNodeBars(const Grid& grid);

}  // namespace ringlace
