// The main window's start-up and exit, as a person meets them.
#include "ui/main_window.h"

#include <QSignalSpy>
#include <QTest>
#include <set>

#include "ui/board_view.h"
#include "window_helpers.h"

using namespace ringlace;
using test::Installation;

namespace {

int DistinctColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// The texts of the labels and fields beside the board, by name.
void ExpectTexts(MainWindow& window, const std::vector<std::pair<const char*, QString>>& texts) {
    for (const auto& [name, text] : texts)
        QCOMPARE(window.findChild<QWidget*>(name)->property("text").toString(), text);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheLastPuzzleShownAndOnlyExitSaves() {
        test::StartedWindow started([](Installation& installation) { installation.StartAt(3); });
        QCOMPARE(started.window.windowTitle(), QString("puzzles.txt - 3 of 12 - Ringlace 3.0"));
        ExpectTexts(started.window, {{"fileLabel", "puzzles.txt"},
                                     {"puzzleNumberBox", "3"},
                                     {"puzzleCountLabel", " of 12"},
                                     {"sizeField", "7x7"},
                                     {"levelLabel", "Easy"},
                                     {"openShareLabel", "53%"},
                                     {"statusText", ""}});
        QCOMPARE(started.Find<QLabel>("fileLabel")->toolTip(),
                 QString::fromStdString(started.installation.folder.File("puzzles.txt")));

        // The board shows the puzzle: it lies inside its frame and holds more than a blank fill.
        BoardView* frame = started.window.boardView();
        QVERIFY(frame->rect().contains(frame->surface()->geometry()));
        QVERIFY(frame->surface()->width() > 100);
        QVERIFY(DistinctColours(frame->surface()->Image()) >= 3);

        // Exit asks and saves only on Yes; closing the frame ends without saving.
        const Installation& installation = started.installation;
        QSignalSpy ended(&started.window, &MainWindow::programEnded);
        QAction* exit = started.Find<QAction>("exitAction");
        started.app().place.number = 7;
        auto no = test::AnswerNextMessage("No");
        exit->trigger();
        QVERIFY(no->answered);
        QCOMPARE(ended.count(), 0);

        test::AnswerNextMessage("Yes");
        exit->trigger();
        QCOMPARE(ended.count(), 1);
        const std::string saved = installation.Config();
        QVERIFY(saved.find("\r\n 7  0  0") != std::string::npos);
        started.app().place.number = 5;
        started.window.close();
        QVERIFY(!started.window.isVisible());
        QCOMPARE(ended.count(), 2);
        QCOMPARE(installation.Config(), saved);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
