// The main window's collection commands: moving through the puzzle file, opening, saving and
// deleting puzzles, the recent files, importing, pasting, copying and printing puzzles, help and
// about.
#include <QFileInfo>
#include <QStackedWidget>

#include "commands/collection_edits.h"
#include "commands/collection_navigation.h"
#include "commands/exchange_commands.h"
#include "commands/file_requests.h"
#include "commands/print_commands.h"
#include "commands/run_scope.h"
#include "model/text_file.h"
#include "ui/about_box.h"
#include "ui/board_view.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/print_range_dialog.h"

namespace ringlace {

void MainWindow::ShowNewPuzzle() {
    ShowLabels();
    ShowRecentFiles();
    // A new puzzle is for playing: whatever loaded it, the board comes back in place of the
    // browser.
    boardStack_->setCurrentWidget(boardView_);
    boardView_->FitAndRedraw();
    SyncBoardState();
}

void MainWindow::AfterLoading(bool loaded) {
    if (loaded) ShowNewPuzzle();
    BoardTakesFocus();
}

void MainWindow::OpenFile(const QString& fileName, int number) {
    // A path as the person typed it, made whole so that the recent files name it exactly.
    const std::string path = QFileInfo(fileName).absoluteFilePath().toStdString();
    if (OpenFileAt(app_, path, number)) ShowNewPuzzle();
}

void MainWindow::onMove(PuzzleMove move) {
    if (GoToPuzzle(app_, move)) ShowNewPuzzle();
}

// The right button jumps to the file's end the arrow points to.
void MainWindow::onMoveButton(PuzzleMove move, PuzzleMove rightButtonMove, Qt::MouseButton button) {
    onMove(button == Qt::RightButton ? rightButtonMove : move);
    BoardTakesFocus();
}

void MainWindow::onTypedNumber() {
    if (GoToTypedNumber(app_, puzzleNumberBox_->text().toStdString())) {
        ShowNewPuzzle();
        BoardTakesFocus();
    }
}

void MainWindow::onOpen() {
    AfterLoading(OpenPuzzleFileCommand(app_));
}

void MainWindow::onOpenRecent(int index) {
    AfterLoading(OpenRecentFile(app_, index));
}

void MainWindow::onAppendPuzzle() {
    if (AppendPuzzleCommand(app_)) ShowLabels();
    BoardTakesFocus();
}

void MainWindow::onAppendUserEntries() {
    if (AppendUserEntriesCommand(app_)) ShowLabels();
    BoardTakesFocus();
}

void MainWindow::onDelete() {
    AfterLoading(DeletePuzzleCommand(app_));
}

void MainWindow::onHelp() {
    const std::string page = app_.paths.InApp(kHelpPageFile);
    if (!FileExists(page)) {
        ReportFileTrouble(app_.host, FileTrouble::NotFound, page);
        return;
    }
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->ShowPage(QString::fromStdString(page));
}

void MainWindow::onImport() {
    AfterLoading(ImportPuzzleFileCommand(app_));
}

void MainWindow::onPaste() {
    AfterLoading(PastePuzzleCommand(app_));
}

void MainWindow::onCopy(ClipboardCopy what) {
    CopyToClipboardCommand(app_, what);
    BoardTakesFocus();
}

void MainWindow::onPrintCurrent() {
    PrintCurrentPuzzleCommand(app_);
    BoardTakesFocus();
}

void MainWindow::onPrintRange() {
    if (RefuseWhileBusy(app_)) return;
    const int last = std::max(app_.place.count, 1);
    PrintRangeDialog dialog(host_, {app_.place.file, 1, last, PrintStyle(app_)}, this);
    if (const std::optional<PrintRange> range = dialog.Ask()) PrintRangeCommand(app_, *range);
    BoardTakesFocus();
}

void MainWindow::onAbout() {
    AboutBox about(this);
    about.exec();
    BoardTakesFocus();
}

}  // namespace ringlace
