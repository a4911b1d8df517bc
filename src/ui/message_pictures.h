// The pictures of the message box, drawn rather than stored so they are sharp at any screen
// density.
#pragma once

#include <QPainter>
#include <QPixmap>

#include "seams/message.h"

namespace ringlace {

// A square picture of the given side in logical pixels, for a screen of the given pixel ratio;
// empty for Icon::None.
QPixmap MessagePicture(Icon icon, int side, qreal devicePixelRatio);

// Draws the picture into the square (0, 0) to (side, side) of the painter; the buttons that
// stand for the same thing (load, save, print) show the same picture.
void DrawMessagePicture(QPainter& painter, Icon icon, qreal side);

}  // namespace ringlace
