// The whole-number boxes and size lists of the dialogs.
#pragma once

class QComboBox;
class QSpinBox;
class QWidget;

namespace ringlace {

// A number box with an object name, a range and a value.
QSpinBox* NumberBox(QWidget* parent, const char* name, int value, int lowest, int highest);

// A list of the sides 5 to `largest`, showing `shown`.
QComboBox* SizeList(QWidget* parent, const char* name, int largest, int shown);

}  // namespace ringlace
