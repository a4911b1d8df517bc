// A copy of two of the grid's tables, kept row by row, to tell what changed in the grid since.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "model/grid.h"
#include "solver/checks.h"

namespace ringlace {

// Two of the grid's tables as they were when kept: which places changed since, and keeping them
// again. A row is compared and copied whole first: most rows have not changed.
template <auto First, auto Second>
class KeptTables {
public:
    using FirstTable = std::remove_cvref_t<decltype(Grid{}.*First)>;
    using SecondTable = std::remove_cvref_t<decltype(Grid{}.*Second)>;

    // Whether row r of both tables is as kept; and keeping it.
    bool RowKept(const Grid& grid, int r) const {
        return std::memcmp((grid.*First)[r].data(), first_[r].data(), Bytes(grid, first_)) == 0 &&
               std::memcmp((grid.*Second)[r].data(), second_[r].data(), Bytes(grid, second_)) == 0;
    }
    void KeepRow(const Grid& grid, int r) {
        std::memcpy(first_[r].data(), (grid.*First)[r].data(), Bytes(grid, first_));
        std::memcpy(second_[r].data(), (grid.*Second)[r].data(), Bytes(grid, second_));
    }

    // The places whose entry in either table differs from the copy; the rows that hold them go to
    // `rows`.
    Places Changed(const Grid& grid, std::uint64_t& rows) const {
        Places changed{};
        for (int r = 0; r <= grid.Rows + 1; ++r) {
            if (RowKept(grid, r)) continue;
            rows |= std::uint64_t{1} << r;
            std::uint64_t& columns = changed[static_cast<std::size_t>(r)];
            for (int c = 0; c <= grid.Cols + 1; ++c)
                if ((grid.*First)[r][c] != first_[r][c] || (grid.*Second)[r][c] != second_[r][c])
                    columns |= std::uint64_t{1} << c;
        }
        return changed;
    }

    void Keep(const Grid& grid, std::uint64_t rows) {
        for (int r = 0; r <= grid.Rows + 1; ++r)
            if (((rows >> r) & 1) != 0) KeepRow(grid, r);
    }

    // The copies, for a caller that keeps single entries as it meets them.
    FirstTable& first() { return first_; }
    SecondTable& second() { return second_; }

private:
    template <typename Table>
    static std::size_t Bytes(const Grid& grid, const Table& table) {
        return static_cast<std::size_t>(grid.Cols + 2) * sizeof table[0][0];
    }

    FirstTable first_{};
    SecondTable second_{};
};

}  // namespace ringlace
