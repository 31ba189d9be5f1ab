// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "singleinstance.h"

#include <QDBusConnection>
#include <QDBusMessage>

SingleInstance::SingleInstance(const QString &applicationId)
    : m_id(applicationId)
    , m_path(QLatin1Char('/') + QString(applicationId).replace(QLatin1Char('.'), QLatin1Char('/')))
{}

bool SingleInstance::claim(const QVariantMap &platformData)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    // The object is there before the name, so a copy started at the same
    // moment that finds the name finds someone to answer it.
    bus.registerObject(m_path, this, QDBusConnection::ExportScriptableSlots);
    if (bus.registerService(m_id))
        return true;
    QDBusMessage activate = QDBusMessage::createMethodCall(
        m_id, m_path, QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    activate << platformData;
    const QDBusMessage reply = bus.call(activate, QDBus::Block, 1500);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qWarning("varizez: another copy is running but does not answer: %s",
                 qUtf8Printable(reply.errorMessage()));
    return false;
}

void SingleInstance::Activate(const QVariantMap &platformData)
{
    emit activated(platformData);
}
