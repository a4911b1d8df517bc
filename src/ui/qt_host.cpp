#include "ui/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/message_box.h"
#include "ui/qt_canvas.h"

namespace ringlace {

QtHost::QtHost(QWidget* parent, std::function<std::int32_t()> messageColour)
    : parent_(parent), messageColour_(std::move(messageColour)) {}

QtHost::~QtHost() {
    BusyPointer(false);
}

Answer QtHost::Ask(const Message& message) {
    // Created on first use and kept; every call rebuilds its buttons and pictures.
    if (!messageBox_) messageBox_ = new MessageBox(parent_);
    const std::int32_t colour = messageColour_ ? messageColour_() : 0;
    return messageBox_->Ask(message, colour > 0 ? ToQColor(colour) : QColor());
}

std::string QtHost::GetFileName(const FileRequest& request) {
    // "*.rlc;*.txt" under "Ringlace Files" becomes "Ringlace Files (*.rlc *.txt)".
    QString patterns = QString::fromStdString(request.filter);
    patterns.replace(';', ' ');
    const QString filter =
        QString::fromStdString(request.filterName) + " (" + patterns + ");;All files (*)";
    const QString title = QString::fromStdString(request.title);
    const QString folder = QString::fromStdString(request.folder);
    const QString name = request.mode == "SAVE"
                             ? QFileDialog::getSaveFileName(parent_, title, folder, filter, nullptr,
                                                            QFileDialog::DontConfirmOverwrite)
                             : QFileDialog::getOpenFileName(parent_, title, folder, filter);
    return name.toStdString();
}

void QtHost::Status(const std::string& text) {
    if (statusLine_.text) statusLine_.text(text);
}

void QtHost::Progress(int percent) {
    if (statusLine_.progress) statusLine_.progress(percent);
}

std::string QtHost::ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtHost::SetClipboard(const ClipboardEntry& entry) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(entry.text));
    if (entry.picture) {
        // Sharp enough to print from the program it is pasted into.
        constexpr double kPictureDotsPerInch = 150;
        QImage probe(1, 1, QImage::Format_RGB32);
        QtCanvas measuring(probe, kPictureDotsPerInch);
        const PictureSize size = entry.picture->measure(measuring);
        QImage image(qMax(1, qRound(measuring.Pixels(size.width))),
                     qMax(1, qRound(measuring.Pixels(size.height))), QImage::Format_RGB32);
        {
            QtCanvas canvas(image, kPictureDotsPerInch);
            entry.picture->draw(canvas);
        }
        data->setImageData(image);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

bool QtHost::Print(const std::vector<Drawing>& pages) {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), parent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    QPainter painter;
    if (!painter.begin(printer_.get())) return false;
    const double twipsPerPixel = double(kTwipsPerInch) / printer_->logicalDpiY();
    const QRect paper = printer_->pageLayout().paintRectPixels(printer_->resolution());
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (k > 0) printer_->newPage();
        QtCanvas measuring(painter, 1.0);
        const PictureSize extent = pages[k].measure(measuring);
        // A page that would run off the paper is drawn smaller, its proportions kept.
        const double scale = ScaleToFit(extent, {static_cast<int>(paper.width() * twipsPerPixel),
                                                 static_cast<int>(paper.height() * twipsPerPixel)});
        QtCanvas canvas(painter, scale);
        pages[k].draw(canvas);
        Yield();
    }
    return painter.end();
}

void QtHost::Yield() {
    QCoreApplication::processEvents();
}

void QtHost::ShowNewBoard() {
    if (showNewBoard_) showNewBoard_();
}

// Asked for more than once by the nested steps of a solve: the pointer is set once and restored
// once, whatever the count of the calls.
void QtHost::BusyPointer(bool busy) {
    if (busy == busyPointer_) return;
    busyPointer_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace ringlace
