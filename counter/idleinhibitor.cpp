// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "idleinhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInhibit = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kPortalRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
constexpr uint kIdleFlag = 8; // the portal's flags: logout 1, user switch 2, suspend 4, idle 8

} // namespace

QDBusMessage IdleInhibitor::inhibitCall(Service service, const QString &reason)
{
    if (service == Service::Portal) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kPortal, kPortalPath, kPortalInhibit, "Inhibit");
        // No window: the dialog is the program's only one in front.
        call << QString() << kIdleFlag << QVariantMap{{QStringLiteral("reason"), reason}};
        return call;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath, kScreenSaver, "Inhibit");
    call << QStringLiteral("Varizez") << reason;
    return call;
}

IdleInhibitor::IdleInhibitor(QObject *parent)
    : QObject(parent)
{}

IdleInhibitor::~IdleInhibitor()
{
    m_wanted = false;
    endHeld(Leaving::Yes);
}

void IdleInhibitor::hold(const QString &reason)
{
    m_wanted = true;
    m_reason = reason;
    if (!m_asking && m_portalRequest.path().isEmpty() && m_cookie == 0)
        ask(Service::Portal);
}

void IdleInhibitor::release()
{
    m_wanted = false;
    endHeld(); // one still being asked for is ended when it comes
}

void IdleInhibitor::ask(Service service)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    m_asking = true;
    const QDBusMessage call = inhibitCall(service, m_reason);
    send(QDBusConnection::sessionBus().asyncCall(call),
         [this, service](const QDBusPendingCall &answer) {
             m_asking = false;
             if (!answer.isError())
                 granted(service, answer);
             else if (service == Service::Portal && m_wanted)
                 ask(Service::ScreenSaver); // no portal, or none that inhibits
         });
}

void IdleInhibitor::granted(Service service, const QDBusPendingCall &answer)
{
    if (service == Service::Portal)
        m_portalRequest = QDBusPendingReply<QDBusObjectPath>(answer).value();
    else
        m_cookie = QDBusPendingReply<uint>(answer).value();
    if (!m_wanted)
        endHeld();
}

void IdleInhibitor::endHeld(Leaving leaving)
{
    QDBusMessage end;
    if (!m_portalRequest.path().isEmpty())
        end = QDBusMessage::createMethodCall(kPortal, m_portalRequest.path(), kPortalRequest,
                                             "Close");
    else if (m_cookie != 0)
        end = QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath, kScreenSaver,
                                             "UnInhibit")
              << m_cookie;
    m_portalRequest = QDBusObjectPath();
    m_cookie = 0;
    if (end.type() != QDBusMessage::MethodCallMessage)
        return;
    if (leaving == Leaving::Yes)
        QDBusConnection::sessionBus().send(end);
    else
        send(QDBusConnection::sessionBus().asyncCall(end), [](const QDBusPendingCall &) {});
}

void IdleInhibitor::send(const QDBusPendingCall &call,
                         const std::function<void(const QDBusPendingCall &)> &then)
{
    emit requested();
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, then] {
        watcher->deleteLater();
        emit answered();
        then(*watcher);
    });
}
