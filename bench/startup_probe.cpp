// Starts like the real program, then quits as soon as the event loop is
// idle after showing the window. With BARE set, it starts only a plain
// QMainWindow: the floor that the real start-up is measured against.

#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (qEnvironmentVariableIsSet("BARE")) {
        QMainWindow window;
        window.showMaximized();
        return app.exec();
    }
    MainWindow window;
    presentMainWindow(window);
    return app.exec();
}
