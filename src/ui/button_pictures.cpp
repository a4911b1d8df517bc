#include "ui/button_pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/message_pictures.h"

namespace ringlace {

namespace {

// Every picture is drawn on a 32 x 32 design grid and scaled to the size asked for.
constexpr qreal kDesign = 32;

const QColor kInk(52, 62, 80);

QPen InkPen(qreal width, const QColor& colour = kInk) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Magnifier(QPainter& p) {
    p.setPen(InkPen(2.6));
    p.setBrush(QColor(235, 244, 255));
    p.drawEllipse(QRectF(4, 4, 18, 18));
    p.setPen(InkPen(4.5));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
}

void Undo(QPainter& p) {
    QPainterPath path;
    path.moveTo(9, 13);
    path.lineTo(19, 13);
    path.cubicTo(31, 13, 31, 27, 19, 27);
    path.lineTo(12, 27);
    p.setPen(InkPen(3.2, QColor(40, 95, 170)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 95, 170));
    p.drawPolygon(QPolygonF({QPointF(3, 13), QPointF(12, 5), QPointF(12, 21)}));
}

void EraseBars(QPainter& p) {
    p.setPen(InkPen(3));
    p.drawLine(QPointF(4, 8), QPointF(20, 8));
    p.drawLine(QPointF(4, 8), QPointF(4, 24));
    p.save();
    p.translate(20, 19);
    p.rotate(-40);
    p.setPen(InkPen(1.6));
    p.setBrush(QColor(240, 130, 150));
    p.drawRoundedRect(QRectF(-10, -6, 13, 12), 2, 2);
    p.setBrush(QColor(245, 245, 250));
    p.drawRoundedRect(QRectF(3, -6, 8, 12), 2, 2);
    p.restore();
    p.setPen(InkPen(1.6, QColor(150, 150, 160)));
    p.drawLine(QPointF(12, 29), QPointF(29, 29));
}

void Verify(QPainter& p) {
    p.setPen(InkPen(2.2, QColor(30, 120, 50)));
    p.setBrush(QColor(225, 245, 228));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(InkPen(3.6, QColor(30, 130, 50)));
    p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 10.5)}));
}

void Autosolve(QPainter& p) {
    p.setPen(InkPen(1.6, QColor(150, 95, 0)));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(QPolygonF({QPointF(18, 2), QPointF(6, 18), QPointF(15, 18), QPointF(12, 30),
                             QPointF(26, 12), QPointF(17, 12), QPointF(21, 2)}));
}

void Cancel(QPainter& p) {
    QPolygonF octagon;
    for (const auto& [x, y] : {std::pair{11.0, 3.0},
                               {21.0, 3.0},
                               {29.0, 11.0},
                               {29.0, 21.0},
                               {21.0, 29.0},
                               {11.0, 29.0},
                               {3.0, 21.0},
                               {3.0, 11.0}})
        octagon << QPointF(x, y);
    p.setPen(InkPen(1.6, QColor(130, 20, 20)));
    p.setBrush(QColor(210, 45, 40));
    p.drawPolygon(octagon);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(11, 11, 10, 10), 1.5, 1.5);
}

void Zoom(QPainter& p, ButtonPicture picture) {
    Magnifier(p);
    p.setPen(InkPen(2.6));
    p.drawLine(QPointF(9, 13), QPointF(17, 13));
    if (picture == ButtonPicture::ZoomIn) p.drawLine(QPointF(13, 9), QPointF(13, 17));
    if (picture == ButtonPicture::ZoomReset) {
        p.setPen(InkPen(1.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(8.5, 8.5, 9, 9));
    }
}

void Eye(QPainter& p) {
    QPainterPath lid;
    lid.moveTo(2, 16);
    lid.quadTo(16, 2, 30, 16);
    lid.quadTo(16, 30, 2, 16);
    p.setPen(InkPen(2));
    p.setBrush(Qt::white);
    p.drawPath(lid);
    p.setBrush(QColor(40, 95, 170));
    p.drawEllipse(QRectF(10.5, 10.5, 11, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(13.5, 13.5, 5, 5));
}

void ViewLoop(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 100, 100));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 3, 3);
    p.setBrush(QColor(255, 235, 60));
    p.drawRect(QRectF(7, 7, 18, 11));
    p.drawRect(QRectF(7, 18, 9, 7));
    p.setPen(InkPen(2.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(7, 7), QPointF(25, 7), QPointF(25, 18), QPointF(16, 18),
                             QPointF(16, 25), QPointF(7, 25)}));
}

