#include "ui/number_box.h"

#include <QComboBox>
#include <QSpinBox>

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

}  // namespace ringlace
