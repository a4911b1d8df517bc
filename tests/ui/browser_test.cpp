// The puzzle browser on the real window: its button, picking a puzzle by its picture, closing it
// without one, and the running work that a pick has to wait for.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "model/text_file.h"
#include "play/browser_page.h"
#include "ui/board_view.h"
#include "ui/browser_view.h"
#include "window_helpers.h"

using namespace ringlace;

namespace {

// The middle of a slot of the page, where a person would click it.
QPoint SlotCentre(const BrowserView& browser, int slot) {
    const QPointF twips(kBrowserSlotWidth * (slot % 3 + 0.5),
                        kBrowserSlotHeight * (slot / 3 + 0.5));
    return browser.ToPixels(twips).toPoint();
}

struct Browsing : test::StartedWindow {
    using StartedWindow::StartedWindow;
    BrowserView* Browser() { return window.findChild<BrowserView*>("browserView"); }
    void ClickBrowse() { QTest::mouseClick(Find("browseButton"), Qt::LeftButton); }
    void ClickSlot(int slot, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Browser(), button, {}, SlotCentre(*Browser(), slot));
    }
    bool BoardShown() { return window.boardView()->isVisible() && !Browser()->isVisible(); }
};

}  // namespace

class BrowserTest : public QObject {
    Q_OBJECT

private slots:
    // The browser takes the board's place; a click on a picture loads that puzzle and returns to
    // the board, a right click or the browse button closes it without loading.
    void aClickOnAPictureLoadsThatPuzzleAndARightClickLoadsNone() {
        Browsing browsing;
        QVERIFY(browsing.BoardShown());
        browsing.ClickBrowse();
        QVERIFY(browsing.Browser()->isVisible());
        QVERIFY(!browsing.window.boardView()->isVisible());
        // Twelve puzzles fill four rows; the bar stops where the last page is a full one.
        QCOMPARE(browsing.Browser()->scrollBar()->maximum(), 1);
        browsing.ClickSlot(2);
        QCOMPARE(browsing.app().place.number, 3);
        QVERIFY(browsing.BoardShown());
        QCOMPARE(browsing.Find<QLineEdit>("puzzleNumberBox")->text(), QString("3"));
        QCOMPARE(browsing.window.windowTitle(), QString("puzzles.txt - 3 of 12 - Ringlace 3.0"));

        browsing.ClickBrowse();
        browsing.ClickSlot(0, Qt::RightButton);
        QVERIFY(browsing.BoardShown());
        browsing.ClickBrowse();
        browsing.ClickBrowse();
        QVERIFY(browsing.BoardShown());
        QCOMPARE(browsing.app().place.number, 3);
    }

    void whileBusyAClickIsRefusedAndTheBrowserStays() {
        Browsing browsing;
        browsing.ClickBrowse();
        browsing.app().runState.busy = true;
        const auto seen = test::AnswerNextMessage("Ok");
        browsing.ClickSlot(4);
        QTRY_VERIFY(seen->answered);
        QCOMPARE(seen->text, QString("Cancel Autosolve/Create first"));
        QCOMPARE(browsing.app().place.number, 1);
        QVERIFY(browsing.Browser()->isVisible());
        browsing.app().runState.busy = false;
    }

    // A thousand puzzles (the twelve again and again) open on the page of the current one, the
    // last; the time it takes is printed for bench/browser_open.sh, never asserted.
    void aThousandPuzzleFileOpensOnTheLastPage() {
        Browsing browsing([](test::Installation& installation) {
            const std::string file = installation.folder.File("puzzles.txt");
            std::vector<std::string> twelve;
            LineReader reader(file);
            for (std::string line; reader.Next(line);) twelve.push_back(line);
            std::string thousand;
            for (std::size_t k = 0; k < 1000; ++k) thousand += twelve[k % twelve.size()] + "\r\n";
            test::WriteBytes(file, thousand);
            installation.StartAt(1000);
        });
        QCOMPARE(browsing.app().place.count, 1000);
        QElapsedTimer timer;
        timer.start();
        browsing.ClickBrowse();
        browsing.Browser()->repaint();
        qInfo("browser opened on %d puzzles in %lld ms", browsing.app().place.count,
              timer.elapsed());
        QCOMPARE(browsing.Browser()->scrollBar()->maximum(), 331);
        QCOMPARE(browsing.Browser()->FirstShown(), 993);
        browsing.ClickSlot(5);
        QCOMPARE(browsing.app().place.number, 999);
    }

    void withoutAPuzzleFileTheBoardStays() {
        Browsing browsing([](test::Installation& installation) {
            std::filesystem::remove(installation.folder.File("puzzles.txt"));
        });
        browsing.ClickBrowse();
        QVERIFY(browsing.BoardShown());
    }
};

QTEST_MAIN(BrowserTest)
#include "browser_test.moc"