// A small board of dots with a loop on it, and a spark for something new.
void NewPuzzle(QPainter& p) {
    p.setPen(InkPen(2.4, QColor(40, 95, 170)));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(5, 12), QPointF(19, 12), QPointF(19, 19), QPointF(12, 19),
                             QPointF(12, 27), QPointF(5, 27)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const qreal x : {5.0, 12.0, 19.0})
        for (const qreal y : {12.0, 19.5, 27.0}) p.drawEllipse(QPointF(x, y), 1.7, 1.7);
    p.setPen(InkPen(1.2, QColor(150, 95, 0)));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(QPolygonF({QPointF(24, 1), QPointF(26, 6), QPointF(31, 8), QPointF(26, 10),
                             QPointF(24, 15), QPointF(22, 10), QPointF(17, 8), QPointF(22, 6)}));
}

void Help(QPainter& p) {
    p.setPen(InkPen(2.2, QColor(40, 95, 170)));
    p.setBrush(QColor(225, 236, 252));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font("Sans Serif");
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, "?");
}

// A filled arrow, to the left or to the right.
void Arrow(QPainter& p, bool right) {
    p.setPen(InkPen(1.6, QColor(30, 90, 45)));
    p.setBrush(QColor(70, 165, 90));
    QPolygonF arrow({QPointF(4, 16), QPointF(16, 4), QPointF(16, 11), QPointF(28, 11),
                     QPointF(28, 21), QPointF(16, 21), QPointF(16, 28)});
    if (right)
        for (QPointF& point : arrow) point.setX(kDesign - point.x());
    p.drawPolygon(arrow);
}

// A die showing five.
void Random(QPainter& p) {
    p.setPen(InkPen(1.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const auto& [x, y] :
         {std::pair{10.5, 10.5}, {21.5, 10.5}, {16.0, 16.0}, {10.5, 21.5}, {21.5, 21.5}})
        p.drawEllipse(QPointF(x, y), 2.4, 2.4);
}

// Three rows of three small puzzles, the one in the middle picked.
void Browse(QPainter& p) {
    p.setPen(InkPen(1.4));
    for (const qreal x : {3.0, 12.0, 21.0}) {
        for (const qreal y : {3.0, 12.0, 21.0}) {
            p.setBrush(x == 12 && y == 12 ? QColor(40, 95, 170) : QColor(225, 236, 252));
            p.drawRect(QRectF(x, y, 8, 8));
        }
    }
}

// A sheet of text with an arrow into it.
void Import(QPainter& p) {
    p.setPen(InkPen(1.6));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {QPointF(11, 3), QPointF(23, 3), QPointF(29, 9), QPointF(29, 29), QPointF(11, 29)}));
    p.setPen(InkPen(1.4, QColor(150, 150, 160)));
    for (const qreal y : {12.0, 17.0, 22.0}) p.drawLine(QPointF(16, y), QPointF(25, y));
    p.setPen(InkPen(1.4, QColor(30, 90, 45)));
    p.setBrush(QColor(70, 165, 90));
    p.drawPolygon(QPolygonF({QPointF(2, 14), QPointF(9, 14), QPointF(9, 10), QPointF(16, 17),
                             QPointF(9, 24), QPointF(9, 20), QPointF(2, 20)}));
}

// A stack of new puzzles: three sheets of dots, the front one with its star.
void NewWithOptions(QPainter& p) {
    for (const qreal shift : {8.0, 4.0, 0.0}) {
        p.setPen(InkPen(1.4));
        p.setBrush(shift == 0 ? Qt::white : QColor(225, 236, 252));
        p.drawRect(QRectF(3 + shift, 11 - shift, 16, 17));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const qreal x : {7.0, 11.0, 15.0})
        for (const qreal y : {15.0, 19.5, 24.0}) p.drawEllipse(QPointF(x, y), 1.3, 1.3);
    p.setPen(InkPen(1.2, QColor(150, 95, 0)));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(QPolygonF({QPointF(25, 1), QPointF(27, 6), QPointF(31, 8), QPointF(27, 10),
                             QPointF(25, 15), QPointF(23, 10), QPointF(19, 8), QPointF(23, 6)}));
}

// A pencil over the lower right of a picture.
void Pencil(QPainter& p) {
    p.setPen(InkPen(1.2, QColor(120, 70, 20)));
    p.setBrush(QColor(245, 190, 70));
    p.drawPolygon(QPolygonF(
        {QPointF(29, 15), QPointF(32, 18), QPointF(20, 30), QPointF(16, 31), QPointF(17, 27)}));
}

// A grid of cells with two clues, and the pencil.
void EditNumbers(QPainter& p) {
    p.setPen(InkPen(1.2));
    p.setBrush(Qt::white);
    for (const qreal x : {2.0, 11.0, 20.0})
        for (const qreal y : {2.0, 11.0}) p.drawRect(QRectF(x, y, 9, 9));
    QFont font("Sans Serif");
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(2, 2, 9, 9), Qt::AlignCenter, "3");
    p.drawText(QRectF(20, 11, 9, 9), Qt::AlignCenter, "2");
    Pencil(p);
}

