#include "ui/options_preview.h"

#include <QPainter>

#include "model/grid.h"
#include "model/settings.h"
#include "play/board_drawing.h"
#include "play/board_geometry.h"
#include "play/board_markers.h"
#include "ui/marker_painting.h"
#include "ui/qt_canvas.h"

namespace ringlace {

namespace {

constexpr int kPreviewCell = 480;
constexpr int kPreviewMargin = 200;

// Two rows of three cells with a clue, a corner of the loop and an X.
Grid PreviewGrid() {
    Grid grid;
    grid.Rows = 2;
    grid.Cols = 3;
    grid.BuildCellIndex();
    grid.ResetGrid();
    grid.ResetColours();
    grid.Clue[1] = 3;
    grid.Clue[5] = 1;
    grid.SetEdge(1, 1, Side::Left, Bar);
    grid.SetEdge(1, 1, Side::Top, Bar);
    grid.SetEdge(1, 1, Side::Right, Bar);
    grid.SetEdge(2, 2, Side::Right, XMark);
    grid.CellColour[1][1] = Yellow;
    return grid;
}

Settings PreviewSettings(const OptionsChoice& choice) {
    Settings settings;
    AcceptOptions(choice, settings);
    return settings;
}

}  // namespace

SchemePreview::SchemePreview(QWidget* parent) : QWidget(parent) {
    setObjectName("schemePreview");
    setMinimumSize(200, 110);
}

void SchemePreview::Show(const SchemeColours& colours) {
    colours_ = colours;
    update();
}

// A window in miniature: its background, a command bar with buttons, the board in its frame.
void SchemePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor border(90, 90, 90);
    const QRectF window = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(border);
    p.setBrush(ToQColor(colours_[kWindowColour]));
    p.drawRoundedRect(window, 4, 4);
    const QRectF bar(8, 8, 58, window.height() - 16);
    p.setPen(ToQColor(colours_[kButtonShadowColour]));
    p.setBrush(ToQColor(colours_[kButtonColour]));
    p.drawRoundedRect(bar, 3, 3);
    p.setBrush(ToQColor(colours_[kBoardColour]));
    for (int k = 0; k < 3; ++k) p.drawRoundedRect(QRectF(16, 18 + k * 26, 42, 18), 3, 3);
    p.setPen(ToQColor(colours_[kLabelTextColour]));
    p.drawText(QRectF(16, 18, 42, 18), Qt::AlignCenter, "Aa");
    const QRectF frame(74, 8, window.width() - 82, window.height() - 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(colours_[kBoardFrameColour]));
    p.drawRect(frame);
    p.setBrush(ToQColor(colours_[kBoardColour]));
    p.drawRect(frame.adjusted(10, 10, -10, -10));
}

BoardPreview::BoardPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("boardPreview");
    setMinimumSize(170, 120);
}

void BoardPreview::Show(const OptionsChoice& choice, const SchemeColours& colours) {
    choice_ = choice;
    colours_ = colours;
    update();
}

void BoardPreview::paintEvent(QPaintEvent*) {
    Grid grid = PreviewGrid();
    const Settings settings = PreviewSettings(choice_);
    const double dotsPerInch = logicalDpiX() * devicePixelRatioF();
    BoardGeometry geometry;
    geometry.CellSize = kPreviewCell;
    geometry.GridLeft = kPreviewMargin;
    geometry.GridTop = kPreviewMargin;
    geometry.Twelfth = kPreviewCell / 12;
    geometry.Third = kPreviewCell / 3;
    geometry.Half = kPreviewCell / 2;
    const int twipsWide = 2 * kPreviewMargin + grid.Cols * kPreviewCell;
    const int twipsHigh = 2 * kPreviewMargin + grid.Rows * kPreviewCell;
    QImage image(qRound(twipsWide * dotsPerInch / kTwipsPerInch),
                 qRound(twipsHigh * dotsPerInch / kTwipsPerInch), QImage::Format_RGB32);
    {
        QtCanvas canvas(image, dotsPerInch);
        FitNumberFont(geometry, canvas, settings.FontName);
        BoardPainter(canvas, geometry, settings, colours_).RedrawBoard(grid);
    }
    BoardMarkers markers;
    ShowSideMarkers(markers, geometry, 2, 3, Side::Bottom, DotPlacement::Centred);

    QPainter p(this);
    const double pixelsPerTwip = double(logicalDpiX()) / kTwipsPerInch;
    // Drawn at exactly its own size: a picture scaled by a fraction of a pixel loses thin lines.
    const QSizeF shown = QSizeF(image.size()) / devicePixelRatioF();
    p.translate(qRound((width() - shown.width()) / 2), qRound((height() - shown.height()) / 2));
    p.drawImage(QRectF(QPointF(0, 0), shown), image);
    PaintMarkers(p, markers, settings, pixelsPerTwip);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(0, 0), shown));
}

}  // namespace ringlace
