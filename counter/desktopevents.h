// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DESKTOPEVENTS_H
#define VARIZEZ_DESKTOPEVENTS_H

// The desktop's own ways of telling that a task is done: its event sound
// (the freedesktop sound theme's "complete", through libcanberra, and only
// while the desktop's event sounds are on) and, on a phone running
// feedbackd, its event for a finished timeout, which the user's feedback
// profile turns into a vibration, a sound or nothing.
//
// Both talk to servers that may be slow, gone or never there, so they run on
// a thread of their own: asking never waits, and a request made while an
// earlier one is still waiting is dropped rather than queued behind it.
namespace DesktopEvents {

void taskComplete();

// Waits at most msecs for requests already made to be handed to the servers;
// false if one is still on its way. For an orderly end, and for tests.
bool settle(int msecs);

} // namespace DesktopEvents

#endif // VARIZEZ_DESKTOPEVENTS_H
