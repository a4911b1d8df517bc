// The parts the dialogs share: number boxes, size lists, their buttons, and the yes-or-no
// question before something is dropped.
#pragma once

#include <string>

class QComboBox;
class QDialog;
class QDialogButtonBox;
class QPushButton;
class QSpinBox;
class QWidget;

namespace ringlace {

// A number box with an object name, a range and a value.
QSpinBox* NumberBox(QWidget* parent, const char* name, int value, int lowest, int highest);

// A list of the sides 5 to `largest`, showing `shown`.
QComboBox* SizeList(QWidget* parent, const char* name, int largest, int shown);

// OK and Cancel, tied to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

// The editors' "Exit" ("Close this window"), tied to the dialog's reject.
QPushButton* ExitButton(QDialog* dialog);

class Host;

// Asks the question with Yes and No; true for Yes.
bool Confirmed(Host& host, const std::string& question);

}  // namespace ringlace
