// Playing on the real board widget: the pointer, the keys, the pop-up menu, undo, autofill, the
// view, zoom and whole-board commands, as a person uses them.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "model/puzzle_record.h"
#include "ui/board_view.h"
#include "window_helpers.h"

using namespace ringlace;

namespace {

// The first puzzle of the sample, 5 x 5: a 3 at (1, 2).
struct Playing : test::StartedWindow {
    // The point of the board picture 50 twips inside side `side` of cell (r, c); its middle when
    // no side is given.
    QPoint At(int r, int c, std::optional<Side> side) {
        const BoardGeometry& g = app().geometry;
        const int s = g.CellSize;
        const int dx = side == Side::Left ? 50 : side == Side::Right ? s - 50 : s / 2;
        const int dy = side == Side::Top ? 50 : side == Side::Bottom ? s - 50 : s / 2;
        return window.boardView()->ToPixels(QPointF(g.NodeX(c) + dx, g.NodeY(r) + dy)).toPoint();
    }
    void Move(int r, int c, std::optional<Side> side) { QTest::mouseMove(picture, At(r, c, side)); }
    void RightClick(int r, int c, std::optional<Side> side) {
        Move(r, c, side);
        QTest::mouseClick(picture, Qt::RightButton, {}, At(r, c, side));
    }
    // The cell's sides as the user record writes them: "b" bar, "x" X, "." free; L, T, R, B.
    std::string Sides(int r, int c) {
        return UserRecordText(app().grid).substr(31 + 4 * ((r - 1) * 5 + c - 1), 4);
    }
    void Click(const char* name, Qt::MouseButton mouse = Qt::LeftButton) {
        QTest::mouseClick(Find(name), mouse);
    }

    QWidget* picture = window.boardView()->surface();
};

}  // namespace

class BoardPlayTest : public QObject {
    Q_OBJECT

private slots:
    void rightClicksAndKeysEnterAndUndoWalksBack() {
        Playing play;
        play.RightClick(2, 2, Side::Top);
        play.RightClick(2, 2, Side::Top);
        QCOMPARE(play.Sides(2, 2), std::string(".x.."));
        QVERIFY(play.picture->hasFocus());
        play.Click("undoButton");
        QCOMPARE(play.Sides(2, 2), std::string(".b.."));
        QTest::keyClick(&play.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(play.Sides(2, 2), std::string("...."));
        QVERIFY(play.app().play.undo.empty());

        play.Move(3, 3, Side::Right);
        QTest::keyClick(play.picture, 'b');
        QTest::keyClick(play.picture, Qt::Key_Space);
        QTest::keyClick(play.picture, Qt::Key_Escape);
        QCOMPARE(play.Sides(3, 3), std::string("...."));
        // The arrows move the selection; End steps the side.
        QTest::keyClick(play.picture, Qt::Key_Down);
        QTest::keyClick(play.picture, Qt::Key_End);
        QTest::keyClick(play.picture, 'x');
        QCOMPARE(play.Sides(4, 3), std::string("...x"));
    }

    void thePopupMenuActsOnTheCellItOpenedOn() {
        Playing play;
        play.RightClick(2, 4, std::nullopt);
        QMenu* menu = play.window.boardView()->PopupMenu();
        QTRY_VERIFY(menu->isVisible());
        QAction* setAllX = menu->findChild<QAction*>("setAllXEntry");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(setAllX).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(play.Sides(2, 4), std::string("xxxx"));

        menu->findChild<QAction*>("setYellowEntry")->trigger();
        QCOMPARE(play.app().grid.CellColour[2][4], Yellow);
        menu->findChild<QAction*>("barEntry_2")->trigger();
        QCOMPARE(play.Sides(2, 4), std::string("xx.x"));
        // The side was taken by the menu: keys wait for the pointer to select a side again.
        QTest::keyClick(play.picture, 'b');
        QCOMPARE(play.Sides(2, 4), std::string("xx.x"));
    }

    void autofillCompletesASatisfiedClueWithinATick() {
        Playing play;
        QLabel* light = play.Find<QLabel>("autofillLight");
        QTest::mouseClick(light, Qt::LeftButton);
        QCOMPARE(light->text(), QString("A"));
        for (const Side side : {Side::Left, Side::Top, Side::Right}) {
            play.Move(1, 2, side);
            QTest::keyClick(play.picture, 'b');
        }
        QTRY_COMPARE(play.Sides(1, 2), std::string("bbbx"));
        QTest::mouseClick(light, Qt::LeftButton);
        QCOMPARE(light->text(), QString());
    }

    void theViewButtonsShowTheSolutionWhileHeld() {
        Playing play;
        play.RightClick(1, 1, Side::Left);
        play.RightClick(1, 1, Side::Left);  // an X where the solution has a bar
        QToolButton* view = play.Find("showSolutionButton");
        QTest::mousePress(view, Qt::LeftButton);
        QCOMPARE(play.Sides(1, 1), std::string("bbb."));
        QTest::mouseRelease(view, Qt::LeftButton);
        QCOMPARE(play.Sides(1, 1), std::string("x..."));

        QToolButton* loop = play.Find("showLoopButton");
        QTest::mousePress(loop, Qt::RightButton);
        QCOMPARE(play.app().grid.CellColour[1][1], Yellow);
        QTest::mouseRelease(loop, Qt::RightButton);
        QCOMPARE(play.app().grid.CellColour[1][1], 0);
        QCOMPARE(play.Sides(1, 1), std::string("x..."));
    }

    void zoomChangesTheCellsAndTheLeftButtonDrags() {
        Playing play;
        const int fitted = play.app().geometry.CellSize;
        const int width = play.picture->width();
        play.Click("zoomInButton");
        QVERIFY(play.app().geometry.CellSize > fitted && play.picture->width() > width);
        QTest::keyClick(&play.window, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&play.window, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(play.app().geometry.CellSize < fitted);
        QTest::keyClick(&play.window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(play.app().geometry.CellSize, fitted);

        // The left button drags the board and enters nothing; a redraw leaves it there.
        const QPoint start = play.picture->pos();
        const QPoint grip = play.At(2, 2, Side::Left);
        QTest::mousePress(play.picture, Qt::LeftButton, {}, grip);
        QTest::mouseMove(play.picture, grip + QPoint(30, 20));
        QTest::mouseRelease(play.picture, Qt::LeftButton, {}, grip + QPoint(30, 20));
        QCOMPARE(play.picture->pos(), start + QPoint(30, 20));
        QCOMPARE(play.Sides(2, 2), std::string("...."));
        play.window.boardView()->Redraw();
        QCOMPARE(play.picture->pos(), start + QPoint(30, 20));
    }

    void clearingAndResettingAskFirst() {
        Playing play;
        play.RightClick(3, 3, Side::Bottom);
        auto yes = test::AnswerNextMessage("Yes");
        play.Click("eraseBarsButton");
        QCOMPARE(yes->text, QString("All Bars/Xs will be cleared (cannot undo), Proceed ?"));
        QCOMPARE(play.Sides(3, 3), std::string("...."));
        QCOMPARE(play.app().play.undo.size(), std::size_t(1));

        // A right click on the undo button asks the question of "Reset", not an undo.
        play.RightClick(3, 3, Side::Bottom);
        auto reset = test::AnswerNextMessage("Yes");
        play.Click("undoButton", Qt::RightButton);
        QVERIFY(reset->text.startsWith("All User Entries"));
        QCOMPARE(play.Sides(3, 3), std::string("...."));
        QVERIFY(play.app().play.undo.empty());
    }
};

QTEST_MAIN(BoardPlayTest)
#include "board_play_test.moc"
