#include "ui/command_button.h"

#include <QMouseEvent>

namespace ringlace {

QString ToolTipText(const char* text) {
    return QString(text).replace('|', '\n');
}

CommandButton::CommandButton(const char* objectName, const char* toolTip, QWidget* parent)
    : QToolButton(parent) {
    setObjectName(objectName);
    setToolTip(ToolTipText(toolTip));
    setAutoRaise(false);
    // The board keeps the keyboard: a click on a button must not take the keys away from it.
    setFocusPolicy(Qt::NoFocus);
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    // The latest press is the one whose release counts.
    held_ = button;
    setDown(true);
    event->accept();
    emit pressedWith(button);
}

void CommandButton::Forget() {
    held_ = Qt::NoButton;
    setDown(false);
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != held_) return;
    held_ = Qt::NoButton;
    setDown(false);
    event->accept();
    const bool over = rect().contains(event->position().toPoint());
    emit releasedWith(button);
    if (over && isEnabled()) emit clickedWith(button);
}

}  // namespace ringlace
