#include "window_helpers.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "model/config_file.h"
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

void Installation::StartAt(int number) const {
    WriteBytes(folder.File("ringlace.cfg"),
               ConfigText(Settings{}, PuzzlePlace{folder.File("puzzles.txt"), number}));
}

StartedWindow::StartedWindow(const std::function<void(Installation&)>& prepare)
    : window(installation.Paths()) {
    if (prepare) prepare(installation);
    window.StartUp();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

QString StartedWindow::Status() {
    return Find<QLabel>("statusText")->text();
}

void StartedWindow::WhileBusy(const std::function<void()>& check) {
    auto* watch = new QTimer(&window);
    QObject::connect(watch, &QTimer::timeout, [this, check] {
        if (app().runState.busy) check();
    });
    watch->start(0);
}

std::shared_ptr<SeenMessage> AnswerNextMessage(const QString& caption) {
    auto seen = std::make_shared<SeenMessage>();
    WhenModalShows<MessageBox>([seen, caption](MessageBox& box) {
        seen->text = box.Text()->text();
        for (QPushButton* button : box.Buttons()) seen->buttons << button->text();
        for (QPushButton* button : box.Buttons()) {
            if (button->text() == caption) {
                seen->answered = true;
                button->click();
                return;
            }
        }
    });
    return seen;
}

std::shared_ptr<std::vector<SeenMessage>> AnswerMessages(const QStringList& captions) {
    auto seen = std::make_shared<std::vector<SeenMessage>>();
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    // The box is shared by every message, and each message makes new buttons: a box whose first
    // button is not the one answered last holds the next message.
    auto answered = std::make_shared<QPushButton*>(nullptr);
    QObject::connect(poll, &QTimer::timeout, [poll, seen, captions, answered] {
        auto* box = qobject_cast<MessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->Buttons().empty() ||
            box->Buttons().front() == *answered)
            return;
        SeenMessage message{box->Text()->text(), {}, false};
        QPushButton* chosen = nullptr;
        for (QPushButton* button : box->Buttons()) {
            message.buttons << button->text();
            if (button->text() == captions[static_cast<int>(seen->size())]) chosen = button;
        }
        message.answered = chosen != nullptr;
        seen->push_back(message);
        *answered = box->Buttons().front();
        if (static_cast<int>(seen->size()) == captions.size()) {
            poll->stop();
            poll->deleteLater();
        }
        if (chosen) chosen->click();
    });
    poll->start();
    return seen;
}

}  // namespace ringlace::test
