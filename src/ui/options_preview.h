// The options dialog's previews: a small window in the colours of the picked scheme, and a small
// board drawn by the board's own painter with the chosen colours, lines, font and markers.
#pragma once

#include <QWidget>

#include "play/colour_scheme.h"
#include "play/options.h"

namespace ringlace {

class SchemePreview : public QWidget {
    Q_OBJECT
public:
    explicit SchemePreview(QWidget* parent);
    void Show(const SchemeColours& colours);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SchemeColours colours_{};
};

class BoardPreview : public QWidget {
    Q_OBJECT
public:
    explicit BoardPreview(QWidget* parent);
    void Show(const OptionsChoice& choice, const SchemeColours& colours);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OptionsChoice choice_;
    SchemeColours colours_{};
};

}  // namespace ringlace
