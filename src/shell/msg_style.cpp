#include "shell/msg_style.h"

#include <string_view>

#include "model/text.h"
#include "shell/host.h"

namespace ringlace {

namespace {

struct PictureWord {
    std::string_view word;
    int picture;
};

constexpr PictureWord kPictureWords[] = {
    {"vbquestion", 0}, {"vbexclamation", 1}, {"vbinformation", 2}, {"vberror", 3},
    {"vbcritical", 4}, {"vbhappy", 5},       {"vbtrash", 6},        {"vbprint", 7},
    {"vblighton", 8},  {"vbexit", 10},       {"vbcustom", 10},      {"vbsave", 11},
    {"vbopen", 12}};

struct ButtonWord {
    std::string_view word;
    std::vector<MsgButton> buttons;
};

const std::vector<ButtonWord>& ButtonWords() {
    static const std::vector<ButtonWord> words{
        {"vbok", {{"Ok", kMsgOk}}},
        {"vbokonly", {{"Ok", kMsgOk}}},
        {"vbnormal", {{"Ok", 0}}},
        {"vbcancel", {{"Cancel", kMsgCancel}}},
        {"vbokcancel", {{"Ok", kMsgOk}, {"Cancel", kMsgCancel}}},
        {"vbcancelok", {{"Ok", kMsgOk}, {"Cancel", kMsgCancel}}},
        {"vbabort", {{"Abort", kMsgAbort}}},
        {"vbretry", {{"Retry", kMsgRetry}}},
        {"vbignore", {{"Ignore", kMsgIgnore}}},
        {"vbabortretryignore", {{"Abort", kMsgAbort}, {"Retry", kMsgRetry}, {"Ignore", kMsgIgnore}}},
        {"vbretrycancel", {{"Retry", kMsgRetry}, {"Cancel", kMsgCancel}}},
        {"vbyes", {{"Yes", kMsgYes}}},
        {"vbno", {{"No", kMsgNo}}},
        {"vbyesno", {{"Yes", kMsgYes}, {"No", kMsgNo}}},
        {"vbyesnocancel", {{"Yes", kMsgYes}, {"No", kMsgNo}, {"Cancel", kMsgCancel}}},
        {"vbcontinuecancel", {{"Continue", kMsgYes}, {"Cancel", kMsgCancel}}},
    };
    return words;
}

}  // namespace

MsgStyle ParseMsgStyle(const std::string& style) {
    MsgStyle parsed;
    for (const std::string& piece : Split(ToLower(style), '+')) {
        const std::string word = Trim(piece);
        for (const PictureWord& entry : kPictureWords)
            if (entry.word == word) parsed.pictures[static_cast<std::size_t>(entry.picture)] = true;
        for (const ButtonWord& entry : ButtonWords())
            if (entry.word == word)
                parsed.buttons.insert(parsed.buttons.end(), entry.buttons.begin(), entry.buttons.end());
    }
    if (parsed.buttons.empty()) parsed.buttons.push_back({"Ok", kMsgOk});
    return parsed;
}

}  // namespace ringlace
