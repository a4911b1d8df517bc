#include "ui/board_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "commands/board_commands.h"
#include "play/autofill.h"
#include "play/entry.h"
#include "ui/marker_painting.h"

namespace ringlace {

namespace {

NavigationKey NavigationFor(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return NavigationKey::Left;
        case Qt::Key_Right:
            return NavigationKey::Right;
        case Qt::Key_Up:
            return NavigationKey::Up;
        case Qt::Key_Down:
            return NavigationKey::Down;
        case Qt::Key_End:
            return NavigationKey::End;
        default:
            return NavigationKey::Other;
    }
}

bool IsArrowOrEnd(int qtKey) {
    return NavigationFor(qtKey) != NavigationKey::Other;
}

}  // namespace

BoardSurface::BoardSurface(BoardView& view, const App& app)
    : QWidget(&view), view_(view), app_(app) {
    setObjectName("boardSurface");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void BoardSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Drawn at exactly its own size: a picture scaled by a fraction of a pixel loses thin lines.
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) / devicePixelRatioF()), image_);
    PaintMarkers(painter, app_.play.markers, app_.settings, 1.0 / view_.TwipsPerPixel());
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragOrigin_ = event->globalPosition().toPoint() - pos();
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    setFocus();
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        view_.Dragged(event->globalPosition().toPoint() - dragOrigin_);
        return;
    }
    view_.PointerMoved(event->position());
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        unsetCursor();
    } else if (event->button() == Qt::RightButton) {
        view_.RightReleased(event->position(), event->globalPosition().toPoint());
    }
}

// Every character key belongs to the board; Escape counts as one of them.
void BoardSurface::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Escape) {
        view_.CharacterTyped(kEscapeKey);
    } else if (!command && text.size() == 1 && text[0].unicode() >= 0x20 &&
               text[0].unicode() < 0x7f) {
        view_.CharacterTyped(text[0].toLatin1());
    } else if (!IsArrowOrEnd(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardSurface::keyReleaseEvent(QKeyEvent* event) {
    // The release of a window shortcut's key (Ctrl+End) is not the board's.
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        view_.KeyReleased(event->key());
    event->accept();
}

BoardView::BoardView(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("boardView");
    setAttribute(Qt::WA_StyledBackground);
    surface_ = new BoardSurface(*this, app_);
    BuildPopupMenu();
}

void BoardView::BuildPopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName("popupMenu");
    const auto entry = [this](QMenu* menu, const char* caption, const char* name, auto act) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, act);
        return action;
    };
    entry(popupMenu_, "Clear All", "clearAllEntry", [this] { Popup(PopupEntry::ClearAll); });
    entry(popupMenu_, "Set All X", "setAllXEntry", [this] { Popup(PopupEntry::SetAllX); });
    QMenu* bars = popupMenu_->addMenu("Set/Clear Bar");
    bars->setObjectName("barsMenu");
    const char* sides[] = {"Left", "Top", "Right", "Bottom"};
    for (std::size_t k = 0; k < kSides.size(); ++k) {
        const QString name = QString("barEntry_%1").arg(k);
        entry(bars, sides[k], name.toLatin1().constData(),
              [this, side = kSides[k]] { Popup(PopupEntry::SetClearBar, side); });
    }
    bars->addSeparator()->setObjectName("barEntry_4");
    bars->addAction("Cancel")->setObjectName("barEntry_5");
    popupMenu_->addSeparator();
    entry(popupMenu_, "Set Pink", "setPinkEntry", [this] { Popup(PopupEntry::SetPink); });
    entry(popupMenu_, "Set Yellow", "setYellowEntry", [this] { Popup(PopupEntry::SetYellow); });
    entry(popupMenu_, "Set Clear", "setClearEntry", [this] { Popup(PopupEntry::SetClear); });
    popupMenu_->addSeparator();
    popupMenu_->addAction("Cancel");
}

template <typename Act>
void BoardView::Enter(Act&& act) {
    Paint([&](BoardPainter& painter) {
        PlayContext play{app_.grid, app_.play,          app_.settings,         app_.geometry,
                         painter,   app_.runState.busy, app_.place.number >= 1};
        act(play);
    });
}

void BoardView::Popup(PopupEntry entry, std::optional<Side> side) {
    Enter([&](PlayContext& play) { PopupCommand(play, entry, side); });
    emit boardChanged();
}

