// Classes of cells known to lie on the same side of the loop or on opposite sides. A loop edge
// separates two cells of opposite sides and any other edge two of the same side, so every edge
// that is decided relates two cells, and two related cells decide the edge between them.
//
// Each class has a root; every member knows its side relative to the root (its parity). Union by
// size without path compression keeps every find short and lets every union be taken back.
// Members of a class form a ring, so a union can visit the members of the smaller class.
#pragma once

#include <cstddef>
#include <vector>

namespace ringlace {

class ParityClasses {
public:
    struct Place {
        int root;
        int parity;  // 0 same side as the root, 1 the opposite side
    };

    explicit ParityClasses(int count);

    Place Find(int member) const {
        int parity = 0;
        while (parent_[member] != member) {
            parity ^= parity_[member];
            member = parent_[member];
        }
        return {member, parity};
    }

    // Records that a and b lie on the same side (parity 0) or on opposite sides (parity 1).
    enum class Outcome { AlreadyKnown, Contradiction, Joined };
    Outcome Relate(int a, int b, int parity);
    // Visits every member the last join brought in from the smaller class.
    template <typename Visit>
    void ForEachAbsorbed(Visit visit) const {
        for (int member = next_[parent_[absorbed_]];; member = next_[member]) {
            visit(member);
            if (member == absorbed_) break;
        }
    }

    std::size_t Mark() const { return joins_.size(); }
    void UndoTo(std::size_t mark);

private:
    std::vector<int> parent_;
    std::vector<unsigned char> parity_;  // relative to the parent
    std::vector<int> size_;
    std::vector<int> next_;
    std::vector<int> joins_;  // absorbed roots, in the order of the unions
    int absorbed_ = -1;
};

}  // namespace ringlace
