// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_MAINWINDOWUI_H
#define VARIZEZ_MAINWINDOWUI_H

class QHBoxLayout;
class QLabel;
class QListView;
class QMainWindow;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Builds the widget tree of the main window and holds pointers to it.
// It owns nothing: every widget belongs to the window.
class MainWindowUi
{
public:
    QWidget *centralWidget = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *label = nullptr;
    QListView *listWidget = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnStart = nullptr;
    QPushButton *btnRemove = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QPushButton *btnExit = nullptr;
    QPushButton *btnMoreApps = nullptr;
    QPushButton *btnAbout = nullptr;

    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);
};

#endif // VARIZEZ_MAINWINDOWUI_H
