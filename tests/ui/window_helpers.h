// Helpers for window tests: answering the program's modal message box from inside its event loop.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace ringlace::test {

struct SeenMessage {
    QString text;
    QStringList buttons;
    bool answered = false;
};

// Waits for the next message box to open, records it, and presses the button with the caption.
// The returned record fills in when the box has been answered.
std::shared_ptr<SeenMessage> AnswerNextMessage(const QString& caption);

}  // namespace ringlace::test
