// The pictures of the message box, drawn rather than stored so they are sharp at any screen
// density.
#pragma once

#include <QPixmap>

#include "seams/message.h"

namespace ringlace {

// A square picture of the given side in logical pixels, for a screen of the given pixel ratio;
// empty for Icon::None.
QPixmap MessagePicture(Icon icon, int side, qreal devicePixelRatio);

}  // namespace ringlace
