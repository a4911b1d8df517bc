// A message for the person: its text, the picture beside it and the buttons under it, and the
// answer a button gives.
#pragma once

#include <string>
#include <vector>

namespace ringlace {

enum class Icon {
    None,
    Question,
    Exclamation,
    Information,
    Critical,
    Trash,
    Print,
    Exit,
    Save,
    Open
};

enum class Buttons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    AbortRetryIgnore,
    ContinueCancel
};

enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No, Continue };

struct Message {
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    bool operator==(const Message&) const = default;
};

struct ButtonChoice {
    const char* caption;
    Answer answer;
};

// The buttons of a set, left to right; the first is the default, the answer of a host that cannot
// ask.
inline std::vector<ButtonChoice> ButtonChoices(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {{"Ok", Answer::Ok}};
        case Buttons::OkCancel:
            return {{"Ok", Answer::Ok}, {"Cancel", Answer::Cancel}};
        case Buttons::YesNo:
            return {{"Yes", Answer::Yes}, {"No", Answer::No}};
        case Buttons::YesNoCancel:
            return {{"Yes", Answer::Yes}, {"No", Answer::No}, {"Cancel", Answer::Cancel}};
        case Buttons::RetryCancel:
            return {{"Retry", Answer::Retry}, {"Cancel", Answer::Cancel}};
        case Buttons::AbortRetryIgnore:
            return {{"Abort", Answer::Abort}, {"Retry", Answer::Retry}, {"Ignore", Answer::Ignore}};
        case Buttons::ContinueCancel:
            return {{"Continue", Answer::Continue}, {"Cancel", Answer::Cancel}};
    }
    return {{"Ok", Answer::Ok}};
}

}  // namespace ringlace
