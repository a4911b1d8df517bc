// The collection commands on the real window: its menus, buttons and keys, the file dialog, the
// help window and the about box.
#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTextBrowser>

#include "ui/about_box.h"
#include "ui/help_window.h"
#include "window_helpers.h"

using namespace ringlace;

namespace {

// The captions of a menu's entries in order, "-" for a separator; hidden entries left out.
QStringList Captions(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        if (action->isVisible()) captions << (action->isSeparator() ? "-" : action->text());
    return captions;
}

QMenu* Menu(QMainWindow& window, const QString& caption) {
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == caption) return action->menu();
    return nullptr;
}

}  // namespace

class CollectionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theMenusHoldEveryCommandInOrder() {
        test::StartedWindow started;
        QStringList menus;
        for (QAction* action : started.window.menuBar()->actions())
            menus << action->text() + ": " + Captions(action->menu()).join(", ");
        QCOMPARE(menus, QStringList({"File: Load, Options, Help, About, -, Exit",
                                     "Create: Single Puzzle, Puzzles with Options, Jumbo 50x50, "
                                     "Import Puzzle File, Paste Puzzle, -, Cancel",
                                     "Solve: Clear ALL Bars, Reset, Auto Solve, Hint, -, Cancel",
                                     "Save: Ringlace File, Excel File, Text File, User Solution, "
                                     "Copy to Clipboard, Delete, -, Cancel",
                                     "Print: Printer, Text File, -, Cancel"}));
    }

    void buttonsKeysAndTheNumberBoxMoveThroughTheFile() {
        test::StartedWindow started;
        auto* number = started.Find<QLineEdit>("puzzleNumberBox");
        QTest::mouseClick(started.Find("previousButton"), Qt::LeftButton);
        QCOMPARE(number->text(), QString("12"));
        QCOMPARE(started.window.windowTitle(), QString("puzzles.txt - 12 of 12 - Ringlace 3.0"));
        QTest::mouseClick(started.Find("previousButton"), Qt::RightButton);
        QCOMPARE(number->text(), QString("1"));
        QTest::mouseClick(started.Find("nextButton"), Qt::RightButton);
        QCOMPARE(number->text(), QString("12"));
        QTest::keyClick(&started.window, Qt::Key_PageDown);
        QCOMPARE(number->text(), QString("1"));
        QTest::keyClick(&started.window, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(number->text(), QString("12"));

        number->setText("7");
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(started.app().place.number, 7);
        number->setText("13");
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(started.app().place.number, 7);
        QCOMPARE(number->text(), QString("13"));  // an ignored number stays to be corrected
    }

    void anOpenedFileJoinsTheRecentFiles() {
        test::StartedWindow started;
        const std::string other = started.installation.folder.File("other.txt");
        test::WriteBytes(other, "0202EA2  2BHFL\r\n0202EA2  2BHFL\r\n");
        started.window.OpenFile(QString::fromStdString(other), 1);
        QCOMPARE(started.Find<QLineEdit>("puzzleNumberBox")->text(), QString("1"));
        QCOMPARE(started.app().place.count, 2);
        QMenu* file = Menu(started.window, "File");
        QCOMPARE(Captions(file), QStringList({"Load", "Options", "Help", "About", "-",
                                              QString::fromStdString(other), "-", "Exit"}));

        // Back to the shipped file and again to the other one through its recent entry.
        started.window.OpenFile(
            QString::fromStdString(started.installation.folder.File("puzzles.txt")), 5);
        QCOMPARE(started.app().place.number, 5);
        started.window.findChild<QAction*>("recentFileAction_1")->trigger();
        QCOMPARE(started.app().place.file, other);

        // A file dropped on the window opens too.
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(
            QString::fromStdString(started.installation.folder.File("puzzles.txt")))});
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &dropped, Qt::LeftButton,
                        Qt::NoModifier);
        // Straight to the window: outside a real drag the application would not deliver it.
        static_cast<QObject&>(started.window).event(&drop);
        QTRY_COMPARE(started.app().place.count, 12);
    }

    void helpShowsTheShippedPageAndAboutClosesOnEscape() {
        test::StartedWindow started;
        test::WriteBytes(started.installation.folder.File("ringlace.htm"),
                         "<html><body><h1>Ringlace</h1><a href=\"#keys\">Keys</a></body></html>");
        QTest::mouseClick(started.Find("helpButton"), Qt::LeftButton);
        auto* help = started.window.findChild<HelpWindow*>("helpWindow");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Ringlace 3.0 Help"));
        QVERIFY(help->Browser()->toPlainText().contains("Ringlace"));

        test::WhenModalShows<AboutBox>([](AboutBox& box) {
            QCOMPARE(box.windowTitle(), QString("About Ringlace 3.0"));
            QVERIFY(box.findChild<QLabel*>("aboutVersion")->text() == "Version 3.0");
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        started.window.findChild<QAction*>("aboutAction")->trigger();
        QVERIFY(!started.window.findChild<AboutBox*>());
    }
};

QTEST_MAIN(CollectionWindowTest)
#include "collection_window_test.moc"