double BoardView::TwipsPerPixel() const {
    return double(kTwipsPerInch) / logicalDpiX();
}

double BoardView::DevicePixelsPerInch() const {
    return logicalDpiX() * devicePixelRatioF();
}

QPointF BoardView::ToTwips(const QPointF& pixels) const {
    return pixels * TwipsPerPixel();
}

QPointF BoardView::ToPixels(const QPointF& twips) const {
    return twips / TwipsPerPixel();
}

void BoardView::FitAndRedraw() {
    BoardGeometry& geometry = app_.geometry;
    geometry.FrameWidth = qRound(width() * TwipsPerPixel());
    geometry.FrameHeight = qRound(height() * TwipsPerPixel());
    QImage measuring(1, 1, QImage::Format_RGB32);
    QtCanvas canvas(measuring, DevicePixelsPerInch());
    FitBoardToFrame(geometry, app_.play, app_.grid, canvas, app_.settings.FontName);
    Redraw();
    emit boardChanged();
}

void BoardView::Relayout() {
    QImage measuring(1, 1, QImage::Format_RGB32);
    QtCanvas canvas(measuring, DevicePixelsPerInch());
    LayOutBoard(app_.geometry, app_.grid, canvas, app_.settings.FontName);
    Redraw();
}

void BoardView::Zoom(ZoomStep step) {
    if (!isVisible()) return;
    QImage measuring(1, 1, QImage::Format_RGB32);
    QtCanvas canvas(measuring, DevicePixelsPerInch());
    if (ZoomCommand(app_, canvas, step)) Redraw();
}

void BoardView::Redraw() {
    const BoardGeometry& geometry = app_.geometry;
    const double dotsPerInch = DevicePixelsPerInch();
    const QSize pixels(qMax(1, qRound(geometry.BoardWidth * dotsPerInch / kTwipsPerInch)),
                       qMax(1, qRound(geometry.BoardHeight * dotsPerInch / kTwipsPerInch)));
    QImage& image = surface_->Image();
    if (image.size() != pixels) image = QImage(pixels, QImage::Format_RGB32);
    Paint([this](BoardPainter& painter) { painter.RedrawBoard(app_.grid); });
    PlaceBoard();
}

void BoardView::PlaceBoard() {
    const BoardGeometry& geometry = app_.geometry;
    const QPointF topLeft = ToPixels(QPointF(geometry.BoardLeft, geometry.BoardTop));
    const QPointF size = ToPixels(QPointF(geometry.BoardWidth, geometry.BoardHeight));
    surface_->setGeometry(qRound(topLeft.x()), qRound(topLeft.y()), qRound(size.x()),
                          qRound(size.y()));
}

void BoardView::Dragged(const QPoint& topLeft) {
    surface_->move(topLeft);
    const QPointF twips = ToTwips(QPointF(topLeft));
    app_.geometry.BoardLeft = qRound(twips.x());
    app_.geometry.BoardTop = qRound(twips.y());
}

void BoardView::PointerMoved(const QPointF& position) {
    const QPointF twips = ToTwips(position);
    bool takeFocus = false;
    Enter(
        [&](PlayContext& play) { takeFocus = Hover(play, qRound(twips.x()), qRound(twips.y())); });
    if (takeFocus) surface_->setFocus();
}

void BoardView::RightReleased(const QPointF& position, const QPoint& globalPosition) {
    const QPointF twips = ToTwips(position);
    RightRelease outcome = RightRelease::Ignored;
    Enter([&](PlayContext& play) {
        outcome = RightButtonReleased(play, qRound(twips.x()), qRound(twips.y()));
    });
    if (outcome == RightRelease::OpenPopup) popupMenu_->popup(globalPosition);
    emit boardChanged();
}

void BoardView::RunAutofillTick() {
    std::optional<std::string> status;
    Enter([&](PlayContext& play) { status = AutofillTick(play); });
    if (status) app_.host.Status(*status);
    emit boardChanged();
}

void BoardView::CharacterTyped(char key) {
    Enter([&](PlayContext& play) { CharacterKey(play, key); });
    emit boardChanged();
}

void BoardView::KeyReleased(int qtKey) {
    Enter([&](PlayContext& play) { NavigationKeyReleased(play, NavigationFor(qtKey)); });
}

// A larger or smaller window fits the board to its new frame.
void BoardView::resizeEvent(QResizeEvent*) {
    FitAndRedraw();
}

}  // namespace ringlace
