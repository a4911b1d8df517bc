#include "exchange/plain_text.h"

#include <gtest/gtest.h>

namespace ringlace {
namespace {

constexpr ClueValue _ = kNoClue;

TEST(PlainTextTest, ADigitPerClueAndAFullStopPerBlankCell) {
    const ClueGrid clues{2, 3, {3, _, 1, 0, _, 2}};
    EXPECT_EQ(PlainTextLines(clues), (std::vector<std::string>{"3.1", "0.2"}));
    EXPECT_EQ(ReadPlainText(PlainTextLines(clues), TextOrigin::File, 25, 25), clues);
}

TEST(PlainTextTest, AFileIsAsWideAsItsLongestLineAPasteAsItsFirst) {
    const std::vector<std::string> lines{"12", "3 .0", "01."};
    EXPECT_EQ(ReadPlainText(lines, TextOrigin::File, 25, 25),
              (ClueGrid{3, 4, {1, 2, _, _, 3, _, _, 0, 0, 1, _, _}}));
    EXPECT_EQ(ReadPlainText({"1x.", "2"}, TextOrigin::Clipboard, 25, 25),
              (ClueGrid{2, 3, {1, _, _, 2, _, _}}));
    EXPECT_FALSE(ReadPlainText({"1x."}, TextOrigin::File, 25, 25));  // "x" only in a paste
}

TEST(PlainTextTest, BadCharactersAndSizesOutsideTheLimitsAreRefused) {
    for (const char* line : {"4", "1-", "a", "\t"})
        EXPECT_FALSE(ReadPlainText({line}, TextOrigin::Clipboard, 25, 25)) << line;
    EXPECT_FALSE(ReadPlainText({}, TextOrigin::File, 25, 25));
    EXPECT_FALSE(ReadPlainText({""}, TextOrigin::Clipboard, 25, 25));
    EXPECT_FALSE(ReadPlainText(std::vector<std::string>(26, "1"), TextOrigin::File, 25, 25));
    EXPECT_FALSE(ReadPlainText({std::string(26, '1')}, TextOrigin::File, 25, 25));
    EXPECT_TRUE(ReadPlainText(std::vector<std::string>(25, std::string(25, '.')), TextOrigin::File,
                              25, 25));
}

TEST(PlainTextTest, PastedTextSplitsAtEveryKindOfLineEnd) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines("12\r\n3.\n.0\r1"), (Lines{"12", "3.", ".0", "1"}));
    EXPECT_EQ(SplitLines("12\r\n3.\r\n"), (Lines{"12", "3."}));
    EXPECT_EQ(SplitLines("12\n\n"), (Lines{"12", ""}));
    EXPECT_EQ(SplitLines(""), (Lines{""}));
}

}  // namespace
}  // namespace ringlace
