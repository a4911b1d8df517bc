// Helpers for window tests: an application folder to start the program in, the main window started
// and shown in one, and answering the program's modal dialogs from inside their event loops.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "model/app_paths.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"

namespace ringlace::test {

// An application folder with the shipped scheme list and puzzles unless told otherwise.
struct Installation {
    explicit Installation(bool withSchemes = true, bool withPuzzles = true);
    AppPaths Paths() const { return AppPaths{folder.Path(), folder.Path()}; }
    std::string Config() const { return ReadBytes(folder.File("ringlace.cfg")); }
    // A configuration that shows puzzle `number` of the folder's puzzles.txt at the start.
    void StartAt(int number) const;

    TempFolder folder;
};

// The main window started in a fresh installation and shown; prepare may change the installation
// first.
struct StartedWindow {
    explicit StartedWindow(const std::function<void(Installation&)>& prepare = {});
    App& app() { return window.app(); }
    template <typename Widget = QToolButton>
    Widget* Find(const char* name) {
        return window.findChild<Widget*>(name);
    }
    QString Status();
    // Runs check on every turn of the event loop while a solve or a creation works.
    void WhileBusy(const std::function<void()>& check);

    Installation installation;
    MainWindow window;
};

// The child of a dialog with the object name; the test ends when there is none.
template <typename Widget>
Widget* In(QWidget& parent, const char* name) {
    Widget* widget = parent.findChild<Widget*>(name);
    if (!widget) qFatal("no %s", name);
    return widget;
}

// Waits for the next modal dialog of type Dialog to show, then runs act on it.
template <typename Dialog>
void WhenModalShows(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start();
}

struct SeenMessage {
    QString text;
    bool answered = false;
};

// Waits for the next message box to open, records it, and presses the button with the caption.
// The returned record fills in when the box has been answered.
std::shared_ptr<SeenMessage> AnswerNextMessage(const QString& caption);

}  // namespace ringlace::test
