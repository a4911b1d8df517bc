#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "commands/app.h"

namespace ringlace {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("helpWindow");
    setWindowTitle(QString(kProgramTitle) + " Help");
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    // Links to other sites open in the person's browser; links inside the page move within it.
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 640);
}

void HelpWindow::ShowPage(const QString& fileName) {
    browser_->setSource(QUrl::fromLocalFile(fileName));
    show();
    raise();
    activateWindow();
}

}  // namespace ringlace
