// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DESKTOPEVENTS_H
#define VARIZEZ_DESKTOPEVENTS_H

#include <QObject>

// The desktop's own ways of telling that a task is done: its event sound
// (the freedesktop sound theme's "complete", through libcanberra, and only
// while the desktop's event sounds are on) and, on a phone running
// feedbackd, its event for a finished timeout, which the user's feedback
// profile turns into a vibration, a sound or nothing. And of telling that a
// button was pressed: feedbackd's tick, as the profile has it.
//
// Both talk to servers that may be slow, gone or never there, so they run on
// a thread of their own: asking never waits, and a request made while an
// earlier one of its kind is still waiting is dropped rather than queued
// behind it.
namespace DesktopEvents {

void taskComplete();
void buttonPressed();

// What became of the requests, told on the GUI thread: taken() when one is
// taken rather than dropped, handed() once the worker has handed it to the
// servers (or found none to hand it to). Each taken() is followed by one
// handed(), so whoever must know that the desktop has heard can count them.
class Requests : public QObject
{
    Q_OBJECT
signals:
    void taken();
    void handed();
};

Requests &requests();

} // namespace DesktopEvents

#endif // VARIZEZ_DESKTOPEVENTS_H
