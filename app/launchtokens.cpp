// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launchtokens.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Ends the launcher's startup notification with a "remove" message, sent to
// the root window in pieces of 20 bytes, and asks the window manager to
// activate the window with the time of the launch, which is what focus
// stealing prevention compares with the user's last action elsewhere.
void completeX11Startup(const QString &startupId, xcb_window_t window)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        QString quoted = startupId;
        quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""));
        const QByteArray message = "remove: ID=\"" + quoted.toUtf8() + "\"";
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = atom(connection, "_NET_STARTUP_INFO_BEGIN");
        const xcb_atom_t continued = atom(connection, "_NET_STARTUP_INFO");
        for (int at = 0; at <= message.size(); at += 20) { // with the ending 0 byte
            std::memset(event.data.data8, 0, sizeof event.data.data8);
            std::memcpy(event.data.data8, message.constData() + at,
                        std::min<size_t>(20, size_t(message.size() - at)));
            xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                           reinterpret_cast<const char *>(&event));
            event.type = continued;
        }
        const QRegularExpressionMatch time =
            QRegularExpression(QStringLiteral("_TIME([0-9]+)$")).match(startupId);
        if (time.hasMatch()) {
            event.format = 32;
            event.type = atom(connection, "_NET_ACTIVE_WINDOW");
            event.data.data32[0] = 1; // asked by an application
            event.data.data32[1] = time.captured(1).toUInt();
            event.data.data32[2] = XCB_WINDOW_NONE;
            xcb_send_event(connection, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY |
                               XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                           reinterpret_cast<const char *>(&event));
        }
        xcb_flush(connection);
    }
    xcb_disconnect(connection);
}

} // namespace

namespace LaunchTokens {

QVariantMap ofThisStart()
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

void useFor(const QVariantMap &platformData, QWidget *front)
{
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    const QString startupId = platformData.value(QStringLiteral("desktop-startup-id")).toString();
    const QString platform = QGuiApplication::platformName();
    // Qt's Wayland client presents the token in this variable with the next
    // activation request, then clears it.
    if (!token.isEmpty() && platform.startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (!startupId.isEmpty() && platform == QLatin1String("xcb"))
        completeX11Startup(startupId, front->winId());
}

} // namespace LaunchTokens
