// The thirteen pictures of the message box, drawn rather than stored so they are sharp at any
// screen density. Index 9 is never shown and stays empty.
#pragma once

#include <QPixmap>

namespace ringlace {

// A square picture of the given side in logical pixels, for a screen of the given pixel ratio.
QPixmap MsgPicture(int index, int side, qreal devicePixelRatio);

}  // namespace ringlace
