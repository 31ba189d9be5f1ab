// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "singleinstance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <utility>

SingleInstance::SingleInstance(const QString &applicationId)
    : m_id(applicationId)
    , m_path(QLatin1Char('/') + QString(applicationId).replace(QLatin1Char('.'), QLatin1Char('/')))
{}

QVariantMap SingleInstance::launchTokens()
{
    const std::pair<const char *, QString> tokens[] = {
        {"XDG_ACTIVATION_TOKEN", QStringLiteral("activation-token")},
        {"DESKTOP_STARTUP_ID", QStringLiteral("desktop-startup-id")}};
    QVariantMap platformData;
    for (const auto &[variable, key] : tokens)
        if (qEnvironmentVariableIsSet(variable))
            platformData.insert(key, qEnvironmentVariable(variable));
    return platformData;
}

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
    // Qt's Wayland client presents the token in this variable with the next
    // activation request, then clears it; without one, compositors refuse to
    // bring a window to the front.
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    emit activated();
}
