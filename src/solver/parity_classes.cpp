#include "solver/parity_classes.h"

#include <utility>

namespace ringlace {

ParityClasses::ParityClasses(int count)
    : parent_(count), parity_(count, 0), size_(count, 1), next_(count) {
    for (int member = 0; member < count; ++member) {
        parent_[member] = member;
        next_[member] = member;
    }
    joins_.reserve(count);
}

ParityClasses::Outcome ParityClasses::Relate(int a, int b, int parity) {
    const Place placeA = Find(a);
    const Place placeB = Find(b);
    if (placeA.root == placeB.root)
        return (placeA.parity ^ placeB.parity) == parity ? Outcome::AlreadyKnown
                                                         : Outcome::Contradiction;
    int small = placeA.root;
    int large = placeB.root;
    if (size_[small] > size_[large]) std::swap(small, large);
    parent_[small] = large;
    parity_[small] = static_cast<unsigned char>(placeA.parity ^ placeB.parity ^ parity);
    size_[large] += size_[small];
    std::swap(next_[small], next_[large]);
    joins_.push_back(small);
    absorbed_ = small;
    return Outcome::Joined;
}

void ParityClasses::UndoTo(std::size_t mark) {
    while (joins_.size() > mark) {
        const int small = joins_.back();
        joins_.pop_back();
        const int large = parent_[small];
        std::swap(next_[small], next_[large]);
        size_[large] -= size_[small];
        parent_[small] = small;
        parity_[small] = 0;
    }
}

}  // namespace ringlace
