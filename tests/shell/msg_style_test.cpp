#include "shell/msg_style.h"

#include <gtest/gtest.h>

#include "shell/host.h"

namespace ringlace {
namespace {

std::vector<int> Pictures(const MsgStyle& style) {
    std::vector<int> shown;
    for (int k = 0; k < kMsgPictureCount; ++k)
        if (style.pictures[static_cast<std::size_t>(k)]) shown.push_back(k);
    return shown;
}

const std::vector<MsgButton> kYesNo{{"Yes", kMsgYes}, {"No", kMsgNo}};
const std::vector<MsgButton> kOk{{"Ok", kMsgOk}};

TEST(MsgStyleTest, CaseBlanksAndOrderOfWordsDoNotMatter) {
    for (const char* style : {"vbQuestion + vbYesNo", "vbquestion+vbYesNo", "vbYesNo+vbquestion",
                              " VBYESNO+  VBQUESTION "}) {
        const MsgStyle parsed = ParseMsgStyle(style);
        EXPECT_EQ(parsed.buttons, kYesNo) << style;
        EXPECT_EQ(Pictures(parsed), std::vector<int>{0}) << style;
    }
}

TEST(MsgStyleTest, EveryPictureWord) {
    const std::pair<const char*, int> words[] = {
        {"vbquestion", 0}, {"vbexclamation", 1}, {"vbinformation", 2}, {"vberror", 3},
        {"vbcritical", 4}, {"vbhappy", 5},       {"vbtrash", 6},        {"vbprint", 7},
        {"vblighton", 8},  {"vbexit", 10},       {"vbcustom", 10},      {"vbsave", 11},
        {"vbopen", 12}};
    for (const auto& [word, picture] : words) {
        const MsgStyle parsed = ParseMsgStyle(word);
        EXPECT_EQ(Pictures(parsed), std::vector<int>{picture}) << word;
        EXPECT_EQ(parsed.buttons, kOk) << word;  // a picture alone gets the one Ok button
    }
}

TEST(MsgStyleTest, EveryButtonWordAppendsItsButtonsInOrder) {
    const std::pair<const char*, std::vector<MsgButton>> words[] = {
        {"vbok", kOk},
        {"vbokonly", kOk},
        {"vbnormal", {{"Ok", 0}}},
        {"vbcancel", {{"Cancel", 2}}},
        {"vbokcancel", {{"Ok", 1}, {"Cancel", 2}}},
        {"vbcancelok", {{"Ok", 1}, {"Cancel", 2}}},
        {"vbabort", {{"Abort", 3}}},
        {"vbretry", {{"Retry", 4}}},
        {"vbignore", {{"Ignore", 5}}},
        {"vbabortretryignore", {{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}}},
        {"vbretrycancel", {{"Retry", 4}, {"Cancel", 2}}},
        {"vbyes", {{"Yes", 6}}},
        {"vbno", {{"No", 7}}},
        {"vbyesno", kYesNo},
        {"vbyesnocancel", {{"Yes", 6}, {"No", 7}, {"Cancel", 2}}},
        {"vbcontinuecancel", {{"Continue", 6}, {"Cancel", 2}}},
    };
    for (const auto& [word, buttons] : words) {
        const MsgStyle parsed = ParseMsgStyle(word);
        EXPECT_EQ(parsed.buttons, buttons) << word;
        EXPECT_TRUE(Pictures(parsed).empty()) << word;
    }
    EXPECT_EQ(ParseMsgStyle("vbcritical+vbok+vbcancel").buttons,
              (std::vector<MsgButton>{{"Ok", 1}, {"Cancel", 2}}));
    EXPECT_EQ(ParseMsgStyle("vbno+vbyes").buttons,
              (std::vector<MsgButton>{{"No", 7}, {"Yes", 6}}));
}

TEST(MsgStyleTest, UnknownWordsAreIgnored) {
    EXPECT_EQ(ParseMsgStyle("vbok+vbsomething").buttons, kOk);
    EXPECT_TRUE(Pictures(ParseMsgStyle("vbok+vbsomething")).empty());
    EXPECT_EQ(ParseMsgStyle("").buttons, kOk);
    EXPECT_EQ(ParseMsgStyle("+++").buttons, kOk);
    EXPECT_EQ(Pictures(ParseMsgStyle("vbsave+vbok")), std::vector<int>{11});
}

}  // namespace
}  // namespace ringlace
