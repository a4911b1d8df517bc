#include "shell/ui/form1.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "play/check_display.h"
#include "play/ui/board_view.h"
#include "shell/ui/box_control.h"
#include "shell/ui/button_pictures.h"
#include "shell/ui/click_label.h"
#include "shell/ui/qt_canvas.h"

namespace ringlace {

namespace {

constexpr int kButtonSide = 40;

QString Css(std::int32_t colour) {
    return ToQColor(colour).name();
}

}  // namespace

Form1::Form1(const AppPaths& paths, QWidget* parent)
    : QMainWindow(parent), host_(this, [this] { return app_.scheme[9]; }), app_(host_) {
    setObjectName("Form1");
    setWindowTitle(kProgramTitle);
    app_.paths = paths;
    host_.SetStatusLine({[this](const std::string& text) { ShowStatus(text); },
                         [this](int percent) { ShowProgress(percent); }});
    host_.SetBoardShow([this] {
        ShowLabels();
        picture5_->FitAndRedraw();
    });
    BuildMenus();
    BuildWindow();
    BuildShortcuts();

    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(100);
    connect(timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);
    timer3_ = new QTimer(this);
    timer3_->setObjectName("Timer3");
    timer3_->setInterval(3000);
    connect(timer3_, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(picture5_, &BoardView::boardChanged, this, &Form1::SyncBoardState);

    resize(1000, 760);
    setMinimumSize(640, 480);
}

void Form1::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("mnufilex");
    QMenu* options = file->addMenu("Options");
    options->setObjectName("mnuoptx");
    QAction* set = options->addAction("Set");
    set->setObjectName("mnuopts");
    connect(set, &QAction::triggered, this, &Form1::mnuopts_Click);
    QAction* save = options->addAction("Save");
    save->setObjectName("mnuoptup");
    connect(save, &QAction::triggered, this, &Form1::mnuoptup_Click);
    options->addAction("Cancel");
    file->addSeparator();
    QAction* exit = file->addAction("Exit");
    exit->setObjectName("mnuexit");
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &Form1::mnuexit_Click);

    QMenu* create = menuBar()->addMenu("Create");
    create->setObjectName("mnupuzx");
    QAction* single = create->addAction("Single Puzzle");
    single->setObjectName("mnucreate1");
    single->setShortcut(QKeySequence::New);
    connect(single, &QAction::triggered, this, &Form1::mnucreate1_Click);
    create->addSeparator();
    create->addAction("Cancel")->setObjectName("mnucan");

    QMenu* solve = menuBar()->addMenu("Solve");
    solve->setObjectName("mnusolve");
    QAction* clearBars = solve->addAction("Clear ALL Bars");
    clearBars->setObjectName("mnuclearbars");
    connect(clearBars, &QAction::triggered, this, &Form1::mnuclearbars_Click);
    QAction* reset = solve->addAction("Reset");
    reset->setObjectName("mnureset");
    connect(reset, &QAction::triggered, this, &Form1::mnureset_Click);
    QAction* autoSolve = solve->addAction("Auto Solve");
    autoSolve->setObjectName("mnuautosolvex");
    connect(autoSolve, &QAction::triggered, this, &Form1::mnuautosolvex_Click);
    solve->addSeparator();
    solve->addAction("Cancel");
}

// The usual desktop keys for the commands; none of them is a key the board itself uses.
void Form1::BuildShortcuts() {
    const auto shortcut = [this](const char* name, const QList<QKeySequence>& keys, auto act) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    shortcut("undoShortcut", {QKeySequence::Undo}, [this] { cmdundo_Click(Qt::LeftButton); });
    shortcut("zoomInShortcut", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")},
             [this] { cmdzoom_Click(ZoomStep::In); });
    shortcut("zoomOutShortcut", {QKeySequence::ZoomOut}, [this] { cmdzoom_Click(ZoomStep::Out); });
    shortcut("zoomResetShortcut", {QKeySequence("Ctrl+0")},
             [this] { cmdzoom_Click(ZoomStep::Reset); });
}

void Form1::BuildWindow() {
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);

    commandBar_ = BuildCommandBar(central);
    picture5_ = new BoardView(app_, central);
    picture5_->setMinimumSize(320, 320);

    label1_ = new QLabel(central);
    label1_->setObjectName("Label1");
    label1_->setMinimumHeight(24);
    progress_ = new QProgressBar(central);
    progress_->setObjectName("ProgressBar");
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    progress_->setFixedWidth(200);
    progress_->hide();

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(label1_, 1);
    statusRow->addWidget(progress_);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    body->addWidget(commandBar_);
    body->addWidget(picture5_, 1);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addLayout(body, 1);
    layout->addLayout(statusRow);
}

