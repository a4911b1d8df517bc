// The main window's puzzle browser: the browse button shows it in place of the board and takes it
// away again, as does a right click on it; a click on a picture loads that puzzle.
#include <QStackedWidget>

#include "commands/collection_navigation.h"
#include "ui/board_view.h"
#include "ui/browser_view.h"
#include "ui/main_window.h"

namespace ringlace {

void MainWindow::BuildBrowser() {
    browserView_ = new BrowserView(app_, boardStack_);
    boardStack_->addWidget(browserView_);
    connect(browserView_, &BrowserView::puzzleChosen, this, &MainWindow::onBrowserChose);
    connect(browserView_, &BrowserView::closeRequested, this, &MainWindow::CloseBrowser);
}

// Without a puzzle file (a fresh start with nothing loaded) there is nothing to browse and the
// board stays, as the arrows then do nothing either.
void MainWindow::onBrowse() {
    if (boardStack_->currentWidget() == browserView_) {
        CloseBrowser();
        return;
    }
    if (app_.place.number < 1) return;
    browserView_->ReadFile();
    boardStack_->setCurrentWidget(browserView_);
}

// Loading the puzzle brings the board back (ShowNewPuzzle); a refused or unreadable one leaves
// the browser open for another choice.
void MainWindow::onBrowserChose(int number) {
    if (GoToNumber(app_, number)) AfterLoading(true);
}

void MainWindow::CloseBrowser() {
    boardStack_->setCurrentWidget(boardView_);
    BoardTakesFocus();
}

}  // namespace ringlace
