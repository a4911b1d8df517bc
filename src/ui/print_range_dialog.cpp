#include "ui/print_range_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "model/text_file.h"
#include "seams/host.h"
#include "ui/dialog_parts.h"
#include "ui/paper_style_fields.h"

namespace ringlace {

namespace {

constexpr int kLargestNumber = 99999;

}  // namespace

PrintRangeDialog::PrintRangeDialog(Host& host, const PrintRange& proposed, QWidget* parent)
    : QDialog(parent), host_(host) {
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
    auto* form = new QFormLayout;
    form->addRow("Puzzle file", fileRow);
    form->addRow("From puzzle", first_);
    form->addRow("To puzzle", last_);
    style_ = std::make_unique<PaperStyleFields>(proposed.style, this, form);
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PrintRangeDialog::~PrintRangeDialog() = default;

std::optional<PrintRange> PrintRangeDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Range();
}

PrintRange PrintRangeDialog::Range() const {
    return {file_->text().toStdString(), first_->value(), last_->value(), style_->Style()};
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
