#include "window_helpers.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "ui/message_box.h"

namespace ringlace::test {

Installation::Installation(bool withSchemes, bool withPuzzles) {
    const std::string data = RINGLACE_DATA_DIR;
    if (withSchemes) WriteBytes(folder.File("all.col"), ReadBytes(data + "/all.col"));
    // Twelve puzzles of the independent corpus under the shipped name: the tests know their clues
    // and loops, and stay as they are when the shipped collection changes.
    if (withPuzzles)
        WriteBytes(folder.File("puzzles.txt"),
                   ReadBytes(std::string(RINGLACE_TEST_DATA_DIR) + "/corpus_sample.txt"));
}

std::shared_ptr<SeenMessage> AnswerNextMessage(const QString& caption) {
    auto seen = std::make_shared<SeenMessage>();
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, seen, caption] {
        auto* box = qobject_cast<MessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        seen->text = box->Text()->text();
        for (QPushButton* button : box->Buttons()) seen->buttons << button->text();
        for (QPushButton* button : box->Buttons()) {
            if (button->text() == caption) {
                seen->answered = true;
                button->click();
                return;
            }
        }
    });
    poll->start();
    return seen;
}

}  // namespace ringlace::test
