// ringlace: the window program.
#include <QApplication>

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
    return application.exec();
}
