#include "ui/batch_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/text.h"
#include "model/text_file.h"
#include "seams/host.h"
#include "ui/dialog_parts.h"
#include "ui/pattern_panel.h"

namespace ringlace {

namespace {

const std::string kLineEnd(kCrLf);
constexpr int kLargestCount = 99999;

}  // namespace

BatchDialog::BatchDialog(Host& host, const std::string& file, QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName("batchDialog");
    setWindowTitle(kBatchDialogTitle);
    const Grid limits;
    count_ = NumberBox(this, "batchCountBox", 1, 0, kLargestCount);
    rows_ = SizeList(this, "batchRowsList", limits.MaxRows, 10);
    cols_ = SizeList(this, "batchColumnsList", limits.MaxCols, 10);
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
    QDialogButtonBox* buttons = OkCancelButtons(this);
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
    pattern_ = new PatternPanel(host_, frame);
    connect(pattern_, &PatternPanel::edited, this, [this] { patternChanged_ = true; });
    connect(pattern_, &PatternPanel::loaded, this, &BatchDialog::ShowLoadedPattern);
    auto* redraw = new QPushButton("Redraw grid", frame);
    redraw->setObjectName("batchRedrawButton");
    connect(redraw, &QPushButton::clicked, this, &BatchDialog::RedrawPattern);
    pattern_->tools()->addWidget(redraw);
    usePattern_ = new QCheckBox("Use numbers pattern above", frame);
    usePattern_->setObjectName("batchUsePatternBox");
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(pattern_);
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
}

void BatchDialog::RedrawPattern() {
    if (!Confirmed(host_, "Current pattern will be cleared" + kLineEnd + "Proceed?")) return;
    pattern_->SetPattern({rows_->currentText().toInt(), cols_->currentText().toInt()});
    patternChanged_ = false;
}

// A pattern read from a file sets the size lists to its size and is used.
void BatchDialog::ShowLoadedPattern() {
    const QSignalBlocker quietRows(rows_);
    const QSignalBlocker quietCols(cols_);
    rows_->setCurrentText(QString::number(pattern_->pattern().rows));
    cols_->setCurrentText(QString::number(pattern_->pattern().cols));
    usePattern_->setChecked(true);
}

}  // namespace ringlace
