#include "ui/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMimeData>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "model/puzzle_labels.h"
#include "play/check_display.h"
#include "ui/board_view.h"
#include "ui/browser_view.h"
#include "ui/button_pictures.h"
#include "ui/click_label.h"
#include "ui/command_button.h"
#include "ui/qt_canvas.h"

namespace ringlace {

namespace {

constexpr int kButtonSide = 40;

QString Css(std::int32_t colour) {
    return ToQColor(colour).name();
}

}  // namespace

MainWindow::MainWindow(const AppPaths& paths, QWidget* parent)
    : QMainWindow(parent),
      host_(this, [this] { return app_.scheme[kMessageColour]; }),
      app_(host_) {
    setObjectName("MainWindow");
    setWindowTitle(kProgramTitle);
    app_.paths = paths;
    host_.SetStatusLine({[this](const std::string& text) { ShowStatus(text); },
                         [this](int percent) { ShowProgress(percent); }});
    // A creation shows its new, still empty grid while it works, and a batch its place in the
    // output file ("3 of 10").
    host_.SetBoardShow([this] {
        const PuzzleLabels labels = DescribePuzzle(app_.grid, app_.place);
        sizeField_->setText(QString::fromStdString(labels.size));
        fileLabel_->setText(QString::fromStdString(labels.fileName));
        puzzleNumberBox_->setText(QString::fromStdString(labels.puzzleNumber));
        puzzleCountLabel_->setText(QString::fromStdString(labels.puzzleCount));
        boardView_->FitAndRedraw();
    });
    BuildMenus();
    BuildWindow();
    BuildShortcuts();

    autofillTimer_ = new QTimer(this);
    autofillTimer_->setObjectName("autofillTimer");
    autofillTimer_->setInterval(100);
    connect(autofillTimer_, &QTimer::timeout, this, &MainWindow::onAutofillTimer);
    errorMarkerTimer_ = new QTimer(this);
    errorMarkerTimer_->setObjectName("errorMarkerTimer");
    errorMarkerTimer_->setInterval(3000);
    connect(errorMarkerTimer_, &QTimer::timeout, this, &MainWindow::onErrorMarkerTimer);
    connect(boardView_, &BoardView::boardChanged, this, &MainWindow::SyncBoardState);

    setAcceptDrops(true);
    resize(1000, 760);
    setMinimumSize(640, 480);
}

void MainWindow::BuildWindow() {
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);

    commandBar_ = BuildCommandBar(central);
    boardStack_ = new QStackedWidget(central);
    boardView_ = new BoardView(app_, boardStack_);
    boardView_->setMinimumSize(320, 320);
    boardStack_->addWidget(boardView_);
    BuildBrowser();

    statusText_ = new QLabel(central);
    statusText_->setObjectName("statusText");
    statusText_->setMinimumHeight(24);
    progressBar_ = new QProgressBar(central);
    progressBar_->setObjectName("progressBar");
    progressBar_->setRange(0, 100);
    progressBar_->setTextVisible(false);
    progressBar_->setFixedWidth(200);
    progressBar_->hide();

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(statusText_, 1);
    statusRow->addWidget(progressBar_);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    body->addWidget(commandBar_);
    body->addWidget(boardStack_, 1);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addLayout(body, 1);
    layout->addLayout(statusRow);
}

