// The main window's start-up and exit, as a person meets them.
#include "ui/main_window.h"

#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <set>

#include "model/config_file.h"
#include "support/temp_folder.h"
#include "ui/board_view.h"
#include "window_helpers.h"

using namespace ringlace;
using test::Installation;
using test::WriteBytes;

namespace {

template <typename Widget>
Widget* Find(QWidget& window, const char* name) {
    return window.findChild<Widget*>(name);
}

int DistinctColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    return int(colours.size());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheLastPuzzleShown() {
        Installation installation;
        Settings settings;
        PuzzlePlace last;
        last.file = installation.folder.File("puzzles.txt");
        last.number = 3;
        WriteBytes(installation.folder.File("ringlace.cfg"), ConfigText(settings, last));

        MainWindow window(installation.Paths());
        QCOMPARE(window.StartUp(), StartOutcome::Run);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Ringlace 3.0"));
        QCOMPARE(Find<QLabel>(window, "fileLabel")->text(), QString("puzzles.txt"));
        QCOMPARE(Find<QLabel>(window, "fileLabel")->toolTip(),
                 QString::fromStdString(installation.folder.File("puzzles.txt")));
        QCOMPARE(Find<QLineEdit>(window, "puzzleNumberBox")->text(), QString("3"));
        QCOMPARE(Find<QLabel>(window, "puzzleCountLabel")->text(), QString(" of 12"));
        QCOMPARE(Find<QLineEdit>(window, "sizeField")->text(), QString("7x7"));
        QCOMPARE(Find<QLabel>(window, "levelLabel")->text(), QString("Easy"));
        QCOMPARE(Find<QLabel>(window, "openShareLabel")->text(), QString("53%"));
        QCOMPARE(Find<QLabel>(window, "statusText")->text(), QString());

        // The board shows the puzzle: it lies inside its frame and holds more than a blank fill.
        BoardView* frame = window.boardView();
        QWidget* board = frame->surface();
        QVERIFY(frame->rect().contains(board->geometry()));
        QVERIFY(board->width() > 100);
        QVERIFY(DistinctColours(frame->surface()->Image()) >= 3);
        QCOMPARE(window.app().grid.Rows, 7);
    }

    void aFirstStartWritesTheDefaults() {
        Installation installation;
        MainWindow window(installation.Paths());
        QCOMPARE(window.StartUp(), StartOutcome::Run);
        QCOMPARE(QString::fromStdString(installation.Config()),
                 QString("xp.col\r\nArial\r\npuzzles.txt\r\n+\r\n"
                         " 1  0  0  0  1  0  12  128  2  2  0  0  0  0  0  0 \r\n"));
        QCOMPARE(Find<QLineEdit>(window, "sizeField")->text(), QString("5x5"));
    }

    void withoutPuzzlesTheBoardIsEmpty() {
        Installation installation(true, false);
        MainWindow window(installation.Paths());
        QCOMPARE(window.StartUp(), StartOutcome::Run);
        QCOMPARE(Find<QLineEdit>(window, "sizeField")->text(), QString("9x9"));
        QCOMPARE(Find<QLabel>(window, "statusText")->text(), QString("Click create puzzle button"));
        QCOMPARE(Find<QLineEdit>(window, "puzzleNumberBox")->text(), QString());
        QCOMPARE(Find<QLabel>(window, "levelLabel")->text(), QString());
        QCOMPARE(window.app().grid.NumCells, 81);
    }

    void withoutTheSchemeListTheProgramSaysSoAndEnds() {
        Installation installation(false);
        MainWindow window(installation.Paths());
        auto seen = test::AnswerNextMessage("Ok");
        QCOMPARE(window.StartUp(), StartOutcome::End);
        QVERIFY(seen->answered);
        QCOMPARE(seen->text,
                 QString("File: all.col is missing\nProgram cannot run without this file"));
        QVERIFY(!std::filesystem::exists(installation.folder.File("ringlace.cfg")));
    }

    void exitAsksAndSavesOnlyOnYes() {
        Installation installation;
        MainWindow window(installation.Paths());
        QCOMPARE(window.StartUp(), StartOutcome::Run);
        QSignalSpy ended(&window, &MainWindow::programEnded);
        QAction* exit = window.findChild<QAction*>("exitAction");
        QVERIFY(exit);
        QCOMPARE(exit->text(), QString("Exit"));
        window.app().place.number = 7;
        const std::string before = installation.Config();

        auto no = test::AnswerNextMessage("No");
        exit->trigger();
        QVERIFY(no->answered);
        QCOMPARE(no->text, QString("Exit?"));
        QCOMPARE(no->buttons, QStringList({"Yes", "No"}));
        QCOMPARE(ended.count(), 0);
        QCOMPARE(installation.Config(), before);

        auto yes = test::AnswerNextMessage("Yes");
        exit->trigger();
        QVERIFY(yes->answered);
        QCOMPARE(ended.count(), 1);
        QVERIFY(installation.Config().find("\r\n 7  0  0") != std::string::npos);
    }

    void closingTheWindowFrameEndsWithoutSaving() {
        Installation installation;
        MainWindow window(installation.Paths());
        QCOMPARE(window.StartUp(), StartOutcome::Run);
        window.show();
        QSignalSpy ended(&window, &MainWindow::programEnded);
        window.app().place.number = 5;
        const std::string before = installation.Config();
        window.close();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(installation.Config(), before);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
