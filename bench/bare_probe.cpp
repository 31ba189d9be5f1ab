// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up: a bare QApplication with an empty maximized
// QMainWindow, linked against nothing but Qt Widgets. With BARE_LABEL set
// the window shows one line of text, which adds what any window with text
// pays on its first show (loading fonts).

#include "idlestamp.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (qEnvironmentVariableIsSet("BARE_LABEL"))
        window.setCentralWidget(new QLabel(QStringLiteral("Varizez"), &window));
    window.showMaximized();
    stampWhenIdle(app);
    return app.exec();
}