QFrame* MainWindow::BuildCommandBar(QWidget* parent) {
    auto* commandBar = new QFrame(parent);
    commandBar->setObjectName("commandBar");
    commandBar->setFixedWidth(196);
    auto* bar = new QVBoxLayout(commandBar);
    bar->setContentsMargins(10, 10, 10, 10);
    bar->setSpacing(8);

    fileLabel_ = new QLabel(commandBar);
    fileLabel_->setObjectName("fileLabel");
    fileLabel_->setWordWrap(true);
    bar->addWidget(fileLabel_);

    auto* numberRow = new QHBoxLayout;
    puzzleNumberBox_ = new QLineEdit(commandBar);
    puzzleNumberBox_->setObjectName("puzzleNumberBox");
    puzzleNumberBox_->setFixedWidth(56);
    puzzleNumberBox_->setAlignment(Qt::AlignRight);
    puzzleNumberBox_->setToolTip("Type a puzzle number and press Enter");
    connect(puzzleNumberBox_, &QLineEdit::returnPressed, this, &MainWindow::onTypedNumber);
    puzzleCountLabel_ = new QLabel(commandBar);
    puzzleCountLabel_->setObjectName("puzzleCountLabel");
    numberRow->addWidget(puzzleNumberBox_);
    numberRow->addWidget(puzzleCountLabel_, 1);
    bar->addLayout(numberRow);

    auto* facts = new QFormLayout;
    sizeField_ = new QLineEdit(commandBar);
    sizeField_->setObjectName("sizeField");
    sizeField_->setToolTip("Puzzle size, enter new size as RxC\nor blank for random size");
    levelLabel_ = new ClickLabel(commandBar);
    levelLabel_->setObjectName("levelLabel");
    levelLabel_->setToolTip(ToolTipText("Difficulty Level, click to set"));
    levelLabel_->setCursor(Qt::PointingHandCursor);
    connect(levelLabel_, &ClickLabel::clicked, this, &MainWindow::onLevelClicked);
    openShareLabel_ = new QLabel(commandBar);
    openShareLabel_->setObjectName("openShareLabel");
    openShareLabel_->setToolTip("% of open cells");
    autofillLight_ = new ClickLabel(commandBar);
    autofillLight_->setObjectName("autofillLight");
    autofillLight_->setToolTip(
        ToolTipText("In autofill mode will go read if a user entry is invalid"));
    autofillLight_->setFixedSize(28, 24);
    autofillLight_->setAlignment(Qt::AlignCenter);
    autofillLight_->setCursor(Qt::PointingHandCursor);
    connect(autofillLight_, &ClickLabel::clicked, this, &MainWindow::onAutofillClicked);
    facts->addRow("Size", sizeField_);
    facts->addRow("Level", levelLabel_);
    facts->addRow("Open", openShareLabel_);
    facts->addRow("Autofill", autofillLight_);
    bar->addLayout(facts);
    bar->addSpacing(6);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    BuildButtons(buttons, commandBar);
    bar->addLayout(buttons);
    bar->addStretch();
    return commandBar;
}

