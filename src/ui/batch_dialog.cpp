#include "ui/batch_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/text.h"
#include "model/text_file.h"
#include "seams/host.h"
#include "ui/number_box.h"
#include "ui/pattern_grid.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);
constexpr int kSmallestSide = 5;
constexpr int kLargestCount = 99999;

QComboBox* SideList(QWidget* parent, const char* name, int largest, int shown) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int side = kSmallestSide; side <= largest; ++side) list->addItem(QString::number(side));
    list->setCurrentText(QString::number(shown));
    return list;
}

}  // namespace

BatchDialog::BatchDialog(Host& host, const std::string& file, QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName("batchDialog");
    setWindowTitle(kBatchDialogTitle);
    const Grid limits;
    count_ = NumberBox(this, "batchCountBox", 1, 0, kLargestCount);
    rows_ = SideList(this, "batchRowsList", limits.MaxRows, 10);
    cols_ = SideList(this, "batchColumnsList", limits.MaxCols, 10);
    level_ = new QComboBox(this);
    level_->setObjectName("batchLevelList");
    level_->addItems({"Easy", "Medium", "Hard"});
    level_->setCurrentText("Medium");
    file_ = new QLineEdit(QString::fromStdString(file), this);
    file_->setObjectName("batchFileField");
    file_->setMinimumWidth(300);
    auto* browse = new QPushButton("Browse...", this);
    connect(browse, &QPushButton::clicked, this, &BatchDialog::BrowseOutput);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow("# of Puzzles", count_);
    form->addRow("Rows", rows_);
    form->addRow("Columns", cols_);
    form->addRow("Difficulty Level", level_);
    form->addRow("Output file", fileRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &BatchDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BatchDialog::reject);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addStretch();
    left->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(BuildPatternFrame());
    connect(rows_, &QComboBox::currentTextChanged, this, &BatchDialog::ResizePattern);
    connect(cols_, &QComboBox::currentTextChanged, this, &BatchDialog::ResizePattern);
}

QWidget* BatchDialog::BuildPatternFrame() {
    auto* frame = new QGroupBox("Numbers pattern", this);
    pattern_ = new PatternGrid(frame);
    open_ = new QLabel(pattern_->OpenText(), frame);
    open_->setObjectName("batchOpenLabel");
    connect(pattern_, &PatternGrid::changed, this, [this] {
        patternChanged_ = true;
        open_->setText(pattern_->OpenText());
    });
    auto* redraw = new QPushButton("Redraw grid", frame);
    redraw->setObjectName("batchRedrawButton");
    connect(redraw, &QPushButton::clicked, this, &BatchDialog::RedrawPattern);
    auto* load = new QPushButton("Load pattern file", frame);
    load->setObjectName("batchLoadPatternButton");
    connect(load, &QPushButton::clicked, this, &BatchDialog::LoadPatternFile);
    auto* previous = new QPushButton("<", frame);
    auto* next = new QPushButton(">", frame);
    previous->setObjectName("batchPreviousPatternButton");
    next->setObjectName("batchNextPatternButton");
    for (QPushButton* arrow : {previous, next}) arrow->setFixedWidth(32);
    connect(previous, &QPushButton::clicked, this, [this] { StepPattern(-1); });
    connect(next, &QPushButton::clicked, this, [this] { StepPattern(1); });
    patternPlace_ = new QLabel(frame);
    patternPlace_->setObjectName("batchPatternPlace");
    usePattern_ = new QCheckBox("Use numbers pattern above", frame);
    usePattern_->setObjectName("batchUsePatternBox");

    auto* tools = new QHBoxLayout;
    tools->addWidget(open_);
    tools->addStretch();
    tools->addWidget(redraw);
    auto* files = new QHBoxLayout;
    files->addWidget(load);
    files->addWidget(previous);
    files->addWidget(next);
    files->addWidget(patternPlace_, 1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(pattern_, 0, Qt::AlignCenter);
    layout->addLayout(tools);
    layout->addLayout(files);
    layout->addWidget(usePattern_);
    return frame;
}

std::optional<BatchRequest> BatchDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Request();
}

