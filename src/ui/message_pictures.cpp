#include "ui/message_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace ringlace {

namespace {

// Every picture is drawn on a 48 x 48 design grid and scaled to the requested side.
constexpr qreal kDesign = 48;

void Glyph(QPainter& p, const QRectF& area, const QString& text, const QColor& colour, qreal size,
           bool bold = true) {
    QFont font("Liberation Sans");
    font.setPixelSize(qRound(size));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
}

void Disc(QPainter& p, const QColor& fill, const QColor& edge) {
    p.setPen(QPen(edge, 2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(4, 4, 40, 40));
}

void Question(QPainter& p) {
    Disc(p, QColor(52, 120, 210), QColor(28, 80, 160));
    Glyph(p, QRectF(4, 4, 40, 40), "?", Qt::white, 30);
}

void Exclamation(QPainter& p) {
    const QPolygonF triangle({QPointF(24, 3), QPointF(46, 43), QPointF(2, 43)});
    p.setPen(QPen(QColor(150, 110, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 200, 40));
    p.drawPolygon(triangle);
    Glyph(p, QRectF(2, 12, 44, 32), "!", Qt::black, 28);
}

void Information(QPainter& p) {
    Disc(p, QColor(40, 130, 220), QColor(20, 90, 170));
    Glyph(p, QRectF(4, 4, 40, 40), "i", Qt::white, 30);
}

void Critical(QPainter& p) {
    QPolygonF octagon;
    for (int k = 0; k < 8; ++k) {
        const qreal angle = (k * 45 + 22.5) * M_PI / 180;
        octagon << QPointF(24 + 21 * std::cos(angle), 24 + 21 * std::sin(angle));
    }
    p.setPen(QPen(QColor(130, 10, 10), 2));
    p.setBrush(QColor(205, 30, 30));
    p.drawPolygon(octagon);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(32, 32));
    p.drawLine(QPointF(32, 16), QPointF(16, 32));
}

void Trash(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 80), 2));
    p.setBrush(QColor(160, 165, 175));
    p.drawRect(QRectF(11, 14, 26, 30));
    p.drawRect(QRectF(7, 9, 34, 5));
    p.drawRect(QRectF(19, 5, 10, 4));
    for (qreal x : {18.0, 24.0, 30.0}) p.drawLine(QPointF(x, 19), QPointF(x, 39));
}

void Printer(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 4, 20, 14));
    p.setBrush(QColor(120, 125, 140));
    p.drawRoundedRect(QRectF(5, 17, 38, 17), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 29, 22, 15));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y : {34.0, 38.0}) p.drawLine(QPointF(16, y), QPointF(32, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QRectF(36, 21, 4, 4));
}

void Exit(QPainter& p) {
    p.setPen(QPen(QColor(90, 55, 25), 2));
    p.setBrush(QColor(160, 105, 55));
    p.drawRect(QRectF(6, 4, 22, 40));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRectF(22, 23, 3, 3));
    p.setPen(QPen(QColor(30, 140, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(26, 24), QPointF(43, 24));
    p.drawLine(QPointF(36, 17), QPointF(43, 24));
    p.drawLine(QPointF(36, 31), QPointF(43, 24));
}

void Save(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 90), 2));
    p.setBrush(QColor(50, 90, 170));
    p.drawRoundedRect(QRectF(5, 5, 38, 38), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 5, 26, 15));
    p.setBrush(QColor(190, 195, 205));
    p.drawRect(QRectF(14, 28, 20, 15));
    p.setBrush(QColor(20, 40, 90));
    p.drawRect(QRectF(29, 8, 5, 9));
}

void Open(QPainter& p) {
    p.setPen(QPen(QColor(150, 100, 10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(230, 180, 60));
    QPainterPath back;
    back.moveTo(4, 40);
    back.lineTo(4, 9);
    back.lineTo(17, 9);
    back.lineTo(21, 14);
    back.lineTo(40, 14);
    back.lineTo(40, 40);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 210, 100));
    p.drawPolygon(QPolygonF({QPointF(4, 40), QPointF(11, 21), QPointF(46, 21), QPointF(40, 40)}));
}

}  // namespace

void DrawMessagePicture(QPainter& p, Icon icon, qreal side) {
    p.save();
    p.scale(side / kDesign, side / kDesign);
    using Draw = void (*)(QPainter&);
    // In the order of Icon.
    static constexpr Draw kPictures[] = {nullptr, Question, Exclamation, Information, Critical,
                                         Trash,   Printer,  Exit,        Save,        Open};
    const auto index = static_cast<std::size_t>(icon);
    if (index < std::size(kPictures) && kPictures[index]) kPictures[index](p);
    p.restore();
}

QPixmap MessagePicture(Icon icon, int side, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawMessagePicture(p, icon, side);
    return pixmap;
}

}  // namespace ringlace
