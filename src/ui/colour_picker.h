// ColPik1: the options dialog's colour picker. A grid of colours to pick from with one click, and
// the platform's colour dialog for any other colour.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <vector>

class QToolButton;

namespace ringlace {

class ColourPicker : public QWidget {
    Q_OBJECT
public:
    explicit ColourPicker(QWidget* parent);

    std::int32_t Colour() const { return colour_; }
    void SetColour(std::int32_t colour);

signals:
    void colourPicked(std::int32_t colour);

private:
    void ShowChosen();

    std::int32_t colour_ = 0;
    std::vector<QToolButton*> swatches_;
    QWidget* chosen_ = nullptr;
};

}  // namespace ringlace
