// Rule checks of the entries: the first place where the current bars and Xs already break a rule
// (a dead end, a branch, a clue out of reach or exceeded, a boxed cell, a bar stranded at the
// border, a box beside a "3"). They report; they never change the grid.
#pragma once

#include <cstdint>
#include <cstring>
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

// Node counts look only at directions that stay inside the grid: a border dot has three, a corner
// dot two.
struct NodeCounts {
    int free = 0;
    int bars = 0;
    int crosses = 0;
    int outside = 0;
};

// All four counts of dot (i, j) in one look. Inline and without branches per direction: the rules
// and checks ask it of every dot after every decision. The four states differ in their two low
// bits (Free 00, Bar 01, X 10, Outside 11), so the directions' bytes are counted a bit at a time.
inline NodeCounts CountNodeLinks(const Grid& grid, int i, int j) {
    static_assert(Free == 0 && Bar == 1 && XMark == 2 && (Outside & 3) == 3);
    std::uint32_t word = 0;
    std::memcpy(&word, grid.NodeLink[i][j].bySide.data(), sizeof word);
    // One bit per direction that stays inside the grid, bytes in the order Left, Top, Right,
    // Bottom.
    std::uint32_t inside = 0x01010101u;
    if (j == 1) inside &= ~0x00000001u;
    if (i == 1) inside &= ~0x00000100u;
    if (j >= grid.Cols + 1) inside &= ~0x00010000u;
    if (i >= grid.Rows + 1) inside &= ~0x01000000u;
    const std::uint32_t low = word & inside;
    const std::uint32_t high = (word >> 1) & inside;
    const auto bytes = [](std::uint32_t bits) {
        return static_cast<int>((bits * 0x01010101u) >> 24);
    };
    return {bytes(inside & ~(low | high)), bytes(low & ~high), bytes(high & ~low),
            bytes(low & high)};
}

int NodeBarCount(const Grid& grid, int i, int j);

// The first rule broken, in the fixed order of the checks.
CheckResult CheckEntries(const Grid& grid);

// A dot with one bar or more than two.
CheckResult CheckNodeBars(const Grid& grid);

}  // namespace ringlace
