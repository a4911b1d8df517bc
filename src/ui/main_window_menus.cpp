// The main window's menu bar and the keys of its commands.
#include <QMenuBar>

#include "commands/exchange_commands.h"
#include "ui/main_window.h"

namespace ringlace {

namespace {

// A menu entry with its object name, its keys and the command it starts.
template <typename Act>
QAction* Entry(QMenu* menu, const char* caption, const char* name, QObject* receiver, Act act,
               const QList<QKeySequence>& keys = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, receiver, act);
    return action;
}

// The "Cancel" entry that only closes its menu.
void CancelEntry(QMenu* menu, const char* name) {
    menu->addSeparator();
    menu->addAction("Cancel")->setObjectName(name);
}

}  // namespace

void MainWindow::BuildMenus() {
    BuildFileMenu();

    QMenu* create = menuBar()->addMenu("Create");
    create->setObjectName("createMenu");
    Entry(create, "Single Puzzle", "singlePuzzleAction", this, [this] { onSinglePuzzle(); },
          {QKeySequence::New});
    Entry(create, "Puzzles with Options", "puzzlesWithOptionsAction", this,
          [this] { onCreateBatch(); });
    Entry(create, "Jumbo 50x50", "jumboAction", this, [this] { onCreateJumbo(); });
    Entry(create, "Import Puzzle File", "importPuzzleFileAction", this, [this] { onImport(); });
    Entry(create, "Paste Puzzle", "pastePuzzleAction", this, [this] { onPaste(); },
          {QKeySequence::Paste});
    CancelEntry(create, "cancelCreateAction");

    QMenu* solve = menuBar()->addMenu("Solve");
    solve->setObjectName("solveMenu");
    Entry(solve, "Clear ALL Bars", "clearAllBarsAction", this, [this] { onClearAllBars(); });
    Entry(solve, "Reset", "resetAction", this, [this] { onReset(); });
    Entry(solve, "Auto Solve", "autoSolveAction", this, [this] { onAutoSolveEntry(); });
    Entry(solve, "Hint", "hintAction", this, [this] { onHint(Qt::LeftButton); },
          {QKeySequence(Qt::Key_H)});
    CancelEntry(solve, "cancelSolveAction");

    QMenu* save = menuBar()->addMenu("Save");
    save->setObjectName("saveMenu");
    Entry(save, "Ringlace File", "saveRinglaceFileAction", this, [this] { onAppendPuzzle(); },
          {QKeySequence::Save});
    Entry(save, "Excel File", "saveExcelFileAction", this,
          [this] { SaveSpreadsheetCommand(app_); });
    Entry(save, "Text File", "savePlainTextAction", this, [this] { SavePlainTextCommand(app_); });
    Entry(save, "User Solution", "saveUserSolutionAction", this, [this] { onAppendUserEntries(); });
    QMenu* copy = save->addMenu("Copy to Clipboard");
    copy->setObjectName("copyMenu");
    Entry(copy, "Puzzle", "copyPuzzleAction", this, [this] { onCopy(ClipboardCopy::Puzzle); },
          {QKeySequence::Copy});
    Entry(copy, "Solution", "copySolutionAction", this,
          [this] { onCopy(ClipboardCopy::Solution); });
    Entry(copy, "Game ID", "copyGameIdAction", this, [this] { onCopy(ClipboardCopy::GameId); });
    CancelEntry(copy, "cancelCopyAction");
    Entry(save, "Delete", "deletePuzzleAction", this, [this] { onDelete(); });
    CancelEntry(save, "cancelSaveAction");

    QMenu* print = menuBar()->addMenu("Print");
    print->setObjectName("printMenu");
    QMenu* printer = print->addMenu("Printer");
    printer->setObjectName("printerMenu");
    Entry(printer, "Current Puzzle", "printCurrentAction", this, [this] { onPrintCurrent(); },
          {QKeySequence::Print});
    Entry(printer, "Multiple Puzzles", "printMultipleAction", this, [this] { onPrintRange(); });
    CancelEntry(printer, "cancelPrinterAction");
    QMenu* text = print->addMenu("Text File");
    text->setObjectName("printTextMenu");
    Entry(text, "Puzzle", "printTextPuzzleAction", this,
          [this] { SaveTextPictureCommand(app_, PictureOf::Puzzle); });
    Entry(text, "Solution", "printTextSolutionAction", this,
          [this] { SaveTextPictureCommand(app_, PictureOf::Solution); });
    CancelEntry(text, "cancelPrintTextAction");
    CancelEntry(print, "cancelPrintAction");
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("fileMenu");
    Entry(file, "Load", "loadAction", this, [this] { onOpen(); }, {QKeySequence::Open});
    QMenu* options = file->addMenu("Options");
    options->setObjectName("optionsMenu");
    Entry(options, "Set", "setOptionsAction", this, [this] { onOptions(); });
    Entry(options, "Save", "saveOptionsAction", this, [this] { onSaveOptions(); });
    options->addAction("Cancel");
    Entry(file, "Help", "helpAction", this, [this] { onHelp(); }, {QKeySequence::HelpContents});
    Entry(file, "About", "aboutAction", this, [this] { onAbout(); });
    recentSeparator_ = file->addSeparator();
    for (int k = 0; k < kRecentFileCount; ++k) {
        const QString name = QString("recentFileAction_%1").arg(k);
        recentActions_[static_cast<std::size_t>(k)] =
            Entry(file, "", name.toLatin1().constData(), this, [this, k] { onOpenRecent(k); });
    }
    file->addSeparator();
    Entry(file, "Exit", "exitAction", this, [this] { onExit(); }, {QKeySequence::Quit});
    ShowRecentFiles();
}

