// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopshell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>

void DesktopShell::sendExitAppView()
{
    const QDBusMessage message = QDBusMessage::createSignal(
        QString::fromLatin1(kObjectPath), QString::fromLatin1(kInterface),
        QString::fromLatin1(kExitAppViewSignal));
    QDBusConnection::sessionBus().send(message);
}
