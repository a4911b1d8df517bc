#include "ui/jumbo_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "create/jumbo.h"
#include "model/text_file.h"
#include "seams/host.h"
#include "ui/dialog_parts.h"

namespace ringlace {

namespace {

constexpr int kFirstListed = 26;

// A list of the sizes 26 to 50 showing 50; a size can be typed as well.
QComboBox* SideList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    for (int side = kFirstListed; side <= kJumboMaxSide; ++side)
        list->addItem(QString::number(side));
    list->setCurrentIndex(list->count() - 1);
    return list;
}

}  // namespace

JumboDialog::JumboDialog(Host& host, const std::string& file, QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName("jumboDialog");
    setWindowTitle("Create Jumbo Puzzle");
    auto* text = new QLabel(
        "Size 26x26 upto 50x50 puzzle will be created\nPuzzle will be saved as Excel file\n"
        "Cannot be displayed or printed\nYou can print this puzzle and its solution from Excel",
        this);
    rows_ = SideList(this, "jumboRowsList");
    cols_ = SideList(this, "jumboColumnsList");
    file_ = new QLineEdit(QString::fromStdString(file), this);
    file_->setObjectName("jumboFileField");
    file_->setMinimumWidth(300);
    auto* browse = new QPushButton("Browse...", this);
    connect(browse, &QPushButton::clicked, this, &JumboDialog::Browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow("Rows", rows_);
    form->addRow("Columns", cols_);
    form->addRow("Excel file", fileRow);
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<JumboRequest> JumboDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Request();
}

JumboRequest JumboDialog::Request() const {
    return {rows_->currentText().trimmed().toInt(), cols_->currentText().trimmed().toInt(),
            AddExtension(file_->text().trimmed().toStdString(), "xls")};
}

void JumboDialog::accept() {
    if (const std::optional<Message> wrong = CheckJumboRequest(Request())) {
        host_.Ask(*wrong);
        return;
    }
    QDialog::accept();
}

void JumboDialog::Browse() {
    const std::string file = host_.GetFileName({"Select an output Excel file", "*.xls",
                                                "Excel Files", "Select an Excel file", "SAVE",
                                                FolderPart(file_->text().toStdString())});
    if (!file.empty()) file_->setText(QString::fromStdString(file));
}

}  // namespace ringlace
