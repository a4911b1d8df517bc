#include "ui/dialog_parts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>

#include "seams/host.h"

namespace ringlace {

QSpinBox* NumberBox(QWidget* parent, const char* name, int value, int lowest, int highest) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

QComboBox* SizeList(QWidget* parent, const char* name, int largest, int shown) {
    constexpr int kSmallestSide = 5;
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int side = kSmallestSide; side <= largest; ++side) list->addItem(QString::number(side));
    list->setCurrentText(QString::number(shown));
    return list;
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QPushButton* ExitButton(QDialog* dialog) {
    auto* exit = new QPushButton("Exit", dialog);
    exit->setObjectName("editorExitButton");
    exit->setToolTip("Close this window");
    QObject::connect(exit, &QPushButton::clicked, dialog, &QDialog::reject);
    return exit;
}

bool Confirmed(Host& host, const std::string& question) {
    return host.Ask({question, Icon::Question, Buttons::YesNo}) == Answer::Yes;
}

}  // namespace ringlace
