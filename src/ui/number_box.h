// A whole-number box of the dialogs.
#pragma once

class QSpinBox;
class QWidget;

namespace ringlace {

// A number box with an object name, a range and a value.
QSpinBox* NumberBox(QWidget* parent, const char* name, int value, int lowest, int highest);

}  // namespace ringlace
