// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_COUNTERUI_H
#define VARIZEZ_COUNTERUI_H

class QDialog;
class QHBoxLayout;
class QLabel;
class QLCDNumber;
class QPushButton;
class QVBoxLayout;

// Builds the widget tree of the counting dialog and holds pointers to it.
// It owns nothing: every widget belongs to the dialog.
class CounterUi
{
public:
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *label = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QPushButton *btnPlus = nullptr;
    QLCDNumber *lcdNumber = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QPushButton *btnMinus = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *btnReset = nullptr;
    QPushButton *btnBack = nullptr;

    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};

#endif // VARIZEZ_COUNTERUI_H
