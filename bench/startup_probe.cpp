// Starts like the real program, then quits as soon as the event loop is
// idle after showing the window. With BARE set, it starts only a plain
// QMainWindow: the floor that the real start-up is measured against. With
// BARE=label the plain window shows one line of text, which adds what any
// window with text pays on its first show (loading fonts).

#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (qEnvironmentVariableIsSet("BARE")) {
        QMainWindow window;
        if (qgetenv("BARE") == "label")
            window.setCentralWidget(new QLabel(QStringLiteral("Varizez"), &window));
        window.showMaximized();
        return app.exec();
    }
    MainWindow window;
    presentMainWindow(window);
    return app.exec();
}