void MainWindow::BuildButtons(QGridLayout* grid, QWidget* parent) {
    const auto make = [&](const char* name, const char* toolTip, ButtonPicture picture, int row,
                          int column) {
        auto* button = new CommandButton(name, toolTip, parent);
        button->setIcon(ButtonIcon(picture));
        button->setIconSize(QSize(26, 26));
        button->setFixedSize(kButtonSide, kButtonSide);
        grid->addWidget(button, row, column);
        return button;
    };
    previousButton_ = make("previousButton", "Previous puzzle|Rightclick for first puzzle",
                           ButtonPicture::Previous, 0, 0);
    nextButton_ =
        make("nextButton", "Next puzzle|Right click for last puzzle", ButtonPicture::Next, 0, 1);
    randomButton_ = make("randomButton", "Random puzzle", ButtonPicture::Random, 0, 2);
    browseButton_ = make("browseButton", "Browse Puzzle File", ButtonPicture::Browse, 0, 3);
    loadButton_ = make("loadButton", "Load a puzzle file", ButtonPicture::Load, 1, 0);
    saveButton_ = make("saveButton", "Save current puzzle", ButtonPicture::Save, 1, 1);
    helpButton_ = make("helpButton", "Display help file", ButtonPicture::Help, 1, 2);
    importButton_ = make("importButton", "Import a puzzle file", ButtonPicture::Import, 1, 3);
    printButton_ =
        make("printButton", "Print current puzzle and its solution", ButtonPicture::Print, 4, 3);
    undoButton_ = make("undoButton", "Undo last user entry|Rightclick to reset puzzle",
                       ButtonPicture::Undo, 2, 0);
    eraseBarsButton_ = make("eraseBarsButton", "Erase all bars", ButtonPicture::EraseBars, 2, 1);
    showSolutionButton_ =
        make("showSolutionButton", "View solution bars", ButtonPicture::ViewBars, 2, 2);
    showLoopButton_ = make("showLoopButton",
                           "Leftclick = view solution loop|Rightclick = show parity colours also",
                           ButtonPicture::ViewLoop, 2, 3);
    zoomButtons_[0] = make("zoomOutButton", "Zoom out", ButtonPicture::ZoomOut, 3, 0);
    zoomButtons_[1] = make("zoomInButton", "Zoom in", ButtonPicture::ZoomIn, 3, 1);
    zoomButtons_[2] = make("zoomResetButton", "Reset zoom", ButtonPicture::ZoomReset, 3, 2);
    newPuzzleButton_ = make("newPuzzleButton", "Create a new puzzle|Rightclick for 03Only puzzle",
                            ButtonPicture::NewPuzzle, 3, 3);
    verifyButton_ =
        make("verifyButton", "Check if your solution is correct", ButtonPicture::Verify, 4, 0);
    autosolveButton_ =
        make("autosolveButton", "Let computer solve this puzzle", ButtonPicture::Autosolve, 4, 1);
    cancelButton_ = make("cancelButton", "Cancel current operation", ButtonPicture::Cancel, 4, 2);
    newWithOptionsButton_ = make("newWithOptionsButton", "Create a puzzle with options",
                                 ButtonPicture::NewWithOptions, 5, 0);
    editNumbersButton_ =
        make("editNumbersButton", "Edit numbers values", ButtonPicture::EditNumbers, 5, 1);
    editPatternButton_ =
        make("editPatternButton", "Edit numbers locations", ButtonPicture::EditPattern, 5, 2);
    editLoopButton_ =
        make("editLoopButton", "Edit bar locations of the link", ButtonPicture::EditLoop, 5, 3);
    hintButton_ =
        make("hintButton", "Show the next step|Rightclick to apply it", ButtonPicture::Hint, 6, 0);
    connect(previousButton_, &CommandButton::clickedWith, this, [this](Qt::MouseButton button) {
        onMoveButton(PuzzleMove::Previous, PuzzleMove::First, button);
    });
    connect(nextButton_, &CommandButton::clickedWith, this, [this](Qt::MouseButton button) {
        onMoveButton(PuzzleMove::Next, PuzzleMove::Last, button);
    });
    connect(randomButton_, &CommandButton::clickedWith, this,
            [this] { onMove(PuzzleMove::Random); });
    connect(browseButton_, &CommandButton::clickedWith, this, [this] { onBrowse(); });
    connect(loadButton_, &CommandButton::clickedWith, this, [this] { onOpen(); });
    connect(saveButton_, &CommandButton::clickedWith, this, [this] { onAppendPuzzle(); });
    connect(helpButton_, &CommandButton::clickedWith, this, [this] { onHelp(); });
    connect(importButton_, &CommandButton::clickedWith, this, [this] { onImport(); });
    connect(printButton_, &CommandButton::clickedWith, this, [this] { onPrintCurrent(); });
    connect(undoButton_, &CommandButton::clickedWith, this, &MainWindow::onUndo);
    connect(eraseBarsButton_, &CommandButton::clickedWith, this, [this] { onClearAllBars(); });
    const ZoomStep steps[] = {ZoomStep::Out, ZoomStep::In, ZoomStep::Reset};
    for (int k = 0; k < 3; ++k)
        connect(zoomButtons_[static_cast<std::size_t>(k)], &CommandButton::clickedWith, this,
                [this, step = steps[k]] { onZoom(step); });
    connect(verifyButton_, &CommandButton::pressedWith, this, [this] { onVerifyPressed(); });
    connect(verifyButton_, &CommandButton::releasedWith, this, [this] { onVerifyReleased(); });
    connect(autosolveButton_, &CommandButton::clickedWith, this, [this] { onAutoSolveButton(); });
    connect(cancelButton_, &CommandButton::clickedWith, this, [this] { onCancel(); });
    connect(hintButton_, &CommandButton::clickedWith, this, &MainWindow::onHint);
    connect(newPuzzleButton_, &CommandButton::clickedWith, this, &MainWindow::onNewPuzzle);
    connect(newWithOptionsButton_, &CommandButton::clickedWith, this, [this] { onCreateBatch(); });
    connect(editNumbersButton_, &CommandButton::clickedWith, this, [this] { onEditNumbers(); });
    connect(editPatternButton_, &CommandButton::clickedWith, this, [this] { onEditPattern(); });
    connect(editLoopButton_, &CommandButton::clickedWith, this, [this] { onEditLoop(); });
    connect(showSolutionButton_, &CommandButton::pressedWith, this,
            [this] { onShowSolutionPressed(); });
    connect(showSolutionButton_, &CommandButton::releasedWith, this, &MainWindow::onViewReleased);
    connect(showLoopButton_, &CommandButton::pressedWith, this, &MainWindow::onShowLoopPressed);
    connect(showLoopButton_, &CommandButton::releasedWith, this, &MainWindow::onViewReleased);
}

StartOutcome MainWindow::StartUp() {
    QStringList families = QFontDatabase::families();
    std::vector<std::string> fonts;
    for (const QString& family : families) fonts.push_back(family.toStdString());
    if (ringlace::StartUp(app_, fonts) == StartOutcome::End) return StartOutcome::End;
    ApplyColourScheme();
    ShowLabels();
    boardView_->FitAndRedraw();
    BoardTakesFocus();
    return StartOutcome::Run;
}

