// The main window: the board in its frame, the command bar with the puzzle's labels and the
// buttons, the status line, and the menus.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <array>

#include "commands/app.h"
#include "commands/collection_navigation.h"
#include "commands/exchange_commands.h"
#include "commands/startup.h"
#include "create/make_puzzle.h"
#include "play/board_layout.h"
#include "ui/qt_host.h"

class QAction;
class QFrame;
class QGridLayout;
class QStackedWidget;
class QTimer;

namespace ringlace {

class BoardView;
class BrowserView;
class CommandButton;
class HelpWindow;
class ClickLabel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const AppPaths& paths, QWidget* parent = nullptr);

    // The start-up sequence; End means the program cannot run (the person has been told why).
    StartOutcome StartUp();

    // Shows puzzle `number` of the file, as the command line or a dropped file asks.
    void OpenFile(const QString& fileName, int number);

    App& app() { return app_; }
    BoardView* boardView() const { return boardView_; }

signals:
    // The program is to end (the exit command was confirmed).
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The menus and the window's keys (main_window_menus.cpp).
    void BuildMenus();
    void BuildFileMenu();
    void BuildShortcuts();
    // The recent-file entries as the settings hold them; the separator shows when one does.
    void ShowRecentFiles();

    // The window (main_window.cpp).
    void BuildWindow();
    QFrame* BuildCommandBar(QWidget* parent);
    void BuildButtons(QGridLayout* grid, QWidget* parent);
    void ApplyColourScheme();
    void ShowLabels();
    void ShowStatus(const std::string& text);
    void ShowProgress(int percent);
    // Runs the board's timers as the play state asks and shows the check light.
    void SyncBoardState();

    // The commands (main_window_commands.cpp).
    void onExit();
    void onOptions();
    void onSaveOptions();
    void onClearAllBars();
    void onReset();
    void onAutoSolveEntry();
    void onAutoSolveButton();
    // Runs a solve command with the cancel button active, then shows the board it leaves.
    template <typename Solve>
    void RunSolve(Solve&& solve);
    // The cancel button in its active colour while a long command runs, or back to normal.
    void ShowCancelActive(bool active);
    void onSinglePuzzle();
    void onNewPuzzle(Qt::MouseButton button);
    // Creates one puzzle from the size field and the level label, with the cancel button active;
    // the board shows the new empty grid meanwhile, then the puzzle (or the previous one).
    void RunCreate(CreateKind kind);
    // Puzzles with Options and Jumbo 50x50 (main_window_creation.cpp).
    void onCreateBatch();
    void onCreateJumbo();
    // The puzzle editors, and what they hand back; Autosolve while a pattern is applied.
    void onEditNumbers();
    void onEditPattern();
    void onEditLoop();
    void onCreateOnPattern();
    void onCancel();
    void onVerifyPressed();
    void onVerifyReleased();
    void onUndo(Qt::MouseButton button);
    // The hint button: the left button shows the hint, the right one applies its step.
    void onHint(Qt::MouseButton button);
    void onZoom(ZoomStep step);
    void onShowSolutionPressed();
    void onShowLoopPressed(Qt::MouseButton button);
    void onViewReleased();
    void onRedo();
    void onAutofillClicked();
    void onLevelClicked();
    void onAutofillTimer();
    void onErrorMarkerTimer();
    void BoardTakesFocus();

    // The collection commands (main_window_collection.cpp).
    void onMove(PuzzleMove move);
    void onMoveButton(PuzzleMove move, PuzzleMove rightButtonMove, Qt::MouseButton button);
    void onTypedNumber();
    void onOpen();
    void onOpenRecent(int index);
    void onAppendPuzzle();
    void onAppendUserEntries();
    void onDelete();
    void onHelp();
    void onAbout();
    void onImport();
    void onPaste();
    void onCopy(ClipboardCopy what);
    void onPrintCurrent();
    void onPrintRange();
    // A puzzle was loaded, or the shown record moved: labels, board and recent files anew.
    void ShowNewPuzzle();
    // The end of a command that may have loaded a puzzle: shows it, and the board takes the keys.
    void AfterLoading(bool loaded);

    // The puzzle browser in place of the board (main_window_browser.cpp).
    void BuildBrowser();
    void onBrowse();
    void onBrowserChose(int number);
    void CloseBrowser();

    QtHost host_;
    App app_;

    QStackedWidget* boardStack_ = nullptr;
    BoardView* boardView_ = nullptr;
    BrowserView* browserView_ = nullptr;
    QFrame* commandBar_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLineEdit* puzzleNumberBox_ = nullptr;
    QLabel* puzzleCountLabel_ = nullptr;
    QLineEdit* sizeField_ = nullptr;
    ClickLabel* levelLabel_ = nullptr;
    QLabel* openShareLabel_ = nullptr;
    ClickLabel* autofillLight_ = nullptr;
    QLabel* statusText_ = nullptr;
    QProgressBar* progressBar_ = nullptr;

    CommandButton* undoButton_ = nullptr;
    CommandButton* eraseBarsButton_ = nullptr;
    CommandButton* verifyButton_ = nullptr;
    CommandButton* autosolveButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    CommandButton* newPuzzleButton_ = nullptr;
    CommandButton* newWithOptionsButton_ = nullptr;
    CommandButton* editNumbersButton_ = nullptr;
    CommandButton* editPatternButton_ = nullptr;
    CommandButton* editLoopButton_ = nullptr;
    CommandButton* hintButton_ = nullptr;
    std::array<CommandButton*, 3> zoomButtons_{};
    CommandButton* showSolutionButton_ = nullptr;
    CommandButton* showLoopButton_ = nullptr;
    CommandButton* previousButton_ = nullptr;
    CommandButton* nextButton_ = nullptr;
    CommandButton* randomButton_ = nullptr;
    CommandButton* browseButton_ = nullptr;
    CommandButton* loadButton_ = nullptr;
    CommandButton* saveButton_ = nullptr;
    CommandButton* helpButton_ = nullptr;
    CommandButton* importButton_ = nullptr;
    CommandButton* printButton_ = nullptr;

    std::array<QAction*, kRecentFileCount> recentActions_{};
    QAction* recentSeparator_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;

    // The level the next creation is made at, as the level label shows it: the shown puzzle's,
    // until a click steps it.
    std::string levelCaption_;

    QTimer* autofillTimer_ = nullptr;
    QTimer* errorMarkerTimer_ = nullptr;
};

}  // namespace ringlace
