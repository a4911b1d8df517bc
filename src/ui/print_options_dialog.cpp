#include "ui/print_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/dialog_parts.h"
#include "ui/paper_style_fields.h"

namespace ringlace {

PrintOptionsDialog::PrintOptionsDialog(const PaperStyle& style, QWidget* parent) : QDialog(parent) {
    setObjectName("printOptionsDialog");
    setWindowTitle("Printing Options");
    auto* form = new QFormLayout;
    fields_ = std::make_unique<PaperStyleFields>(style, this, form);
    QDialogButtonBox* buttons = OkCancelButtons(this);
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
