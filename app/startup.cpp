// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "launchtokens.h"
#include "mainwindow.h"

#include <QApplication>

void presentMainWindow(MainWindow &window)
{
    window.applyOrientationMode(2);
    window.showMaximized();
}

void showAgain(MainWindow &window, const QVariantMap &launchTokens)
{
    QWidget *front = &window;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("Counter") && widget->isVisible())
            front = widget;
    // Each window has one way of being shown: the counting dialog full
    // screen, the main window maximized.
    if (front == &window)
        window.showMaximized();
    else
        front->showFullScreen();
    front->raise();
    LaunchTokens::useFor(launchTokens, front);
    front->activateWindow();
}
