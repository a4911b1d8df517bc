#include "ui/number_box.h"

#include <QSpinBox>

namespace ringlace {

QSpinBox* NumberBox(QWidget* parent, const char* name, int value, int lowest, int highest) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

}  // namespace ringlace
