// The main window: the board in its frame, the command bar with the puzzle's labels, the status
// line, and the menus.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>

#include "model/startup.h"
#include "shell/app.h"
#include "shell/ui/qt_host.h"

class QAction;
class QFrame;

namespace ringlace {

class BoardView;

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
    void BuildMenus();
    void BuildWindow();
    void ApplyColourScheme();
    void ShowLabels();
    void ShowStatus(const std::string& text);
    void ShowProgress(int percent);
    void mnuexit_Click();

    QtHost host_;
    App app_;

    BoardView* picture5_ = nullptr;
    QFrame* commandBar_ = nullptr;
    QLabel* puzfile_ = nullptr;
    QLineEdit* puzNumNow_ = nullptr;
    QLabel* puzNumber_ = nullptr;
    QLineEdit* label3_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label1_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace ringlace