BatchRequest BatchDialog::Request() const {
    BatchRequest request{count_->value(),
                         rows_->currentText().toInt(),
                         cols_->currentText().toInt(),
                         level_->currentText().toStdString(),
                         file_->text().trimmed().toStdString(),
                         {}};
    if (usePattern_->isChecked()) request.pattern = pattern_->pattern();
    return request;
}

void BatchDialog::accept() {
    const Grid limits;
    if (const std::optional<Message> wrong = CheckBatchRequest(Request(), limits)) {
        host_.Ask(*wrong);
        return;
    }
    if (patternChanged_ && !usePattern_->isChecked() &&
        host_.Ask({"You have changed the grid pattern" + kLineEnd +
                       "Create puzzle without using the pattern?",
                   Icon::Question, Buttons::OkCancel}) != Answer::Ok)
        return;
    QDialog::accept();
}

void BatchDialog::BrowseOutput() {
    const std::string file = host_.GetFileName({"Select an output Puzzle file", "*.rlc;*.txt",
                                                "Ringlace Files", "Select a puzzle file", "SAVE",
                                                FolderPart(file_->text().toStdString())});
    if (!file.empty()) file_->setText(QString::fromStdString(file));
}

// The grid follows the size lists, keeping the clue cells that stay inside it.
void BatchDialog::ResizePattern() {
    Pattern resized = pattern_->pattern();
    const int rows = rows_->currentText().toInt();
    const int cols = cols_->currentText().toInt();
    for (int r = 1; r <= kStorageDim; ++r)
        for (int c = 1; c <= kStorageDim; ++c)
            if (r > rows || c > cols) resized.mask[r][c] = 0;
    resized.rows = rows;
    resized.cols = cols;
    pattern_->SetPattern(resized);
    open_->setText(pattern_->OpenText());
}

void BatchDialog::RedrawPattern() {
    if (host_.Ask({"Current pattern will be cleared" + kLineEnd + "Proceed?", Icon::Question,
                   Buttons::YesNo}) != Answer::Yes)
        return;
    pattern_->SetPattern({rows_->currentText().toInt(), cols_->currentText().toInt()});
    open_->setText(pattern_->OpenText());
    patternChanged_ = false;
}

void BatchDialog::LoadPatternFile() {
    const std::string file =
        host_.GetFileName({"Select a Pattern file", "*.rlc;*.txt", "Ringlace Pattern File",
                           "Select a pattern file", "OPEN", FolderPart(patternFile_)});
    if (file.empty()) return;
    patternFile_ = file;
    patternCount_ = CountLines(file);
    patternNumber_ = 0;
    StepPattern(1);
}

// Shows pattern n + step of the file; a line that is no pattern is reported and not shown.
void BatchDialog::StepPattern(int step) {
    if (patternFile_.empty() || patternCount_ < 1) return;
    const int number = std::clamp(patternNumber_ + step, 1, patternCount_);
    const Grid limits;
    const std::optional<Pattern> pattern =
        LoadPatternAt(patternFile_, number, limits.MaxRows, limits.MaxCols);
    if (!pattern || pattern->rows < kSmallestSide || pattern->cols < kSmallestSide) {
        host_.Ask(
            {"Error reading pattern file:" + kLineEnd + patternFile_, Icon::Critical, Buttons::Ok});
        return;
    }
    patternNumber_ = number;
    {
        const QSignalBlocker quietRows(rows_);
        const QSignalBlocker quietCols(cols_);
        rows_->setCurrentText(QString::number(pattern->rows));
        cols_->setCurrentText(QString::number(pattern->cols));
    }
    pattern_->SetPattern(*pattern);
    open_->setText(pattern_->OpenText());
    usePattern_->setChecked(true);
    patternPlace_->setText(QString::fromStdString("Pat#" + StrNumber(patternNumber_) + " of" +
                                                  StrNumber(patternCount_)));
}

}  // namespace ringlace
