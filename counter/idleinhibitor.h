// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_IDLEINHIBITOR_H
#define VARIZEZ_IDLEINHIBITOR_H

#include <QDBusObjectPath>
#include <QObject>
#include <functional>

class QDBusMessage;
class QDBusPendingCall;

// Keeps the screen from dimming and locking while the user counts, eyes
// elsewhere. Asks the desktop portal (org.freedesktop.portal.Inhibit, for
// idle), and where there is none the screen saver service
// (org.freedesktop.ScreenSaver); a desktop with neither keeps its idle time,
// and nothing is said. At most one inhibition is held, and none once the
// object is gone; a program that ends without a word (a kill) leaves the
// bus, and both services then end what it held.
//
// Nothing waits for the desktop: requests go out and their answers come
// back in the event loop. An inhibition granted after it was no longer
// wanted is ended at once.
class IdleInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit IdleInhibitor(QObject *parent = nullptr);
    ~IdleInhibitor() override;

    // The screen should stay awake (for reason, shown by some desktops), or
    // may go idle again.
    void hold(const QString &reason);
    void release();

signals:
    // Each request sent to the desktop, and each answer that came back.
    void requested();
    void answered();

private:
    enum class Service { Portal, ScreenSaver };
    static QDBusMessage inhibitCall(Service service, const QString &reason);
    void ask(Service service);
    void granted(Service service, const QDBusPendingCall &answer);
    // Leaving: the object is going, and answers would find it gone.
    enum class Leaving { No, Yes };
    void endHeld(Leaving leaving = Leaving::No);
    // Sent; then() with the answer, in the event loop.
    void send(const QDBusPendingCall &call,
              const std::function<void(const QDBusPendingCall &)> &then);

    bool m_wanted = false;
    QString m_reason;
    bool m_asking = false; // a request to hold is on its way
    // What is held: a portal request to close, or a screen saver cookie.
    QDBusObjectPath m_portalRequest;
    uint m_cookie = 0;
};

#endif // VARIZEZ_IDLEINHIBITOR_H
