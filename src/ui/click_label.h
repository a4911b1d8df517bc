// A label that answers a click, acting when the mouse button is released over it.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace ringlace {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint())) emit clicked(event->button());
    }
};

}  // namespace ringlace
