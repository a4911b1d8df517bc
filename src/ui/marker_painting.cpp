#include "ui/marker_painting.h"

#include "ui/qt_canvas.h"

namespace ringlace {

namespace {

QColor WithAlpha(std::int32_t colour, int alpha) {
    QColor shown = ToQColor(colour);
    shown.setAlpha(alpha);
    return shown;
}

}  // namespace

void PaintMarkers(QPainter& painter, const BoardMarkers& markers, const Settings& settings,
                  double pixelsPerTwip) {
    const auto box = [pixelsPerTwip](const MarkerBox& marker) {
        return QRectF(marker.left * pixelsPerTwip, marker.top * pixelsPerTwip,
                      marker.width * pixelsPerTwip, marker.height * pixelsPerTwip);
    };
    const std::int32_t colour = settings.MarkerColour;
    // "Two Rectangles" marks the side by its two end dots, "Bar" by a band along it.
    const bool bars = settings.Marker == kMarkerBar;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const MarkerBox* edge : {&markers.horizontalHighlight, &markers.verticalHighlight}) {
        if (edge->visible) painter.fillRect(box(*edge), WithAlpha(colour, bars ? 150 : 55));
    }
    for (const MarkerBox* dot : {&markers.firstEnd, &markers.secondEnd}) {
        if (!dot->visible) continue;
        if (bars) {
            painter.setPen(QPen(ToQColor(colour), 1.5));
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(ToQColor(colour));
        }
        painter.drawRect(box(*dot));
    }
    if (markers.cellMarker.visible) {
        painter.setPen(QPen(ToQColor(colour), 2, Qt::DashLine));
        painter.setBrush(WithAlpha(colour, 25));
        painter.drawRoundedRect(box(markers.cellMarker), 3, 3);
    }
    // A hint: the cells and dots its rule looked at lightly, its edge boldly (red for a mistake).
    const HintMarkers& hint = markers.hint;
    const QColor hintInk = hint.mistake ? QColor(230, 0, 0) : QColor(20, 110, 220);
    for (const MarkerBox& cell : hint.cells) {
        painter.setPen(QPen(hintInk, 2));
        painter.setBrush(QColor(20, 110, 220, 45));
        painter.drawRect(box(cell));
    }
    for (const MarkerBox& dot : hint.dots) {
        painter.setPen(QPen(hintInk, 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box(dot));
    }
    if (hint.edge.visible) {
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(hintInk);
        painter.drawRoundedRect(box(hint.edge), 2, 2);
    }
    if (markers.errorMarker.visible) {
        const QRectF ring = box(markers.errorMarker);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 5));
        painter.drawEllipse(ring);
        painter.setPen(QPen(QColor(230, 0, 0), 3));
        painter.drawEllipse(ring);
    }
    painter.restore();
}

}  // namespace ringlace
