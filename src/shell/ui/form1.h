// The main window: the board in its frame, the command bar with the puzzle's labels and the
// buttons, the status line, and the menus.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <array>

#include "create/make_puzzle.h"
#include "model/startup.h"
#include "play/board_layout.h"
#include "shell/app.h"
#include "shell/ui/qt_host.h"

class QAction;
class QFrame;
class QGridLayout;
class QTimer;

namespace ringlace {

class BoardView;
class BoxControl;
class ClickLabel;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const AppPaths& paths, QWidget* parent = nullptr);

    // The start-up sequence; End means the program cannot run (the person has been told why).
    StartOutcome StartUp();

    App& app() { return app_; }
    BoardView* Picture5() const { return picture5_; }

signals:
    // The program is to end (the exit command was confirmed).
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The window (form1.cpp).
    void BuildMenus();
    void BuildWindow();
    QFrame* BuildCommandBar(QWidget* parent);
    void BuildButtons(QGridLayout* grid, QWidget* parent);
    void BuildShortcuts();
    void ApplyColourScheme();
    void ShowLabels();
    void ShowStatus(const std::string& text);
    void ShowProgress(int percent);
    // Runs the board's timers as the session asks and shows the check light.
    void SyncBoardState();

    // The commands (form1_commands.cpp).
    void mnuexit_Click();
    void mnuopts_Click();
    void mnuoptup_Click();
    void mnuclearbars_Click();
    void mnureset_Click();
    void mnuautosolvex_Click();
    void cmdautosolve_Click();
    // Runs a solve command with the cancel button active, then shows the board it leaves.
    template <typename Solve>
    void RunSolve(Solve&& solve);
    // The cancel button in its active colour while a long command runs, or back to normal.
    void ShowCancelActive(bool active);
    void mnucreate1_Click();
    void cmdnew1_Click(Qt::MouseButton button);
    // Creates one puzzle from the size field and the level label, with the cancel button active;
    // the board shows the new empty grid meanwhile, then the puzzle (or the previous one).
    void RunCreate(CreateKind kind);
    void cmdcanx_Click();
    void cmdverify_MouseDown();
    void cmdverify_MouseUp();
    void cmdundo_Click(Qt::MouseButton button);
    void cmdzoom_Click(ZoomStep step);
    void cmdviewsol_MouseDown();
    void cmdviewcol_MouseDown(Qt::MouseButton button);
    void View_MouseUp();
    void Label4_Click();
    void Label7_Click();
    void Timer2_Timer();
    void Timer3_Timer();
    void BoardTakesFocus();

    QtHost host_;
    App app_;

    BoardView* picture5_ = nullptr;
    QFrame* commandBar_ = nullptr;
    QLabel* puzfile_ = nullptr;
    QLineEdit* puzNumNow_ = nullptr;
    QLabel* puzNumber_ = nullptr;
    QLineEdit* label3_ = nullptr;
    ClickLabel* label7_ = nullptr;
    QLabel* label9_ = nullptr;
    ClickLabel* label4_ = nullptr;
    QLabel* label1_ = nullptr;
    QProgressBar* progress_ = nullptr;

    BoxControl* cmdundo_ = nullptr;
    BoxControl* cmdnobars_ = nullptr;
    BoxControl* cmdverify_ = nullptr;
    BoxControl* cmdautosolve_ = nullptr;
    BoxControl* cmdcanx_ = nullptr;
    BoxControl* cmdnew1_ = nullptr;
    std::array<BoxControl*, 3> cmdzoom_{};
    BoxControl* cmdviewsol_ = nullptr;
    BoxControl* cmdviewcol_ = nullptr;

    QTimer* timer2_ = nullptr;
    QTimer* timer3_ = nullptr;
};

}  // namespace ringlace
