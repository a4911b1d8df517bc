// The hint button, its menu entry and keys on the real window.
#include <QAction>
#include <QTest>

#include "model/puzzle_record.h"
#include "window_helpers.h"

using namespace ringlace;

class HintButtonTest : public QObject {
    Q_OBJECT

private slots:
    void leftShowsTheHintAndRightEntersIt() {
        test::StartedWindow playing;
        QToolButton* hint = playing.Find("hintButton");
        const std::string before = UserRecordText(playing.app().grid);

        QTest::mouseClick(hint, Qt::LeftButton);
        QVERIFY(playing.Status().contains(": "));
        QVERIFY(playing.app().play.markers.hint.edge.visible);
        QCOMPARE(UserRecordText(playing.app().grid), before);

        QTest::mouseClick(hint, Qt::RightButton);
        QCOMPARE(playing.app().play.undo.size(), std::size_t{1});
        QVERIFY(UserRecordText(playing.app().grid) != before);
        QVERIFY(!playing.app().play.markers.hint.edge.visible);

        // Solve > Hint (H) and Shift+H do the same.
        playing.Find<QAction>("hintAction")->trigger();
        QVERIFY(playing.app().play.markers.hint.edge.visible);
        QCOMPARE(playing.Find<QAction>("hintAction")->shortcut(), QKeySequence(Qt::Key_H));
        playing.Find<QAction>("applyHintShortcut")->trigger();
        QCOMPARE(playing.app().play.undo.size(), std::size_t{2});
    }
};

QTEST_MAIN(HintButtonTest)
#include "hint_button_test.moc"