QFrame* Form1::BuildCommandBar(QWidget* parent) {
    auto* commandBar = new QFrame(parent);
    commandBar->setObjectName("commandBar");
    commandBar->setFixedWidth(196);
    auto* bar = new QVBoxLayout(commandBar);
    bar->setContentsMargins(10, 10, 10, 10);
    bar->setSpacing(8);

    puzfile_ = new QLabel(commandBar);
    puzfile_->setObjectName("Puzfile");
    puzfile_->setWordWrap(true);
    bar->addWidget(puzfile_);

    auto* numberRow = new QHBoxLayout;
    puzNumNow_ = new QLineEdit(commandBar);
    puzNumNow_->setObjectName("PuzNumNow");
    puzNumNow_->setFixedWidth(56);
    puzNumNow_->setAlignment(Qt::AlignRight);
    puzNumNow_->setReadOnly(true);
    puzNumber_ = new QLabel(commandBar);
    puzNumber_->setObjectName("PuzNumber");
    numberRow->addWidget(puzNumNow_);
    numberRow->addWidget(puzNumber_, 1);
    bar->addLayout(numberRow);

    auto* facts = new QFormLayout;
    label3_ = new QLineEdit(commandBar);
    label3_->setObjectName("Label3");
    label3_->setToolTip("Puzzle size, enter new size as RxC\nor blank for random size");
    label7_ = new ClickLabel(commandBar);
    label7_->setObjectName("Label7");
    label7_->setToolTip(ToolTipText("Difficulty Level, click to set"));
    label7_->setCursor(Qt::PointingHandCursor);
    connect(label7_, &ClickLabel::clicked, this, &Form1::Label7_Click);
    label9_ = new QLabel(commandBar);
    label9_->setObjectName("Label9");
    label9_->setToolTip("% of open cells");
    label4_ = new ClickLabel(commandBar);
    label4_->setObjectName("Label4");
    label4_->setToolTip(ToolTipText("In autofill mode will go read if a user entry is invalid"));
    label4_->setFixedSize(28, 24);
    label4_->setAlignment(Qt::AlignCenter);
    label4_->setCursor(Qt::PointingHandCursor);
    connect(label4_, &ClickLabel::clicked, this, &Form1::Label4_Click);
    facts->addRow("Size", label3_);
    facts->addRow("Level", label7_);
    facts->addRow("Open", label9_);
    facts->addRow("Autofill", label4_);
    bar->addLayout(facts);
    bar->addSpacing(6);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    BuildButtons(buttons, commandBar);
    bar->addLayout(buttons);
    bar->addStretch();
    return commandBar;
}

void Form1::BuildButtons(QGridLayout* grid, QWidget* parent) {
    const auto make = [&](const char* name, const char* toolTip, ButtonPicture picture, int row,
                          int column) {
        auto* button = new BoxControl(name, toolTip, parent);
        button->setIcon(ButtonIcon(picture));
        button->setIconSize(QSize(26, 26));
        button->setFixedSize(kButtonSide, kButtonSide);
        grid->addWidget(button, row, column);
        return button;
    };
    cmdundo_ = make("cmdundo", "Undo last user entry|Rightclick to reset puzzle",
                    ButtonPicture::Undo, 0, 0);
    cmdnobars_ = make("cmdnobars", "Erase all bars", ButtonPicture::EraseBars, 0, 1);
    cmdviewsol_ = make("cmdviewsol", "View solution bars", ButtonPicture::ViewBars, 0, 2);
    cmdviewcol_ =
        make("cmdviewcol", "Leftclick = view solution loop|Rightclick = show parity colours also",
             ButtonPicture::ViewLoop, 0, 3);
    cmdzoom_[0] = make("cmdzoom_0", "Zoom out", ButtonPicture::ZoomOut, 1, 0);
    cmdzoom_[1] = make("cmdzoom_1", "Zoom in", ButtonPicture::ZoomIn, 1, 1);
    cmdzoom_[2] = make("cmdzoom_2", "Reset zoom", ButtonPicture::ZoomReset, 1, 2);
    cmdverify_ =
        make("cmdverify", "Check if your solution is correct", ButtonPicture::Verify, 2, 0);
    cmdautosolve_ =
        make("cmdautosolve", "Let computer solve this puzzle", ButtonPicture::Autosolve, 2, 1);
    cmdcanx_ = make("cmdcanx", "Cancel current operation", ButtonPicture::Cancel, 2, 2);
    cmdnew1_ = make("cmdnew1", "Create a new puzzle|Rightclick for 03Only puzzle",
                    ButtonPicture::NewPuzzle, 1, 3);
    connect(cmdundo_, &BoxControl::clickedWith, this, &Form1::cmdundo_Click);
    connect(cmdnobars_, &BoxControl::clickedWith, this, [this] { mnuclearbars_Click(); });
    const ZoomStep steps[] = {ZoomStep::Out, ZoomStep::In, ZoomStep::Reset};
    for (int k = 0; k < 3; ++k)
        connect(cmdzoom_[static_cast<std::size_t>(k)], &BoxControl::clickedWith, this,
                [this, step = steps[k]] { cmdzoom_Click(step); });
    connect(cmdverify_, &BoxControl::pressedWith, this, [this] { cmdverify_MouseDown(); });
    connect(cmdverify_, &BoxControl::releasedWith, this, [this] { cmdverify_MouseUp(); });
    connect(cmdautosolve_, &BoxControl::clickedWith, this, [this] { cmdautosolve_Click(); });
    connect(cmdcanx_, &BoxControl::clickedWith, this, [this] { cmdcanx_Click(); });
    connect(cmdnew1_, &BoxControl::clickedWith, this, &Form1::cmdnew1_Click);
    connect(cmdviewsol_, &BoxControl::pressedWith, this, [this] { cmdviewsol_MouseDown(); });
    connect(cmdviewsol_, &BoxControl::releasedWith, this, &Form1::View_MouseUp);
    connect(cmdviewcol_, &BoxControl::pressedWith, this, &Form1::cmdviewcol_MouseDown);
    connect(cmdviewcol_, &BoxControl::releasedWith, this, &Form1::View_MouseUp);
}

