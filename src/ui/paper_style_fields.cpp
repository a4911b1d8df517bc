#include "ui/paper_style_fields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

#include "ui/dialog_parts.h"

namespace ringlace {

PaperStyleFields::PaperStyleFields(const PaperStyle& style, QWidget* parent, QFormLayout* form)
    : style_(style) {
    cornerChar_ = new QLineEdit(QString::fromStdString(style.cornerChar), parent);
    cornerChar_->setObjectName("printCornerField");
    cornerChar_->setMaxLength(1);
    cornerChar_->setFixedWidth(40);
    rectangleCorner_ = new QCheckBox("Rectangle corner", parent);
    rectangleCorner_->setObjectName("printRectangleCornerBox");
    rectangleCorner_->setChecked(style.rectangleCorner);
    // Rectangle corners take the place of the corner character.
    cornerChar_->setEnabled(!style.rectangleCorner);
    QObject::connect(rectangleCorner_, &QCheckBox::toggled, cornerChar_, &QLineEdit::setDisabled);
    printGrid_ = new QCheckBox("Print Grid", parent);
    printGrid_->setObjectName("printGridBox");
    printGrid_->setChecked(style.printGrid);
    lineWidth_ = NumberBox(parent, "printLineWidthBox", style.lineWidth, 1, 10);
    form->addRow("Corner character", cornerChar_);
    form->addRow("", rectangleCorner_);
    form->addRow("", printGrid_);
    form->addRow("Line width", lineWidth_);
}

PaperStyle PaperStyleFields::Style() const {
    PaperStyle style = style_;
    style.cornerChar = cornerChar_->text().toStdString();
    style.rectangleCorner = rectangleCorner_->isChecked();
    style.printGrid = printGrid_->isChecked();
    style.lineWidth = lineWidth_->value();
    return style;
}

}  // namespace ringlace
