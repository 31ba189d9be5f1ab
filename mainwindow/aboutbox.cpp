// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

namespace {

// Where the program's source is published.
const char kSourceUrl[] = "https://varizez.org/";

// Room left beside a message box for the frame around it.
constexpr int kFrameRoom = 16;

// On a screen of up to 1024 pixels Qt makes a message box as wide as the
// screen, whenever it sizes it, which leaves the frame drawn around it (a
// phone's, say) partly off the screen: narrowed by the frame's room, and as
// tall as its text then needs.
class FrameRoom : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Asked of resizes alone: events come while the box is taken apart.
        auto *box =
            event->type() == QEvent::Resize ? qobject_cast<QMessageBox *>(watched) : nullptr;
        const int room = box ? box->screen()->availableGeometry().width() - kFrameRoom : 0;
        if (box && box->width() > room && box->layout())
            box->setFixedSize(room, box->layout()->hasHeightForWidth()
                                        ? box->layout()->totalHeightForWidth(room)
                                        : box->height());
        return false;
    }
};

} // namespace

void AboutBox::exec(QWidget *parent, const QString &styleSheet)
{
    // The licence asks an interactive program to show its notices: what it
    // is, whose it is, under which licence, that there is no warranty, and
    // where its source is.
    QMessageBox box(parent);
    box.setStyleSheet(styleSheet);
    // In a right-to-left window a line that begins with a Latin word (the
    // name, the copyright) would still run and align left to right, and the
    // address's last "/" would leave it: marks of direction keep both in place.
    const bool rtl = parent->isRightToLeft();
    const QString line = rtl ? QStringLiteral("\u200f") : QString();
    const QString address =
        QString::fromLatin1(kSourceUrl) + (rtl ? QStringLiteral("\u200e") : QString());
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "About Varizez"));
    box.setText(line + QCoreApplication::translate("MainWindow", "Varizez %1")
                           .arg(QString::fromLatin1(VARIZEZ_VERSION)));
    const QStringList notices = {
        QCoreApplication::translate(
            "MainWindow",
            "Counts repetitions of devotional phrases, the way prayer beads are used."),
        line + QStringLiteral("\u00a9 2026 Varizez developers"),
        QCoreApplication::translate(
            "MainWindow",
            "This program is free software: you can share and change it under the terms of the "
            "GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It "
            "comes with NO WARRANTY, to the extent permitted by law."),
        QCoreApplication::translate("MainWindow", "Source code: %1").arg(address),
    };
    box.setInformativeText(notices.join(QStringLiteral("\n\n")));
    box.installEventFilter(new FrameRoom(&box));
    box.exec();
}
