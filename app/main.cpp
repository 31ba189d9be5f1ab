#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.applyOrientationMode(2);
    window.showMaximized();
    return app.exec();
}
