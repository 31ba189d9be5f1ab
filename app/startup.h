// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_STARTUP_H
#define VARIZEZ_STARTUP_H

#include <QVariantMap>

class MainWindow;

// What the entry point does with the window once it is built: ask for
// automatic orientation, then show it maximized.
void presentMainWindow(MainWindow &window);

// Brings the program back to the front, as it was left: the counting dialog
// while a count is going on, restored if it was minimized, else the window;
// with the tokens of the start that asked for it.
void showAgain(MainWindow &window, const QVariantMap &launchTokens);

#endif // VARIZEZ_STARTUP_H