// A grid with some cells marked for clues, and the pencil.
void EditPattern(QPainter& p) {
    p.setPen(InkPen(1.2));
    for (const qreal x : {2.0, 11.0, 20.0}) {
        for (const qreal y : {2.0, 11.0, 20.0}) {
            const bool marked = (x == 2.0 && y == 2.0) || (x == 20.0 && y == 2.0) ||
                                (x == 11.0 && y == 11.0) || (x == 2.0 && y == 20.0);
            p.setBrush(marked ? QColor(40, 95, 170) : QColor(Qt::white));
            p.drawRect(QRectF(x, y, 9, 9));
        }
    }
    Pencil(p);
}

// A loop round dots, and the pencil.
void EditLoop(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const qreal x : {4.0, 12.0, 20.0})
        for (const qreal y : {4.0, 12.0, 20.0}) p.drawEllipse(QPointF(x, y), 1.5, 1.5);
    p.setPen(InkPen(2.4, QColor(40, 95, 170)));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(4, 4), QPointF(20, 4), QPointF(20, 12), QPointF(12, 12),
                              QPointF(12, 20), QPointF(4, 20), QPointF(4, 4)}));
    Pencil(p);
}

// A light bulb: an idea for the next step.
void Hint(QPainter& p) {
    p.setPen(InkPen(1.6, QColor(150, 95, 0)));
    p.setBrush(QColor(255, 225, 70));
    QPainterPath bulb;
    bulb.moveTo(12, 21);
    bulb.cubicTo(12, 17, 7, 15, 7, 10.5);
    bulb.cubicTo(7, 5, 11, 2.5, 16, 2.5);
    bulb.cubicTo(21, 2.5, 25, 5, 25, 10.5);
    bulb.cubicTo(25, 15, 20, 17, 20, 21);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setPen(InkPen(2.2, QColor(110, 110, 120)));
    p.drawLine(QPointF(12, 24), QPointF(20, 24));
    p.drawLine(QPointF(13, 27.5), QPointF(19, 27.5));
    p.setPen(InkPen(1.6, QColor(190, 120, 0)));
    p.drawPolyline(QPolygonF({QPointF(13.5, 20), QPointF(14.5, 12), QPointF(16, 14.5),
                              QPointF(17.5, 12), QPointF(18.5, 20)}));
}

void Draw(QPainter& p, ButtonPicture picture) {
    switch (picture) {
        case ButtonPicture::Undo:
            Undo(p);
            break;
        case ButtonPicture::EraseBars:
            EraseBars(p);
            break;
        case ButtonPicture::Verify:
            Verify(p);
            break;
        case ButtonPicture::Hint:
            Hint(p);
            break;
        case ButtonPicture::Autosolve:
            Autosolve(p);
            break;
        case ButtonPicture::Cancel:
            Cancel(p);
            break;
        case ButtonPicture::ZoomOut:
        case ButtonPicture::ZoomIn:
        case ButtonPicture::ZoomReset:
            Zoom(p, picture);
            break;
        case ButtonPicture::ViewBars:
            Eye(p);
            break;
        case ButtonPicture::ViewLoop:
            ViewLoop(p);
            break;
        case ButtonPicture::NewPuzzle:
            NewPuzzle(p);
            break;
        case ButtonPicture::Load:
            DrawMessagePicture(p, Icon::Open, kDesign);
            break;
        case ButtonPicture::Save:
            DrawMessagePicture(p, Icon::Save, kDesign);
            break;
        case ButtonPicture::Help:
            Help(p);
            break;
        case ButtonPicture::Previous:
        case ButtonPicture::Next:
            Arrow(p, picture == ButtonPicture::Next);
            break;
        case ButtonPicture::Random:
            Random(p);
            break;
        case ButtonPicture::Browse:
            Browse(p);
            break;
        case ButtonPicture::Import:
            Import(p);
            break;
        case ButtonPicture::Print:
            DrawMessagePicture(p, Icon::Print, kDesign);
            break;
        case ButtonPicture::NewWithOptions:
            NewWithOptions(p);
            break;
        case ButtonPicture::EditNumbers:
            EditNumbers(p);
            break;
        case ButtonPicture::EditPattern:
            EditPattern(p);
            break;
        case ButtonPicture::EditLoop:
            EditLoop(p);
            break;
    }
}

class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(ButtonPicture picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2);
        painter->scale(side / kDesign, side / kDesign);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        Draw(*painter, picture_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size * scale), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PictureEngine(picture_); }

private:
    ButtonPicture picture_;
};

}  // namespace

QIcon ButtonIcon(ButtonPicture picture) {
    return QIcon(new PictureEngine(picture));
}

}  // namespace ringlace
