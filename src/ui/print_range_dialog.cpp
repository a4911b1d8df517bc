#include "ui/print_range_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "model/text_file.h"
#include "seams/host.h"

namespace ringlace {

namespace {

constexpr int kLargestNumber = 99999;

QSpinBox* NumberBox(QWidget* parent, const char* name, int value, int lowest, int highest) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

}  // namespace

PrintRangeDialog::PrintRangeDialog(Host& host, const PrintRange& proposed, QWidget* parent)
    : QDialog(parent), host_(host), style_(proposed.style) {
    setObjectName("printRangeDialog");
    setWindowTitle("Multiple Puzzles");
    file_ = new QLineEdit(QString::fromStdString(proposed.file), this);
    file_->setObjectName("printFileField");
    file_->setMinimumWidth(320);
    auto* browse = new QPushButton("Browse...", this);
    browse->setObjectName("printBrowseButton");
    connect(browse, &QPushButton::clicked, this, &PrintRangeDialog::Browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);

    first_ = NumberBox(this, "printFirstBox", proposed.first, 0, kLargestNumber);
    last_ = NumberBox(this, "printLastBox", proposed.last, 0, kLargestNumber);
    cornerChar_ = new QLineEdit(QString::fromStdString(proposed.style.cornerChar), this);
    cornerChar_->setObjectName("printCornerField");
    cornerChar_->setMaxLength(1);
    cornerChar_->setFixedWidth(40);
    rectangleCorner_ = new QCheckBox("Rectangle corner", this);
    rectangleCorner_->setObjectName("printRectangleCornerBox");
    rectangleCorner_->setChecked(proposed.style.rectangleCorner);
    // Rectangle corners take the place of the corner character.
    cornerChar_->setEnabled(!proposed.style.rectangleCorner);
    connect(rectangleCorner_, &QCheckBox::toggled, cornerChar_, &QLineEdit::setDisabled);
    printGrid_ = new QCheckBox("Print Grid", this);
    printGrid_->setObjectName("printGridBox");
    printGrid_->setChecked(proposed.style.printGrid);
    lineWidth_ = NumberBox(this, "printLineWidthBox", proposed.style.lineWidth, 1, 10);

    auto* form = new QFormLayout;
    form->addRow("Puzzle file", fileRow);
    form->addRow("From puzzle", first_);
    form->addRow("To puzzle", last_);
    form->addRow("Corner character", cornerChar_);
    form->addRow("", rectangleCorner_);
    form->addRow("", printGrid_);
    form->addRow("Line width", lineWidth_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintRangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintRangeDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<PrintRange> PrintRangeDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Range();
}

PrintRange PrintRangeDialog::Range() const {
    PaperStyle style = style_;
    style.cornerChar = cornerChar_->text().toStdString();
    style.rectangleCorner = rectangleCorner_->isChecked();
    style.printGrid = printGrid_->isChecked();
    style.lineWidth = lineWidth_->value();
    return {file_->text().toStdString(), first_->value(), last_->value(), style};
}

void PrintRangeDialog::accept() {
    if (const std::optional<Message> wrong = CheckPrintRange(Range())) {
        host_.Ask(*wrong);
        return;
    }
    QDialog::accept();
}

void PrintRangeDialog::Browse() {
    const std::string file = host_.GetFileName(
        {"Select a Puzzle file to print", "*.rlc;*.txt;*.dat", "Ringlace Files",
         "Select a puzzle file", "OPEN", FolderPart(file_->text().toStdString())});
    if (!file.empty()) file_->setText(QString::fromStdString(file));
}

}  // namespace ringlace
