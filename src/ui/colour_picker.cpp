#include "ui/colour_picker.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/grid.h"
#include "play/colour_scheme.h"
#include "ui/qt_canvas.h"

namespace ringlace {

namespace {

// Six rows of eight: the sixteen-colour palette first, then lighter and deeper shades.
const std::int32_t kSwatches[] = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(0, 255, 0),     Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255),   Rgb(0, 255, 255),   Rgb(255, 255, 255),
    Rgb(64, 64, 64),    Rgb(160, 40, 40),   Rgb(40, 120, 60),   Rgb(200, 150, 40),
    Rgb(40, 70, 160),   Rgb(120, 60, 150),  Rgb(30, 130, 150),  Rgb(220, 220, 220),
    Rgb(96, 96, 96),    Rgb(230, 90, 70),   Rgb(110, 190, 90),  Rgb(250, 210, 80),
    Rgb(90, 140, 230),  Rgb(200, 120, 210), Rgb(90, 200, 210),  Rgb(240, 240, 240),
    Rgb(20, 30, 60),    Rgb(200, 100, 100), Rgb(0, 90, 50),     Rgb(255, 160, 60),
    Rgb(49, 106, 197),  Rgb(90, 30, 100),   Rgb(0, 70, 90),     Rgb(250, 245, 230),
    Rgb(50, 150, 50),   Rgb(255, 200, 200), Rgb(200, 255, 200), Rgb(255, 255, 200),
    Rgb(200, 220, 255), Rgb(240, 200, 250), Rgb(200, 250, 250), Rgb(236, 233, 216),
};

QString SwatchStyle(std::int32_t colour, bool picked) {
    return QString("QToolButton { background: %1; border: %2 solid %3; border-radius: 2px; }")
        .arg(ToQColor(colour).name(), picked ? "2px" : "1px", picked ? "#d03030" : "#707070");
}

}  // namespace

ColourPicker::ColourPicker(QWidget* parent) : QWidget(parent) {
    setObjectName("colourPicker");
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    int k = 0;
    for (const std::int32_t colour : kSwatches) {
        auto* swatch = new QToolButton(this);
        swatch->setFixedSize(18, 18);
        swatch->setProperty("colour", colour);
        swatch->setToolTip(
            QString("%1;%2;%3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour)));
        connect(swatch, &QToolButton::clicked, this, [this, colour] {
            SetColour(colour);
            emit colourPicked(colour);
        });
        grid->addWidget(swatch, k / 8, k % 8);
        swatches_.push_back(swatch);
        ++k;
    }

    chosen_ = new QWidget(this);
    chosen_->setObjectName("chosenColour");
    chosen_->setFixedSize(40, 22);
    auto* more = new QPushButton("More colours...", this);
    more->setObjectName("moreColours");
    connect(more, &QPushButton::clicked, this, [this] {
        const QColor picked = QColorDialog::getColor(ToQColor(colour_), this, "Colour");
        if (!picked.isValid()) return;
        SetColour(Rgb(picked.red(), picked.green(), picked.blue()));
        emit colourPicked(colour_);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Chosen:", this));
    row->addWidget(chosen_);
    row->addStretch();
    row->addWidget(more);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(row);
    ShowChosen();
}

void ColourPicker::SetColour(std::int32_t colour) {
    colour_ = colour;
    ShowChosen();
}

void ColourPicker::ShowChosen() {
    for (QToolButton* swatch : swatches_)
        swatch->setStyleSheet(SwatchStyle(swatch->property("colour").toInt(),
                                          swatch->property("colour").toInt() == colour_));
    chosen_->setStyleSheet(QString("#chosenColour { background: %1; border: 1px solid #505050; }")
                               .arg(ToQColor(colour_).name()));
}

}  // namespace ringlace
