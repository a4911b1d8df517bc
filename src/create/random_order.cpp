#include "create/random_order.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace ringlace {

namespace {

struct Keyed {
    int key = 0;
    int cell = 0;
};

// Cell numbers compared as texts, the way a sorted list of keys orders them.
bool TextBefore(int a, int b) {
    std::array<char, 12> left{};
    std::array<char, 12> right{};
    const auto leftEnd = std::to_chars(left.data(), left.data() + left.size(), a).ptr;
    const auto rightEnd = std::to_chars(right.data(), right.data() + right.size(), b).ptr;
    return std::string_view(left.data(), static_cast<std::size_t>(leftEnd - left.data())) <
           std::string_view(right.data(), static_cast<std::size_t>(rightEnd - right.data()));
}

}  // namespace

std::vector<int> RandomOrder(RandomSource& random, const std::vector<int>& cells, int keyRange) {
    std::vector<Keyed> keyed;
    keyed.reserve(cells.size());
    for (int cell : cells) keyed.push_back({random.Below(keyRange), cell});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.key != b.key ? a.key < b.key : TextBefore(a.cell, b.cell);
    });
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const Keyed& entry : keyed) order.push_back(entry.cell);
    return order;
}

}  // namespace ringlace
