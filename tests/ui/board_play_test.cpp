// Playing on the real board widget: the pointer, the keys, the pop-up menu, undo, autofill, the
// view, zoom and whole-board commands, as a person uses them.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "model/puzzle_record.h"
#include "ui/board_view.h"
#include "ui/box_control.h"
#include "ui/main_window.h"
#include "window_helpers.h"

using namespace ringlace;
using test::Installation;

namespace {

// The first shipped puzzle, 5 x 5: a 3 at (1, 2), a 0 at (1, 5).
struct Playing {
    Playing() : window(installation.Paths()) {
        window.StartUp();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        board = window.boardView();
        picture = board->surface();
    }
    App& app() { return window.app(); }

    // A point of the board picture at offset (dx, dy) twips from the top-left dot of cell (r, c).
    QPoint At(int r, int c, int dx, int dy) const {
        const BoardGeometry& g = const_cast<Playing*>(this)->app().geometry;
        return board->ToPixels(QPointF(g.NodeX(c) + dx, g.NodeY(r) + dy)).toPoint();
    }
    QPoint NearSide(int r, int c, Side side) const {
        const int s = const_cast<Playing*>(this)->app().geometry.CellSize;
        const int dx = side == Side::Left ? 50 : side == Side::Right ? s - 50 : s / 2;
        const int dy = side == Side::Top ? 50 : side == Side::Bottom ? s - 50 : s / 2;
        return At(r, c, dx, dy);
    }
    void RightClickSide(int r, int c, Side side) {
        const QPoint point = NearSide(r, c, side);
        QTest::mouseMove(picture, point);
        QTest::mouseClick(picture, Qt::RightButton, {}, point);
    }
    std::string Sides(int r, int c) {
        return UserRecordText(app().grid).substr(31 + 4 * ((r - 1) * 5 + c - 1), 4);
    }
    BoxControl* Button(const char* name) { return window.findChild<BoxControl*>(name); }
    void Click(const char* name, Qt::MouseButton mouse = Qt::LeftButton) {
        QTest::mouseClick(window.findChild<QToolButton*>(name), mouse);
    }

    Installation installation;
    MainWindow window;
    BoardView* board = nullptr;
    QWidget* picture = nullptr;
};

}  // namespace

class BoardPlayTest : public QObject {
    Q_OBJECT

private slots:
    void rightClicksCycleAnEdgeAndUndoWalksBack() {
        Playing play;
        std::string seen;
        for (int click = 0; click < 3; ++click) {
            play.RightClickSide(2, 2, Side::Top);
            seen += play.Sides(2, 2)[1];
        }
        QCOMPARE(seen, std::string("bx."));
        QCOMPARE(play.app().play.undo.size(), std::size_t(3));
        QVERIFY(play.app().play.markers.horizontalHighlight.visible);
        QVERIFY(play.picture->hasFocus());

        seen.clear();
        for (int undo = 0; undo < 3; ++undo) {
            play.Click("undoButton");
            seen += play.Sides(2, 2)[1];
        }
        QCOMPARE(seen, std::string("xb."));
        QVERIFY(play.app().play.undo.empty());
    }

    void theKeysEnterOnTheSelectedSide() {
        Playing play;
        QTest::mouseMove(play.picture, play.NearSide(3, 3, Side::Right));
        QTest::keyClick(play.picture, 'b');
        QCOMPARE(play.Sides(3, 3), std::string("..b."));
        QTest::keyClick(play.picture, Qt::Key_Space);
        QCOMPARE(play.Sides(3, 3), std::string("..x."));
        QCOMPARE(play.app().play.undo.size(), std::size_t(1));
        QTest::keyClick(play.picture, Qt::Key_Escape);
        QCOMPARE(play.Sides(3, 3), std::string("...."));
        // The arrows move the selection; End steps the side.
        QTest::keyClick(play.picture, Qt::Key_Down);
        QTest::keyClick(play.picture, Qt::Key_End);
        QTest::keyClick(play.picture, 'x');
        QCOMPARE(play.Sides(4, 3), std::string("...x"));
        QCOMPARE(play.Sides(5, 3)[1], 'x');
    }

