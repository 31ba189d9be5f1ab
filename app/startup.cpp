#include "startup.h"

#include "mainwindow.h"

void presentMainWindow(MainWindow &window)
{
    window.applyOrientationMode(2);
    window.showMaximized();
}
