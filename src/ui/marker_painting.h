// Painting the board's markers above its drawing: the dot markers and edge highlight of the
// selected side, the cell marker and the error marker, in the marker colour and style of the
// options.
#pragma once

#include <QPainter>

#include "model/settings.h"
#include "play/board_markers.h"

namespace ringlace {

// pixelsPerTwip maps the markers' board twips to the painter's pixels.
void PaintMarkers(QPainter& painter, const BoardMarkers& markers, const Settings& settings,
                  double pixelsPerTwip);

}  // namespace ringlace
