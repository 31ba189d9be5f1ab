// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts exactly like the program (the same window, the same presentation),
// and reports the moment its event loop first becomes idle.

#include "idlestamp.h"
#include "mainwindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    presentMainWindow(window);
    stampWhenIdle(app);
    return app.exec();
}
