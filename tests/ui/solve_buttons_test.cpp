// The verify, Autosolve and cancel buttons and the Autosolve menu entry on the real window.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "model/config_file.h"
#include "model/puzzle_record.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "window_helpers.h"

using namespace ringlace;
using test::Installation;

namespace {

// A 10 x 10 puzzle that the cheaper stages leave open: the complete search has to run.
constexpr const char* kNeedsSearch =
    "1010HA31 32222 3 1 2  22322 3 2 2 2       31 31 21     2 2  0 1    21   23  3 2  2212  2 2 0 "
    "   32 1 23 "
    "33CAKDJJJHECEANJJGHEMEEEDJHALAJKEFJIEEDKCMAGJGKFIEFJFLCFXJGNJIJJNIECEDJGDJJGLEFGHFJJ"
    "IEDXIANHDJJNIEDLCM\r\n";

struct Solving {
    explicit Solving(const char* puzzles = nullptr) : window(installation.Paths()) {
        if (puzzles) {
            test::WriteBytes(installation.folder.File("puzzles.txt"), puzzles);
            Settings settings;
            PuzzlePlace last;
            last.file = installation.folder.File("puzzles.txt");
            last.number = 1;
            test::WriteBytes(installation.folder.File("ringlace.cfg"), ConfigText(settings, last));
        }
        window.StartUp();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    App& app() { return window.app(); }
    QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }
    QString Status() { return window.findChild<QLabel*>("statusText")->text(); }

    Installation installation;
    MainWindow window;
};

}  // namespace

class SolveButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void verifyShowsTheResultWhileHeld() {
        Solving solving;
        QToolButton* verify = solving.Button("verifyButton");
        QTest::mousePress(verify, Qt::LeftButton);
        QCOMPARE(solving.Status(), QString("Done !"));
        QTest::mouseRelease(verify, Qt::LeftButton);
        QCOMPARE(solving.Status(), QString());

        solving.app().grid.SetEdge(2, 2, Side::Left, Bar);
        QTest::mousePress(verify, Qt::RightButton);
        QCOMPARE(solving.Status(), QString("one isolated bar"));
        QVERIFY(solving.app().play.markers.errorMarker.visible);
        QTest::mouseRelease(verify, Qt::RightButton);
        QCOMPARE(solving.Status(), QString());
        QVERIFY(!solving.app().play.markers.errorMarker.visible);
    }

    void autosolveReportsTheTimeAndShowsTheLoop() {
        Solving solving;
        const std::string stored = solving.app().grid.SolutionCode;
        solving.app().grid.SetEdge(1, 1, Side::Left, XMark);
        QTest::mouseClick(solving.Button("autosolveButton"), Qt::LeftButton);
        QVERIFY(solving.Status().startsWith("Solved in "));
        QVERIFY(!solving.app().runState.busy);
        QVERIFY(solving.app().play.undo.empty());
        QCOMPARE(solving.app().grid.SolutionCode, stored);
        QCOMPARE(UserRecordText(solving.app().grid).find('x'), std::string::npos);
    }

    void theMenuEntrySolvesWithoutTheTime() {
        Solving solving;
        solving.window.findChild<QAction*>("autoSolveAction")->trigger();
        QCOMPARE(solving.Status(), QString());
        QCOMPARE(solving.app().grid.CountBars(1, 2), 3);
    }

    void cancelEndsALongSolveAndTheWindowStaysResponsive() {
        Solving solving(kNeedsSearch);
        QToolButton* cancel = solving.Button("cancelButton");
        // Once the complete search runs, the cancel button is pressed like any other.
        bool pressed = false;
        auto* watch = new QTimer(&solving.window);
        connect(watch, &QTimer::timeout, [&] {
            if (pressed || solving.Status() != "Solving by chain inspection ...") return;
            QVERIFY(cancel->property("active").toBool());
            QVERIFY(solving.app().runState.busy);
            QTest::mouseClick(cancel, Qt::LeftButton);
            pressed = true;
        });
        watch->start(0);
        auto unable = test::AnswerNextMessage("Ok");
        QTest::mouseClick(solving.Button("autosolveButton"), Qt::LeftButton);
        watch->stop();
        QVERIFY(pressed);
        QVERIFY(unable->answered);
        QCOMPARE(unable->text, QString("Unable to solve"));
        QCOMPARE(solving.Status(), QString("Unable to solve ..."));
        QVERIFY(!solving.app().runState.busy);
        QVERIFY(!cancel->property("active").toBool());
    }

    void whileSolvingOtherCommandsWait() {
        Solving solving(kNeedsSearch);
        auto* watch = new QTimer(&solving.window);
        std::shared_ptr<test::SeenMessage> refused;
        std::shared_ptr<test::SeenMessage> unable;
        connect(watch, &QTimer::timeout, [&] {
            if (refused || solving.Status() != "Solving by chain inspection ...") return;
            refused = test::AnswerNextMessage("Ok");
            QTest::mouseClick(solving.Button("eraseBarsButton"), Qt::LeftButton);
            unable = test::AnswerNextMessage("Ok");
            solving.app().runState.cancelRequested = true;
        });
        watch->start(0);
        QTest::mouseClick(solving.Button("autosolveButton"), Qt::LeftButton);
        watch->stop();
        QVERIFY(refused && refused->answered);
        QCOMPARE(refused->text, QString("Cancel Autosolve/Create first"));
        QVERIFY(unable && unable->answered);
    }
};

QTEST_MAIN(SolveButtonsTest)
#include "solve_buttons_test.moc"
