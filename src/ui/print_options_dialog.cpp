#include "ui/print_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/paper_style_fields.h"

namespace ringlace {

PrintOptionsDialog::PrintOptionsDialog(const PaperStyle& style, QWidget* parent) : QDialog(parent) {
    setObjectName("printOptionsDialog");
    setWindowTitle("Printing Options");
    auto* form = new QFormLayout;
    fields_ = std::make_unique<PaperStyleFields>(style, this, form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PrintOptionsDialog::~PrintOptionsDialog() = default;

std::optional<PaperStyle> PrintOptionsDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return fields_->Style();
}

}  // namespace ringlace
