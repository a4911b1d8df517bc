// The buttons of the main window: a picture, a tool tip ("|" starts a new line), and both mouse
// buttons. A command acts when the mouse button is released over it; the view and verify buttons
// also act when pressed and undo their display when released.
#pragma once

#include <QToolButton>

namespace ringlace {

// A tool tip as the program writes them, with "|" for a line break.
QString ToolTipText(const char* text);

class CommandButton : public QToolButton {
    Q_OBJECT
public:
    CommandButton(const char* objectName, const char* toolTip, QWidget* parent);

    // Lets go of a press whose release will never come (a message box took the mouse meanwhile).
    void Forget();

signals:
    // A mouse button went down on the control.
    void pressedWith(Qt::MouseButton button);
    // A mouse button came up, wherever the pointer then is (display buttons restore on this).
    void releasedWith(Qt::MouseButton button);
    // A mouse button came up over the control: the command is to act.
    void clickedWith(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::MouseButton held_ = Qt::NoButton;
};

}  // namespace ringlace
