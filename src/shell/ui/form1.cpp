#include "shell/ui/form1.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "play/ui/board_view.h"
#include "shell/ui/qt_canvas.h"

namespace ringlace {

namespace {

QString Css(std::int32_t colour) { return ToQColor(colour).name(); }

}  // namespace

Form1::Form1(const AppPaths& paths, QWidget* parent)
    : QMainWindow(parent), host_(this, [this] { return app_.scheme[9]; }), app_(host_) {
    setObjectName("Form1");
    setWindowTitle(kProgramTitle);
    app_.paths = paths;
    host_.SetStatusLine({[this](const std::string& text) { ShowStatus(text); },
                         [this](int percent) { ShowProgress(percent); }});
    BuildMenus();
    BuildWindow();
    resize(1120, 820);
    setMinimumSize(640, 480);
}

void Form1::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("mnufilex");
    QAction* exit = file->addAction("Exit");
    exit->setObjectName("mnuexit");
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &Form1::mnuexit_Click);
}

void Form1::BuildWindow() {
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);

    commandBar_ = new QFrame(central);
    commandBar_->setObjectName("commandBar");
    commandBar_->setFixedWidth(190);
    auto* bar = new QVBoxLayout(commandBar_);
    bar->setContentsMargins(10, 10, 10, 10);
    bar->setSpacing(8);

    puzfile_ = new QLabel(commandBar_);
    puzfile_->setObjectName("Puzfile");
    puzfile_->setWordWrap(true);
    bar->addWidget(puzfile_);

    auto* numberRow = new QHBoxLayout;
    puzNumNow_ = new QLineEdit(commandBar_);
    puzNumNow_->setObjectName("PuzNumNow");
    puzNumNow_->setFixedWidth(56);
    puzNumNow_->setAlignment(Qt::AlignRight);
    puzNumNow_->setReadOnly(true);
    puzNumber_ = new QLabel(commandBar_);
    puzNumber_->setObjectName("PuzNumber");
    numberRow->addWidget(puzNumNow_);
    numberRow->addWidget(puzNumber_, 1);
    bar->addLayout(numberRow);

    auto* facts = new QFormLayout;
    label3_ = new QLineEdit(commandBar_);
    label3_->setObjectName("Label3");
    label3_->setToolTip("Puzzle size, enter new size as RxC\nor blank for random size");
    label7_ = new QLabel(commandBar_);
    label7_->setObjectName("Label7");
    label7_->setToolTip("Difficulty Level, click to set");
    label9_ = new QLabel(commandBar_);
    label9_->setObjectName("Label9");
    label9_->setToolTip("% of open cells");
    facts->addRow("Size", label3_);
    facts->addRow("Level", label7_);
    facts->addRow("Open", label9_);
    bar->addLayout(facts);
    bar->addStretch();

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

StartOutcome Form1::StartUp() {
    QStringList families = QFontDatabase::families();
    std::vector<std::string> fonts;
    for (const QString& family : families) fonts.push_back(family.toStdString());
    if (ringlace::StartUp(app_, fonts) == StartOutcome::End) return StartOutcome::End;
    ApplyColourScheme();
    ShowLabels();
    picture5_->FitAndRedraw();
    picture5_->Picture1()->setFocus();
    return StartOutcome::Run;
}

// The window's colours come from the colour scheme: the board and its frame, the command bar,
// the status line.
void Form1::ApplyColourScheme() {
    const SchemeColours& c = app_.scheme;
    setStyleSheet(QString("#centralWidget { background: %1; }"
                          "#Picture5 { background: %2; }"
                          "#commandBar { background: %3; border: 1px solid %4; border-radius: 4px; }"
                          "#commandBar QLabel { color: %5; }"
                          "#Label1 { color: %6; }"
                          "QProgressBar::chunk { background: %7; }")
                      .arg(Css(c[1]), Css(c[11]), Css(c[4]), Css(c[5]), Css(c[6]), Css(c[8]), Css(c[10])));
    const bool right = app_.settings.MenuBarSide == 1;
    auto* body = static_cast<QHBoxLayout*>(centralWidget()->layout()->itemAt(0)->layout());
    body->setDirection(right ? QBoxLayout::RightToLeft : QBoxLayout::LeftToRight);
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

void Form1::ShowStatus(const std::string& text) { label1_->setText(QString::fromStdString(text)); }

void Form1::ShowProgress(int percent) {
    progress_->setValue(percent);
    progress_->setVisible(percent > 0 && percent < 100);
}

void Form1::mnuexit_Click() {
    if (ExitCommand(app_)) emit programEnded();
}

// Closing the window by its frame ends the program at once, without the question and without
// writing the configuration: only the exit command saves.
void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    emit programEnded();
}

}  // namespace ringlace
