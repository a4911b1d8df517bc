#include "model/line_shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ringlace {
namespace {

TEST(LineShuffleTest, RepeatsAndBlanksGoTheRestIsShuffledBySeed) {
    std::vector<std::string> lines;
    for (int k = 0; k < 40; ++k) lines.push_back("0505EA line " + std::to_string(k));
    lines.push_back("0505ea LINE 7");  // a repeat, letter case aside
    lines.push_back("0505EA line 3");
    lines.push_back("");
    lines.push_back("  ");

    RandomSource first(9), again(9), other(10);
    const ShuffledLines shuffled = DropDuplicatesAndShuffle(lines, first);
    EXPECT_EQ(shuffled.duplicates, 2);
    EXPECT_EQ(shuffled.blank, 2);
    ASSERT_EQ(shuffled.lines.size(), 40u);
    EXPECT_NE(shuffled.lines, std::vector<std::string>(lines.begin(), lines.begin() + 40));
    std::vector<std::string> sorted = shuffled.lines, original(lines.begin(), lines.begin() + 40);
    std::sort(sorted.begin(), sorted.end());
    std::sort(original.begin(), original.end());
    EXPECT_EQ(sorted, original) << "every first occurrence is kept, as it was";

    EXPECT_EQ(DropDuplicatesAndShuffle(lines, again).lines, shuffled.lines);
    EXPECT_NE(DropDuplicatesAndShuffle(lines, other).lines, shuffled.lines);
}

}  // namespace
}  // namespace ringlace