StartOutcome Form1::StartUp() {
    QStringList families = QFontDatabase::families();
    std::vector<std::string> fonts;
    for (const QString& family : families) fonts.push_back(family.toStdString());
    if (ringlace::StartUp(app_, fonts) == StartOutcome::End) return StartOutcome::End;
    ApplyColourScheme();
    ShowLabels();
    picture5_->FitAndRedraw();
    BoardTakesFocus();
    return StartOutcome::Run;
}

// The window's colours come from the colour scheme: the board's frame, the command bar and its
// buttons, the status line; the autofill box shows the mode and the last check.
void Form1::ApplyColourScheme() {
    const SchemeColours& c = app_.scheme;
    setStyleSheet(
        QString("#centralWidget { background: %1; }"
                "#Picture5 { background: %2; }"
                "#commandBar { background: %3; border: 1px solid %4; border-radius: 4px; }"
                "#commandBar QLabel { color: %5; }"
                "#Label1 { color: %6; }"
                "QProgressBar::chunk { background: %7; }"
                "#commandBar QToolButton { background: %8; border: 1px solid %4;"
                " border-radius: 5px; }"
                "#commandBar QToolButton:hover { background: %9; }"
                "#commandBar QToolButton:pressed { background: %4; }"
                "#commandBar QToolButton:disabled { background: %3; border-color: %8; }"
                "#commandBar QToolButton[active=\"true\"] { background: %10; }")
            .arg(Css(c[1]), Css(c[11]), Css(c[4]), Css(c[5]), Css(c[6]), Css(c[8]), Css(c[10]),
                 Css(c[2]), Css(c[3]))
            .arg(Css(c[12])));
    const bool right = app_.settings.MenuBarSide == 1;
    auto* body = static_cast<QHBoxLayout*>(centralWidget()->layout()->itemAt(0)->layout());
    body->setDirection(right ? QBoxLayout::RightToLeft : QBoxLayout::LeftToRight);
    SyncBoardState();
}

void Form1::SyncBoardState() {
    const Session& session = app_.session;
    if (session.Timer2 && !timer2_->isActive()) timer2_->start();
    if (!session.Timer2) timer2_->stop();
    if (session.Timer3 && !timer3_->isActive()) timer3_->start();
    if (!session.Timer3) timer3_->stop();
    label4_->setText(app_.settings.AutofillOn == 1 ? "A" : "");
    const QColor light = ToQColor(CheckLightColour(session.Label4Light, app_.scheme));
    // The "A" stays readable on every light: dark on a light background, white on a dark one.
    const QColor text = light.lightness() > 140 ? Qt::black : Qt::white;
    label4_->setStyleSheet(QString("#Label4 { background: %1; color: %2; border: 1px solid %3;"
                                   " border-radius: 3px; font-weight: bold; }")
                               .arg(light.name(), text.name(), Css(app_.scheme[5])));
}

void Form1::ShowLabels() {
    const BoardLabels& labels = app_.session.Labels;
    puzfile_->setText(QString::fromStdString(labels.fileName));
    puzfile_->setToolTip(QString::fromStdString(labels.filePath));
    puzNumNow_->setText(QString::fromStdString(labels.puzzleNumber));
    puzNumber_->setText(QString::fromStdString(labels.puzzleCount));
    label3_->setText(QString::fromStdString(labels.size));
    label7_->setText(QString::fromStdString(labels.difficulty));
    label9_->setText(QString::fromStdString(labels.openShare));
}

void Form1::ShowStatus(const std::string& text) {
    label1_->setText(QString::fromStdString(text));
}

void Form1::ShowProgress(int percent) {
    progress_->setValue(percent);
    progress_->setVisible(percent > 0 && percent < 100);
}

// Closing the window by its frame ends the program at once, without the question and without
// writing the configuration: only the exit command saves. A solve still running stops at its
// next yield rather than go on in a window no one sees.
void Form1::closeEvent(QCloseEvent* event) {
    app_.session.CancelRequested = app_.session.CancelRequested || app_.session.Busy;
    event->accept();
    emit programEnded();
}

}  // namespace ringlace
