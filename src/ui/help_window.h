// The help window: the help page that ships beside the program, with its links working.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace ringlace {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page (a local HTML file) and brings the window to the front.
    void ShowPage(const QString& fileName);

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace ringlace
