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

}  // namespace ringlace::test
