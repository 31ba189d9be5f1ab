// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindowui.h"

#include "sizepolicy.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {

const char kWindowStyleSheet[] =
    "QPushButton\n"
    "{\n"
    "\tbackground-color: qlineargradient(spread:pad, x1:0.13, y1:0.295455, x2:1, y2:0, "
    "stop:0 rgba(0, 116, 0, 255), stop:1 rgba(88, 255, 102, 255));\n"
    "\tborder-radius: 10px;\n"
    "border-width: 1px;\n"
    " border-style: solid;\n"
    "\tcolor: rgb(255, 255, 0);\n"
    "\tborder-color: rgb(255, 255, 0);\n"
    " \n"
    "}\n"
    "background-color: rgb(255, 255, 255);\n"
    "QListWidget\n"
    "{\n"
    "\tcolor: rgb(0, 170, 0);\n"
    "\tborder-color: rgb(0, 170, 0);\n"
    "border-width: 1px;\n"
    " border-style: solid;\n"
    "}";

// The window's style sheet names the list by the class the handheld's list
// had; the list of the user's phrases is a view of their model, and looks
// the same.
const char kListStyle[] = "QListView { color: rgb(0, 170, 0); border-color: rgb(0, 170, 0); "
                          "border-width: 1px; border-style: solid; }";

constexpr int kButtonMaxHeight = 75;
constexpr int kUnboundedSize = 16777215; // QWIDGETSIZE_MAX

QPushButton *addButton(QWidget *parent, QHBoxLayout *row, const char *name, bool heightBounded)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    applySizePolicy(button, QSizePolicy::Minimum, QSizePolicy::Preferred);
    if (heightBounded)
        button->setMaximumSize(QSize(kUnboundedSize, kButtonMaxHeight));
    row->addWidget(button);
    return button;
}

QHBoxLayout *newButtonRow(const char *name)
{
    auto *row = new QHBoxLayout();
    row->setSpacing(6);
    row->setObjectName(QString::fromLatin1(name));
    return row;
}

} // namespace

void MainWindowUi::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(287, 335);
    window->setStyleSheet(QString::fromLatin1(kWindowStyleSheet));

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));

    verticalLayout = new QVBoxLayout(centralWidget);
    verticalLayout->setSpacing(6);
    verticalLayout->setContentsMargins(11, 11, 11, 11);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

    label = new QLabel(centralWidget);
    label->setObjectName(QStringLiteral("label"));
    applySizePolicy(label, QSizePolicy::Preferred, QSizePolicy::Fixed);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 170, 0);"));
    label->setWordWrap(true);
    verticalLayout->addWidget(label);

    listWidget = new QListView(centralWidget);
    listWidget->setObjectName(QStringLiteral("listWidget"));
    applySizePolicy(listWidget, QSizePolicy::Preferred, QSizePolicy::Preferred);
    listWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listWidget->setProperty("showDropIndicator", QVariant(false));
    listWidget->setAlternatingRowColors(true);
    listWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    listWidget->setWordWrap(true);
    listWidget->setStyleSheet(QString::fromLatin1(kListStyle));
    verticalLayout->addWidget(listWidget);

    horizontalLayout = newButtonRow("horizontalLayout");
    btnAdd = addButton(centralWidget, horizontalLayout, "btnAdd", true);
    btnStart = addButton(centralWidget, horizontalLayout, "btnStart", true);
    btnRemove = addButton(centralWidget, horizontalLayout, "btnRemove", true);
    verticalLayout->addLayout(horizontalLayout);

    horizontalLayout_2 = newButtonRow("horizontalLayout_2");
    btnExit = addButton(centralWidget, horizontalLayout_2, "btnExit", true);
    btnMoreApps = addButton(centralWidget, horizontalLayout_2, "btnMoreApps", false);
    btnAbout = addButton(centralWidget, horizontalLayout_2, "btnAbout", true);
    verticalLayout->addLayout(horizontalLayout_2);

    window->setCentralWidget(centralWidget);

    retranslateUi(window);

    QMetaObject::connectSlotsByName(window);
}

void MainWindowUi::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "Varizez", nullptr));
    label->setText(QCoreApplication::translate("MainWindow",
                                               "Click on a dua below, and then on Start", nullptr));
    btnAdd->setText(QCoreApplication::translate("MainWindow", "Add", nullptr));
    btnStart->setText(QCoreApplication::translate("MainWindow", "Start", nullptr));
    btnRemove->setText(QCoreApplication::translate("MainWindow", "Remove", nullptr));
    btnExit->setText(QCoreApplication::translate("MainWindow", "Exit", nullptr));
    btnMoreApps->setText(QCoreApplication::translate("MainWindow", "More Apps!", nullptr));
    btnAbout->setText(QCoreApplication::translate("MainWindow", "About", nullptr));
    // The list shows no text of its own: a screen reader needs its name.
    listWidget->setAccessibleName(QCoreApplication::translate("MainWindow", "Phrases", nullptr));
    listWidget->setAccessibleDescription(
        QCoreApplication::translate("MainWindow", "The phrases you count", nullptr));
}