// The window's colours come from the colour scheme: the board's frame, the command bar and its
// buttons, the status line; the autofill box shows the mode and the last check.
void MainWindow::ApplyColourScheme() {
    const SchemeColours& c = app_.scheme;
    setStyleSheet(
        QString("#centralWidget { background: %1; }"
                "#boardView { background: %2; }"
                "#commandBar { background: %3; border: 1px solid %4; border-radius: 4px; }"
                "#commandBar QLabel { color: %5; }"
                "#statusText { color: %6; }"
                "QProgressBar::chunk { background: %7; }"
                "#commandBar QToolButton { background: %8; border: 1px solid %4;"
                " border-radius: 5px; }"
                "#commandBar QToolButton:hover { background: %9; }"
                "#commandBar QToolButton:pressed { background: %4; }"
                "#commandBar QToolButton:disabled { background: %3; border-color: %8; }"
                "#commandBar QToolButton[active=\"true\"] { background: %10; }")
            .arg(Css(c[kWindowColour]), Css(c[kBoardFrameColour]), Css(c[kButtonColour]),
                 Css(c[kButtonShadowColour]), Css(c[kLabelTextColour]), Css(c[kStatusTextColour]),
                 Css(c[kProgressColour]), Css(c[kBoardColour]), Css(c[kBoardLightColour]))
            .arg(Css(c[kActiveButtonColour])));
    const bool right = app_.settings.MenuBarSide == 1;
    auto* body = static_cast<QHBoxLayout*>(centralWidget()->layout()->itemAt(0)->layout());
    body->setDirection(right ? QBoxLayout::RightToLeft : QBoxLayout::LeftToRight);
    browserView_->update();
    SyncBoardState();
}

void MainWindow::SyncBoardState() {
    const PlayState& play = app_.play;
    if (play.autofillDue && !autofillTimer_->isActive()) autofillTimer_->start();
    if (!play.autofillDue) autofillTimer_->stop();
    if (play.errorMarkerTimed && !errorMarkerTimer_->isActive()) errorMarkerTimer_->start();
    if (!play.errorMarkerTimed) errorMarkerTimer_->stop();
    autofillLight_->setText(app_.settings.AutofillOn == 1 ? "A" : "");
    const QColor light = ToQColor(CheckLightColour(play.checkLight, app_.scheme));
    // The "A" stays readable on every light: dark on a light background, white on a dark one.
    const QColor text = light.lightness() > 140 ? Qt::black : Qt::white;
    autofillLight_->setStyleSheet(
        QString("#autofillLight { background: %1; color: %2; border: 1px solid %3;"
                " border-radius: 3px; font-weight: bold; }")
            .arg(light.name(), text.name(), Css(app_.scheme[kButtonShadowColour])));
}

void MainWindow::ShowLabels() {
    const PuzzleLabels labels = DescribePuzzle(app_.grid, app_.place);
    fileLabel_->setText(QString::fromStdString(labels.fileName));
    fileLabel_->setToolTip(QString::fromStdString(labels.filePath));
    puzzleNumberBox_->setText(QString::fromStdString(labels.puzzleNumber));
    puzzleCountLabel_->setText(QString::fromStdString(labels.puzzleCount));
    sizeField_->setText(QString::fromStdString(labels.size));
    levelCaption_ = labels.difficulty;
    levelLabel_->setText(QString::fromStdString(levelCaption_));
    openShareLabel_->setText(QString::fromStdString(labels.openShare));
    const QString place = labels.fileName.empty()
                              ? QString()
                              : QString::fromStdString(labels.fileName + " - " +
                                                       labels.puzzleNumber + labels.puzzleCount);
    setWindowTitle(place.isEmpty() ? kProgramTitle : place + " - " + kProgramTitle);
}

void MainWindow::ShowStatus(const std::string& text) {
    statusText_->setText(QString::fromStdString(text));
}

void MainWindow::ShowProgress(int percent) {
    progressBar_->setValue(percent);
    progressBar_->setVisible(percent > 0 && percent < 100);
}

// Closing the window by its frame ends the program at once, without the question and without
// writing the configuration: only the exit command saves. A solve still running stops at its
// next yield rather than go on in a window no one sees.
void MainWindow::closeEvent(QCloseEvent* event) {
    app_.runState.cancelRequested = app_.runState.cancelRequested || app_.runState.busy;
    event->accept();
    emit programEnded();
}

// A puzzle file dropped on the window opens at its first puzzle.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: a message about the file must not hold up the dragging program.
    QTimer::singleShot(0, this, [this, file = urls.front().toLocalFile()] { OpenFile(file, 1); });
}

}  // namespace ringlace
