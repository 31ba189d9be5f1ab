// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "counterui.h"

#include "sizepolicy.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {

const char kDialogStyleSheet[] =
    "QPushButton\n"
    "{\n"
    "\tbackground-color: qlineargradient(spread:pad, x1:0.13, y1:0.295455, x2:1, y2:0, "
    "stop:0 rgba(0, 116, 0, 255), stop:1 rgba(88, 255, 102, 255));\n"
    "\tborder-radius: 10px;\n"
    "\tcolor: rgb(255, 255, 0);\n"
    "\tborder-color: rgb(255, 255, 0);\n"
    " border-width: 1px;\n"
    " border-style: solid;\n"
    "}\n"
    "background-color: rgb(255, 255, 255);";

QPushButton *addImageButton(QDialog *dialog, QHBoxLayout *row, const char *name,
                            const char *styleSheet)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    applySizePolicy(button, QSizePolicy::Preferred, QSizePolicy::Preferred);
    button->setMinimumSize(QSize(75, 75));
    button->setMaximumSize(QSize(256, 256));
    button->setStyleSheet(QString::fromLatin1(styleSheet));
    row->addWidget(button);
    return button;
}

QPushButton *addTextButton(QDialog *dialog, QHBoxLayout *row, const char *name)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    applySizePolicy(button, QSizePolicy::Minimum, QSizePolicy::Preferred);
    button->setMaximumSize(QSize(16777215, 75));
    row->addWidget(button);
    return button;
}

} // namespace

void CounterUi::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("Counter"));
    dialog->resize(378, 388);
    dialog->setStyleSheet(QString::fromLatin1(kDialogStyleSheet));

    verticalLayout = new QVBoxLayout(dialog);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

    label = new QLabel(dialog);
    label->setObjectName(QStringLiteral("label"));
    applySizePolicy(label, QSizePolicy::Preferred, QSizePolicy::Fixed);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 170, 0);"));
    verticalLayout->addWidget(label);

    horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    btnPlus = addImageButton(dialog, horizontalLayout_2, "btnPlus",
                             "border-image: url(:/new/images/images/Button-Add-icon.png);");
    verticalLayout->addLayout(horizontalLayout_2);

    lcdNumber = new QLCDNumber(dialog);
    lcdNumber->setObjectName(QStringLiteral("lcdNumber"));
    applySizePolicy(lcdNumber, QSizePolicy::Minimum, QSizePolicy::Preferred);
    lcdNumber->setStyleSheet(
        QStringLiteral("color: rgb(0, 170, 0);\nborder-color: rgb(0, 170, 0);"));
    lcdNumber->setProperty("intValue", QVariant(0));
    verticalLayout->addWidget(lcdNumber);

    horizontalLayout_3 = new QHBoxLayout();
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    btnMinus =
        addImageButton(dialog, horizontalLayout_3, "btnMinus",
                       "border-image: url(:/new/images/images/Actions-list-remove-icon.png);");
    verticalLayout->addLayout(horizontalLayout_3);

    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    btnReset = addTextButton(dialog, horizontalLayout, "btnReset");
    btnBack = addTextButton(dialog, horizontalLayout, "btnBack");
    verticalLayout->addLayout(horizontalLayout);

    retranslateUi(dialog);

    QMetaObject::connectSlotsByName(dialog);
}

void CounterUi::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("Counter", "Dialog", nullptr));
    label->setText(QCoreApplication::translate(
        "Counter", "You can also use key A to decrease, key L to increase", nullptr));
    // The two big buttons show only an image, and the number display only
    // digits: screen readers get a name and a purpose from these.
    btnPlus->setText(QString());
    btnPlus->setAccessibleName(QCoreApplication::translate("Counter", "Count up", nullptr));
    btnPlus->setAccessibleDescription(
        QCoreApplication::translate("Counter", "Adds one to the count", nullptr));
    btnMinus->setText(QString());
    btnMinus->setAccessibleName(QCoreApplication::translate("Counter", "Count down", nullptr));
    btnMinus->setAccessibleDescription(
        QCoreApplication::translate("Counter", "Takes one from the count", nullptr));
    lcdNumber->setAccessibleName(QCoreApplication::translate("Counter", "Count", nullptr));
    lcdNumber->setAccessibleDescription(
        QCoreApplication::translate("Counter", "How often the phrase has been said", nullptr));
    btnReset->setText(QCoreApplication::translate("Counter", "Reset", nullptr));
    btnBack->setText(QCoreApplication::translate("Counter", "Back", nullptr));
}