void MainWindow::ShowRecentFiles() {
    bool any = false;
    for (std::size_t k = 0; k < recentActions_.size(); ++k) {
        const QString path = QString::fromStdString(app_.settings.RecentFiles[k]);
        // "&" would turn the next letter of a path into a mnemonic.
        recentActions_[k]->setText(QString(path).replace("&", "&&"));
        recentActions_[k]->setVisible(!path.isEmpty());
        any = any || !path.isEmpty();
    }
    recentSeparator_->setVisible(any);
}

// The usual desktop keys for the commands, and Shift+H for the hint button's right click; none of
// them is a key the board itself uses.
void MainWindow::BuildShortcuts() {
    const auto shortcut = [this](const char* name, const QList<QKeySequence>& keys, auto act) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    shortcut("undoShortcut", {QKeySequence::Undo}, [this] { onUndo(Qt::LeftButton); });
    shortcut("redoShortcut", {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")},
             [this] { onRedo(); });
    shortcut("zoomInShortcut", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")},
             [this] { onZoom(ZoomStep::In); });
    shortcut("zoomOutShortcut", {QKeySequence::ZoomOut}, [this] { onZoom(ZoomStep::Out); });
    shortcut("zoomResetShortcut", {QKeySequence("Ctrl+0")}, [this] { onZoom(ZoomStep::Reset); });
    shortcut("previousShortcut", {QKeySequence(Qt::Key_PageUp)},
             [this] { onMove(PuzzleMove::Previous); });
    shortcut("nextShortcut", {QKeySequence(Qt::Key_PageDown)},
             [this] { onMove(PuzzleMove::Next); });
    shortcut("firstShortcut", {QKeySequence("Ctrl+Home")}, [this] { onMove(PuzzleMove::First); });
    shortcut("lastShortcut", {QKeySequence("Ctrl+End")}, [this] { onMove(PuzzleMove::Last); });
    shortcut("applyHintShortcut", {QKeySequence("Shift+H")}, [this] { onHint(Qt::RightButton); });
}

}  // namespace ringlace
