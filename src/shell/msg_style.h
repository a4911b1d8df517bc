// The style string of a message: words joined by "+" that name the picture and the buttons of the
// message box ("vbYesNo+vbquestion"). Case and blanks around the words do not matter; unknown
// words are ignored; words apply left to right.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace ringlace {

inline constexpr int kMsgPictureCount = 13;

struct MsgButton {
    std::string caption;
    int value = 0;
    bool operator==(const MsgButton&) const = default;
};

struct MsgStyle {
    std::array<bool, kMsgPictureCount> pictures{};  // which of the thirteen pictures show
    std::vector<MsgButton> buttons;                 // never empty: at least "Ok"
};

MsgStyle ParseMsgStyle(const std::string& style);

}  // namespace ringlace