    void thePopupMenuActsOnTheCellItOpenedOn() {
        Playing play;
        const QPoint middle = play.At(2, 4, 300, 300);
        QTest::mouseMove(play.picture, middle);
        QTest::mouseClick(play.picture, Qt::RightButton, {}, middle);
        QMenu* menu = play.board->PopupMenu();
        QTRY_VERIFY(menu->isVisible());
        QStringList captions;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) captions << action->text();
        QCOMPARE(captions, QStringList({"Clear All", "Set All X", "Set/Clear Bar", "Set Pink",
                                        "Set Yellow", "Set Clear", "Cancel"}));
        QAction* setAllX = menu->findChild<QAction*>("setAllXEntry");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(setAllX).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(play.Sides(2, 4), std::string("xxxx"));

        menu->findChild<QAction*>("setYellowEntry")->trigger();
        QCOMPARE(play.app().grid.CellColour[2][4], Yellow);
        menu->findChild<QAction*>("barEntry_2")->trigger();
        QCOMPARE(play.Sides(2, 4), std::string("xx.x"));
        QCOMPARE(play.app().play.undo.size(), std::size_t(3));
        // The side was taken by the menu: keys wait for the pointer to select a side again.
        QTest::keyClick(play.picture, 'b');
        QCOMPARE(play.Sides(2, 4), std::string("xx.x"));
    }

    void autofillCompletesASatisfiedClueWithinATick() {
        Playing play;
        QLabel* label4 = play.window.findChild<QLabel*>("autofillLight");
        QTest::mouseClick(label4, Qt::LeftButton);
        QCOMPARE(label4->text(), QString("A"));
        for (const Side side : {Side::Left, Side::Top, Side::Right}) {
            QTest::mouseMove(play.picture, play.NearSide(1, 2, side));
            QTest::keyClick(play.picture, 'b');
        }
        QTRY_COMPARE(play.Sides(1, 2), std::string("bbbx"));
        QTRY_VERIFY(!play.app().play.autofillDue);
        QTest::mouseClick(label4, Qt::LeftButton);
        QCOMPARE(label4->text(), QString());
        QCOMPARE(play.app().settings.AutofillOn, 0);
    }

    void theViewButtonsShowTheSolutionWhileHeld() {
        Playing play;
        play.RightClickSide(1, 1, Side::Left);
        play.RightClickSide(1, 1, Side::Left);  // an X where the solution has a bar
        QToolButton* view = play.window.findChild<QToolButton*>("showSolutionButton");
        QTest::mousePress(view, Qt::LeftButton);
        QCOMPARE(play.Sides(1, 1), std::string("bbb."));
        QTest::mouseRelease(view, Qt::LeftButton);
        QCOMPARE(play.Sides(1, 1), std::string("x..."));

        QToolButton* loop = play.window.findChild<QToolButton*>("showLoopButton");
        QTest::mousePress(loop, Qt::RightButton);
        QCOMPARE(play.app().grid.CellColour[1][1], Yellow);
        QCOMPARE(play.app().settings.GridLine, 0);
        QTest::mouseRelease(loop, Qt::RightButton);
        QCOMPARE(play.app().grid.CellColour[1][1], 0);
        QCOMPARE(play.Sides(1, 1), std::string("x..."));
    }

    void zoomChangesTheCellsAndResetReturns() {
        Playing play;
        const int fitted = play.app().geometry.CellSize;
        const int width = play.picture->width();
        play.Click("zoomInButton");
        QCOMPARE(play.app().geometry.CellSize, qRound(fitted * 1.1));
        QVERIFY(play.picture->width() > width);
        QTest::keyClick(&play.window, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&play.window, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(play.app().geometry.CellSize < fitted);
        QTest::keyClick(&play.window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(play.app().geometry.CellSize, fitted);
    }

    void clearingAndResettingAskFirst() {
        Playing play;
        play.RightClickSide(3, 3, Side::Bottom);
        auto no = test::AnswerNextMessage("No");
        play.Click("eraseBarsButton");
        QVERIFY(no->answered);
        QCOMPARE(no->text, QString("All Bars/Xs will be cleared (cannot undo), Proceed ?"));
        QCOMPARE(play.Sides(3, 3), std::string("...b"));
        auto yes = test::AnswerNextMessage("Yes");
        play.Click("eraseBarsButton");
        QVERIFY(yes->answered);
        QCOMPARE(play.Sides(3, 3), std::string("...."));
        QCOMPARE(play.app().play.undo.size(), std::size_t(1));

        // A right click on the undo button asks the question of "Reset", not an undo.
        play.RightClickSide(3, 3, Side::Bottom);
        auto reset = test::AnswerNextMessage("Yes");
        play.Click("undoButton", Qt::RightButton);
        QVERIFY(reset->answered);
        QCOMPARE(reset->text, QString("All User Entries will be cleared (cannot undo)\nProceed ?"));
        QCOMPARE(play.Sides(3, 3), std::string("...."));
        QVERIFY(play.app().play.undo.empty());
    }

    void whileBusyTheBoardWaitsAndTheCommandsSaySo() {
        Playing play;
        play.app().runState.busy = true;
        play.RightClickSide(2, 2, Side::Left);
        QTest::keyClick(play.picture, 'b');
        QCOMPARE(play.Sides(2, 2), std::string("...."));
        auto told = test::AnswerNextMessage("Ok");
        QTest::mousePress(play.window.findChild<QToolButton*>("showSolutionButton"),
                          Qt::LeftButton);
        QVERIFY(told->answered);
        QCOMPARE(told->text, QString("Cancel Autosolve/Create first"));
        QCOMPARE(play.app().play.view.showing, SolutionView::Kind::None);
        play.app().runState.busy = false;
    }

    void theButtonsCarryTheirToolTips() {
        Playing play;
        QCOMPARE(play.Button("undoButton")->toolTip(),
                 QString("Undo last user entry\nRightclick to reset puzzle"));
        QCOMPARE(play.Button("showLoopButton")->toolTip(),
                 QString("Leftclick = view solution loop\nRightclick = show parity colours also"));
        QCOMPARE(play.Button("verifyButton")->toolTip(),
                 QString("Check if your solution is correct"));
        QCOMPARE(play.Button("autosolveButton")->toolTip(),
                 QString("Let computer solve this puzzle"));
        QCOMPARE(play.Button("cancelButton")->toolTip(), QString("Cancel current operation"));
        QCOMPARE(play.Button("zoomResetButton")->toolTip(), QString("Reset zoom"));
        QCOMPARE(play.Button("eraseBarsButton")->toolTip(), QString("Erase all bars"));
    }

    void theLeftButtonDragsTheBoardAndNothingElse() {
        Playing play;
        const QPoint start = play.picture->pos();
        const QPoint grip = play.NearSide(2, 2, Side::Left);
        QTest::mousePress(play.picture, Qt::LeftButton, {}, grip);
        QTest::mouseMove(play.picture, grip + QPoint(30, 20));
        QTest::mouseRelease(play.picture, Qt::LeftButton, {}, grip + QPoint(30, 20));
        QCOMPARE(play.picture->pos(), start + QPoint(30, 20));
        QCOMPARE(play.Sides(2, 2), std::string("...."));
        play.board->Redraw();  // a redraw leaves the board where it was dragged
        QCOMPARE(play.picture->pos(), start + QPoint(30, 20));
    }
};

QTEST_MAIN(BoardPlayTest)
#include "board_play_test.moc"
