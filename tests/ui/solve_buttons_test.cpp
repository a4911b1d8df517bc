// The verify, Autosolve and cancel buttons and the Autosolve menu entry on the real window.
#include <QAction>
#include <QTest>

#include "model/puzzle_record.h"
#include "window_helpers.h"

using namespace ringlace;

namespace {

// A 10 x 10 puzzle that the cheaper stages leave open: the complete search has to run.
constexpr const char* kNeedsSearch =
    "1010HA31 32222 3 1 2  22322 3 2 2 2       31 31 21     2 2  0 1    21   23  3 2  2212  2 2 0 "
    "   32 1 23 "
    "33CAKDJJJHECEANJJGHEMEEEDJHALAJKEFJIEEDKCMAGJGKFIEFJFLCFXJGNJIJJNIECEDJGDJJGLEFGHFJJ"
    "IEDXIANHDJJNIEDLCM\r\n";

// An installation whose only puzzle is that one, shown at the start.
void WithTheLongPuzzle(test::Installation& installation) {
    test::WriteBytes(installation.folder.File("puzzles.txt"), kNeedsSearch);
    installation.StartAt(1);
}

}  // namespace

class SolveButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void verifyShowsTheResultWhileHeldAndAutosolveShowsTheLoop() {
        test::StartedWindow solving;
        QToolButton* verify = solving.Find("verifyButton");
        solving.app().grid.SetEdge(2, 2, Side::Left, Bar);
        QTest::mousePress(verify, Qt::RightButton);
        QCOMPARE(solving.Status(), QString("one isolated bar"));
        QVERIFY(solving.app().play.markers.errorMarker.visible);
        QTest::mouseRelease(verify, Qt::RightButton);
        QCOMPARE(solving.Status(), QString());
        QVERIFY(!solving.app().play.markers.errorMarker.visible);

        // Autosolve shows the stored loop over the entries and reports the time.
        solving.app().grid.SetEdge(1, 1, Side::Left, XMark);
        QTest::mouseClick(solving.Find("autosolveButton"), Qt::LeftButton);
        QVERIFY(solving.Status().startsWith("Solved in "));
        QCOMPARE(UserRecordText(solving.app().grid).find('x'), std::string::npos);
        // The menu entry solves as well, without the time.
        solving.app().grid.SetEdge(1, 1, Side::Left, XMark);
        solving.Find<QAction>("autoSolveAction")->trigger();
        QCOMPARE(solving.Status(), QString());
        QCOMPARE(solving.app().grid.CellEdge[1][1][Side::Left], Bar);
    }

    // Once the complete search runs, the window stays responsive: another command is refused, and
    // the cancel button, pressed like any other, ends the solve.
    void cancelEndsALongSolveAndOtherCommandsWaitMeanwhile() {
        test::StartedWindow solving(WithTheLongPuzzle);
        QToolButton* cancel = solving.Find("cancelButton");
        std::shared_ptr<test::SeenMessage> refused;
        std::shared_ptr<test::SeenMessage> unable;
        solving.WhileBusy([&] {
            if (refused || solving.Status() != "Solving by chain inspection ...") return;
            QVERIFY(cancel->property("active").toBool());
            refused = test::AnswerNextMessage("Ok");
            QTest::mouseClick(solving.Find("eraseBarsButton"), Qt::LeftButton);
            unable = test::AnswerNextMessage("Ok");
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        QTest::mouseClick(solving.Find("autosolveButton"), Qt::LeftButton);
        QVERIFY(refused);
        QCOMPARE(refused->text, QString("Cancel Autosolve/Create first"));
        QVERIFY(unable);
        QCOMPARE(unable->text, QString("Unable to solve"));
        QCOMPARE(solving.Status(), QString("Unable to solve ..."));
        QVERIFY(!solving.app().runState.busy);
        QVERIFY(!cancel->property("active").toBool());
    }
};

QTEST_MAIN(SolveButtonsTest)
#include "solve_buttons_test.moc"
