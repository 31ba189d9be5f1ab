// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DESKTOPSHELL_H
#define VARIZEZ_DESKTOPSHELL_H

// The handheld's desktop shell listens on the session bus. Telling it that
// the application's view is left sends it back to the task switcher. On a
// desktop without that shell the signal simply reaches nobody.
namespace DesktopShell {

inline constexpr char kObjectPath[] = "/";
inline constexpr char kInterface[] = "com.nokia.hildon_desktop";
inline constexpr char kExitAppViewSignal[] = "exit_app_view";

// Broadcasts "exit_app_view" on the session bus. Without a session bus the
// message goes nowhere; nothing is reported.
void sendExitAppView();

} // namespace DesktopShell

#endif // VARIZEZ_DESKTOPSHELL_H
