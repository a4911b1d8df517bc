#include "exchange/plain_text.h"

#include <gtest/gtest.h>

namespace ringlace {
namespace {

TEST(PlainTextTest, ADigitPerClueAndAFullStopPerBlankCell) {
    const ClueGrid clues{2, 3, {3, kNoClue, 1, 0, kNoClue, 2}};
    EXPECT_EQ(PlainTextLines(clues), (std::vector<std::string>{"3.1", "0.2"}));
}

}  // namespace
}  // namespace ringlace
