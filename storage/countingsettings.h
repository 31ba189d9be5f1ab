// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_COUNTINGSETTINGS_H
#define VARIZEZ_COUNTINGSETTINGS_H

#include <QString>

// How this account likes to count, kept beside the phrase file with its
// other settings, as "varizezCount.settings": an INI file ("[counting]",
// "tick=true") that a person can read. Each device keeps its own: a phone
// ticks, a desktop need not.
namespace CountingSettings {

// Whether each count gives feedbackd's tick; off when the file says nothing
// or cannot be read.
bool tick(const QString &dataFile);
// Keeps the choice; false with the reason in *error.
bool setTick(const QString &dataFile, bool on, QString *error);

} // namespace CountingSettings

#endif // VARIZEZ_COUNTINGSETTINGS_H
