// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_LAUNCHTOKENS_H
#define VARIZEZ_LAUNCHTOKENS_H

#include <QVariantMap>

class QWidget;

// A launcher gives every start a token that lets it take the focus: on
// Wayland an xdg-activation token, on X11 a startup id. A second start shows
// no window of its own, so the window it brings to the front uses its token
// (the platform data of org.freedesktop.Application.Activate) on the way.
// Window managers and compositors that prevent focus stealing otherwise keep
// the window behind, and on X11 the launcher's busy cursor would wait for a
// window that never comes.
namespace LaunchTokens {

// This start's tokens, as Activate's platform data. Read before the
// QApplication exists: Qt's X11 support takes DESKTOP_STARTUP_ID out of the
// environment.
QVariantMap ofThisStart();

// Call just before front->activateWindow().
void useFor(const QVariantMap &platformData, QWidget *front);

} // namespace LaunchTokens

#endif // VARIZEZ_LAUNCHTOKENS_H
