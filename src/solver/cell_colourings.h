// Colourings of the few cells a dot or a clue touches, as bit sets: bit i of a colouring says that
// cell i lies inside the loop. Sets of colourings are bit sets again, indexed by colouring. Only
// differences between cells decide the loop's edges, so every set used here holds the opposite of
// each colouring it holds.
#pragma once

#include <array>
#include <cstdint>

namespace ringlace::colourings {

namespace detail {

constexpr int BitCount(std::uint32_t bits) {
    int count = 0;
    for (; bits != 0; bits &= bits - 1) ++count;
    return count;
}

}  // namespace detail

// Around a dot, cells 0 to 3 are the upper left, upper right, lower right and lower left ones. The
// two colourings that alternate around the dot would make four loop edges meet there.
inline constexpr std::uint16_t kAnyAroundDot = 0xFFFFu & ~((1u << 0b0101) | (1u << 0b1010));

// A clue cell is cell 0 and its neighbours beyond sides L, T, R, B are cells 1 to 4. The colourings
// that give the clue cell clue-many loop edges, by clue.
inline constexpr std::array<std::uint32_t, 4> kForClue = [] {
    std::array<std::uint32_t, 4> sets{};
    for (std::uint32_t colouring = 0; colouring < 32; ++colouring) {
        const int edges = detail::BitCount((colouring >> 1) ^ ((colouring & 1) ? 0xFu : 0u));
        if (edges < 4) sets[edges] |= 1u << colouring;
    }
    return sets;
}();

// Corner k of a clue cell (0 upper left, 1 upper right, 2 lower right, 3 lower left) is a dot whose
// cell k is the clue cell's diagonal neighbour; the dot's other three cells are the clue cell and
// two of its neighbours. A corner's triple is the colouring of those three, in the dot's order.
constexpr int TripleAtCorner(std::uint32_t aroundDot, int corner) {
    const std::uint32_t below = aroundDot & ((1u << corner) - 1);
    return static_cast<int>(below | ((aroundDot >> (corner + 1)) << corner));
}

// For corner k and triple t: the two colourings around the dot with that triple.
inline constexpr std::array<std::array<std::uint16_t, 8>, 4> kWithTriple = [] {
    std::array<std::array<std::uint16_t, 8>, 4> sets{};
    for (int corner = 0; corner < 4; ++corner)
        for (std::uint32_t colouring = 0; colouring < 16; ++colouring)
            sets[corner][TripleAtCorner(colouring, corner)] |=
                static_cast<std::uint16_t>(1u << colouring);
    return sets;
}();

// For corner k: the triple of a clue cell's colouring.
inline constexpr std::array<std::array<std::uint8_t, 32>, 4> kTripleOfClueCell = [] {
    // Which cell of the clue's colouring each cell around corner k is; -1 the diagonal one.
    constexpr int kCornerCells[4][4] = {{-1, 2, 0, 1}, {2, -1, 3, 0}, {0, 3, -1, 4}, {1, 0, 4, -1}};
    std::array<std::array<std::uint8_t, 32>, 4> triples{};
    for (int corner = 0; corner < 4; ++corner) {
        for (std::uint32_t colouring = 0; colouring < 32; ++colouring) {
            std::uint32_t aroundDot = 0;
            for (int position = 0; position < 4; ++position) {
                const int cell = kCornerCells[corner][position];
                if (cell >= 0) aroundDot |= ((colouring >> cell) & 1u) << position;
            }
            triples[corner][colouring] =
                static_cast<std::uint8_t>(TripleAtCorner(aroundDot, corner));
        }
    }
    return triples;
}();

// The triples at corner k that some colouring of the set has, whatever the diagonal cell: looked
// up a byte of the set at a time, since the counter asks it for every corner of every clue check.
inline constexpr std::array<std::array<std::array<std::uint8_t, 256>, 2>, 4> kTriplesInByte = [] {
    std::array<std::array<std::array<std::uint8_t, 256>, 2>, 4> tables{};
    for (int corner = 0; corner < 4; ++corner)
        for (int half = 0; half < 2; ++half)
            for (std::uint32_t byte = 0; byte < 256; ++byte)
                for (std::uint32_t bit = 0; bit < 8; ++bit)
                    if ((byte >> bit) & 1u)
                        tables[corner][half][byte] |= static_cast<std::uint8_t>(
                            1u << TripleAtCorner(bit + 8 * static_cast<std::uint32_t>(half),
                                                 corner));
    return tables;
}();
inline std::uint8_t TriplesOf(std::uint16_t aroundDot, int corner) {
    const auto& tables = kTriplesInByte[static_cast<std::size_t>(corner)];
    return tables[0][aroundDot & 0xFFu] | tables[1][aroundDot >> 8];
}

// The colourings around the dot whose triple at corner k is one of the given triples.
inline constexpr std::array<std::array<std::uint16_t, 256>, 4> kWithTriples = [] {
    std::array<std::array<std::uint16_t, 256>, 4> tables{};
    for (std::size_t corner = 0; corner < 4; ++corner)
        for (std::uint32_t triples = 0; triples < 256; ++triples)
            for (std::size_t triple = 0; triple < 8; ++triple)
                if ((triples >> triple) & 1u)
                    tables[corner][triples] |= kWithTriple[corner][triple];
    return tables;
}();
inline std::uint16_t WithTriples(std::uint8_t triples, int corner) {
    return kWithTriples[static_cast<std::size_t>(corner)][triples];
}

// For corner k and a set of triples: the clue cell's colourings whose triple at corner k is one of
// them.
inline constexpr std::array<std::array<std::uint32_t, 256>, 4> kClueColouringsWith = [] {
    std::array<std::array<std::uint32_t, 256>, 4> tables{};
    for (std::size_t corner = 0; corner < 4; ++corner)
        for (std::uint32_t triples = 0; triples < 256; ++triples)
            for (std::uint32_t colouring = 0; colouring < 32; ++colouring)
                if ((triples >> kTripleOfClueCell[corner][colouring]) & 1u)
                    tables[corner][triples] |= 1u << colouring;
    return tables;
}();

// For colourings of n cells (4 around a dot, 5 of a clue): kInside<n>[i], those in which cell i
// lies inside; kAlike<n>[i][j], those in which cells i and j lie on the same side.
template <int N>
inline constexpr std::array<std::uint32_t, N> kInside = [] {
    std::array<std::uint32_t, N> sets{};
    for (std::size_t i = 0; i < N; ++i)
        for (std::uint32_t colouring = 0; colouring < (1u << N); ++colouring)
            if ((colouring >> i) & 1u) sets[i] |= 1u << colouring;
    return sets;
}();
template <int N>
inline constexpr std::array<std::array<std::uint32_t, N>, N> kAlike = [] {
    std::array<std::array<std::uint32_t, N>, N> sets{};
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j) sets[i][j] = ~(kInside<N>[i] ^ kInside<N>[j]);
    return sets;
}();

}  // namespace ringlace::colourings
