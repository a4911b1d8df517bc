// The printing options as controls in a form: the corner character, "Rectangle corner", "Print
// Grid" and the loop's line width. Shared by the "Multiple Puzzles" dialog and the options
// dialog's "Printing Options".
#pragma once

#include "exchange/puzzle_picture.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace ringlace {

class PaperStyleFields {
public:
    // Adds the controls, showing `style`, as rows of `form`.
    PaperStyleFields(const PaperStyle& style, QWidget* parent, QFormLayout* form);

    // The style as the controls set it; what they do not show (the font) stays as given.
    PaperStyle Style() const;

private:
    PaperStyle style_;
    QLineEdit* cornerChar_;
    QCheckBox* rectangleCorner_;
    QCheckBox* printGrid_;
    QSpinBox* lineWidth_;
};

}  // namespace ringlace
