// ringlace: the window program. "ringlace FILE [N]" starts with puzzle N (1 by default) of FILE.
#include <QApplication>
#include <QStringList>

#include "model/app_paths.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ringlace");
    const ringlace::AppPaths paths =
        ringlace::LocateFoldersFromEnvironment(ringlace::ExecutableFolder());
    ringlace::MainWindow window(paths);
    QObject::connect(&window, &ringlace::MainWindow::programEnded, &application,
                     &QApplication::quit, Qt::QueuedConnection);
    if (window.StartUp() == ringlace::StartOutcome::End) return 1;
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        bool isNumber = false;
        const int number = arguments.size() > 2 ? arguments[2].toInt(&isNumber) : 1;
        window.OpenFile(arguments[1], isNumber ? number : 1);
    }
    return application.exec();
}
