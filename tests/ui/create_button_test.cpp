// Creating one puzzle from the window: the create button with either mouse button, the menu
// entry, the size field and the level label, cancel, and the other commands kept out meanwhile.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "ui/main_window.h"
#include "window_helpers.h"

using namespace ringlace;
using test::Installation;

namespace {

struct Creating {
    Creating() : window(installation.Paths()) {
        window.StartUp();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.app().random = RandomSource(5);
    }
    App& app() { return window.app(); }
    QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }
    QLineEdit* Label3() { return window.findChild<QLineEdit*>("sizeField"); }
    QLabel* Label(const char* name) { return window.findChild<QLabel*>(name); }
    QString Status() { return Label("statusText")->text(); }
    void SetSize(const QString& text) {
        Label3()->clear();
        QTest::keyClicks(Label3(), text);
    }

    Installation installation;
    MainWindow window;
};

bool OnlyZerosAndThrees(const Grid& grid) {
    for (int k = 1; k <= grid.NumCells; ++k)
        if (grid.Clue[k] != kNoClue && grid.Clue[k] != 0 && grid.Clue[k] != 3) return false;
    return true;
}

}  // namespace

class CreateButtonTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonCreatesAPuzzleOfTheSizeAndLevelShown() {
        Creating creating;
        creating.SetSize("12x8");
        while (creating.Label("levelLabel")->text() != "Hard")
            QTest::mouseClick(creating.Label("levelLabel"), Qt::LeftButton);
        QTest::mouseClick(creating.Button("newPuzzleButton"), Qt::LeftButton);
        QCOMPARE(creating.Status(), QString("Puzzle created"));
        QCOMPARE(creating.Label3()->text(), QString("12x8"));
        QCOMPARE(creating.Label("levelLabel")->text(), QString("Hard"));
        QCOMPARE(creating.Label("fileLabel")->text(), QString(kScratchPuzzleFile));
        const Grid& grid = creating.app().grid;
        QCOMPARE(grid.Rows, 12);
        QCOMPARE(grid.Cols, 8);
        QCOMPARE(grid.DiffCode, std::string("HA"));
        QCOMPARE(grid.CountBars(1, 1) + grid.CountBars(6, 4), 0);
        QVERIFY(!creating.app().runState.busy);
        QVERIFY(!creating.Button("cancelButton")->property("active").toBool());
    }

    void theRightButtonCreatesAZeroThreePuzzle() {
        Creating creating;
        creating.SetSize("7");
        QString levelWhileWorking;
        auto* watch = new QTimer(&creating.window);
        connect(watch, &QTimer::timeout, [&] {
            if (creating.app().runState.busy)
                levelWhileWorking = creating.Label("levelLabel")->text();
        });
        watch->start(0);
        QTest::mouseClick(creating.Button("newPuzzleButton"), Qt::RightButton);
        watch->stop();
        QCOMPARE(levelWhileWorking, QString("03Only"));
        QCOMPARE(creating.Status(), QString("03Only Puzzle created"));
        QCOMPARE(creating.Label("levelLabel")->text(), QString("Medium"));
        QVERIFY(OnlyZerosAndThrees(creating.app().grid));
    }

    // Ctrl+N is the menu entry's key.
    void theMenuEntryDrawsASizeWhenTheFieldIsBlank() {
        Creating creating;
        creating.SetSize("");
        QTest::keyClick(creating.Label3(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(creating.Status(), QString("Puzzle created"));
        const Grid& grid = creating.app().grid;
        QCOMPARE(creating.Label3()->text(), QString("%1x%2").arg(grid.Rows).arg(grid.Cols));
        QVERIFY(grid.Rows >= 5 && grid.Rows <= 25 && grid.Cols >= 5 && grid.Cols <= 25);
    }

    void aSizeBeyondTheLimitsIsRefused() {
        Creating creating;
        creating.SetSize("26x10");
        auto refused = test::AnswerNextMessage("Ok");
        QTest::mouseClick(creating.Button("newPuzzleButton"), Qt::LeftButton);
        QVERIFY(refused->answered);
        QCOMPARE(refused->text, QString("Puzzle size must be 5 to  25"));
        QCOMPARE(creating.Label("fileLabel")->text(), QString("puzzles.txt"));
    }

    // While the puzzle is made, the window shows the new size and stays responsive: another
    // command is refused, and the cancel button ends the creation with the previous puzzle back.
    void cancelBringsThePreviousPuzzleBack() {
        Creating creating;
        const std::string before = creating.app().grid.SolutionCode;
        creating.SetSize("25");
        QToolButton* cancel = creating.Button("cancelButton");
        std::shared_ptr<test::SeenMessage> refused;
        std::shared_ptr<test::SeenMessage> canceled;
        QString sizeWhileWorking;
        auto* watch = new QTimer(&creating.window);
        connect(watch, &QTimer::timeout, [&] {
            if (refused || !creating.app().runState.busy) return;
            sizeWhileWorking = creating.Label3()->text();
            QVERIFY(cancel->property("active").toBool());
            refused = test::AnswerNextMessage("Ok");
            QTest::mouseClick(creating.Button("eraseBarsButton"), Qt::LeftButton);
            canceled = test::AnswerNextMessage("Ok");
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        watch->start(0);
        QTest::mouseClick(creating.Button("newPuzzleButton"), Qt::LeftButton);
        watch->stop();
        QCOMPARE(sizeWhileWorking, QString("25x25"));
        QVERIFY(refused && refused->answered);
        QCOMPARE(refused->text, QString("Cancel Autosolve/Create first"));
        QVERIFY(canceled && canceled->answered);
        QCOMPARE(canceled->text, QString("Canceled"));
        QCOMPARE(creating.app().grid.SolutionCode, before);
        QCOMPARE(creating.Label("fileLabel")->text(), QString("puzzles.txt"));
        QCOMPARE(creating.Status(), QString());
        QVERIFY(!creating.app().runState.busy);
        QVERIFY(!cancel->property("active").toBool());
    }
};

QTEST_MAIN(CreateButtonTest)
#include "create_button_test.moc"
