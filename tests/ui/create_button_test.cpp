// Creating one puzzle from the window: the create button with either mouse button, the menu
// entry, the size field and the level label, and cancel.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "window_helpers.h"

using namespace ringlace;

namespace {

struct Creating : test::StartedWindow {
    Creating() { app().random = RandomSource(5); }
    QLineEdit* SizeField() { return Find<QLineEdit>("sizeField"); }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }
    void SetSize(const QString& text) {
        SizeField()->clear();
        QTest::keyClicks(SizeField(), text);
    }
};

}  // namespace

class CreateButtonTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonsAndTheMenuEntryCreateAPuzzleOfTheSizeAndLevelShown() {
        Creating creating;
        creating.SetSize("12x8");
        while (creating.Label("levelLabel") != "Hard")
            QTest::mouseClick(creating.Find<QLabel>("levelLabel"), Qt::LeftButton);
        QTest::mouseClick(creating.Find("newPuzzleButton"), Qt::LeftButton);
        QCOMPARE(creating.Status(), QString("Puzzle created"));
        QCOMPARE(creating.SizeField()->text(), QString("12x8"));
        QCOMPARE(creating.Label("levelLabel"), QString("Hard"));
        QCOMPARE(creating.Label("fileLabel"), QString(kScratchPuzzleFile));

        // The right button makes a puzzle of 0s and 3s.
        creating.SetSize("7");
        QString levelWhileWorking;
        creating.WhileBusy([&] { levelWhileWorking = creating.Label("levelLabel"); });
        QTest::mouseClick(creating.Find("newPuzzleButton"), Qt::RightButton);
        QCOMPARE(levelWhileWorking, QString("03Only"));
        QCOMPARE(creating.Status(), QString("03Only Puzzle created"));
        QCOMPARE(creating.Label("levelLabel"), QString("Medium"));
        const Grid& grid = creating.app().grid;

        // Ctrl+N, the menu entry's key, draws a size when the field is blank.
        creating.SetSize("");
        QTest::keyClick(creating.SizeField(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(creating.Status(), QString("Puzzle created"));
        QCOMPARE(creating.SizeField()->text(), QString("%1x%2").arg(grid.Rows).arg(grid.Cols));
        QVERIFY(grid.Rows >= 5 && grid.Rows <= 25 && grid.Cols >= 5 && grid.Cols <= 25);
    }

    // While the puzzle is made, the window shows the new size and stays responsive: the cancel
    // button ends the creation with the previous puzzle back.
    void cancelBringsThePreviousPuzzleBack() {
        Creating creating;
        const std::string before = creating.app().grid.SolutionCode;
        creating.SetSize("25");
        QToolButton* cancel = creating.Find("cancelButton");
        std::shared_ptr<test::SeenMessage> canceled;
        QString sizeWhileWorking;
        creating.WhileBusy([&] {
            if (canceled) return;
            sizeWhileWorking = creating.SizeField()->text();
            QVERIFY(cancel->property("active").toBool());
            canceled = test::AnswerNextMessage("Ok");
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        QTest::mouseClick(creating.Find("newPuzzleButton"), Qt::LeftButton);
        QCOMPARE(sizeWhileWorking, QString("25x25"));
        QVERIFY(canceled->answered);
        QCOMPARE(creating.app().grid.SolutionCode, before);
        QCOMPARE(creating.Label("fileLabel"), QString("puzzles.txt"));
        QVERIFY(!cancel->property("active").toBool());
    }
};

QTEST_MAIN(CreateButtonTest)
#include "create_button_test.moc"
