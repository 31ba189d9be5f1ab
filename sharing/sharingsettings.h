// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHARINGSETTINGS_H
#define VARIZEZ_SHARINGSETTINGS_H

#include <QString>

// Whether this account shares its counts, and through which folder. Kept
// beside the phrase file, as "varizezCount.sharing": a home folder copied
// to another machine takes it along.
namespace SharingSettings {

// The folder the counts are shared through, or an empty text.
QString folderFor(const QString &dataFile);
// Turns sharing on through folder, or off for an empty one.
bool setFolder(const QString &dataFile, const QString &folder, QString *error);

// This device: the same machine and phrase file give the same id, so a
// home folder copied to a new machine, or another account, is a new device.
// A device that goes on as a new one (SharedCounts::becomeNew) counts its
// incarnations.
QString deviceId(const QString &dataFile, int incarnation = 0);
QString deviceName();

// Where this device keeps its copies of every device's file.
QString mirrorFor(const QString &dataFile);

} // namespace SharingSettings

#endif // VARIZEZ_SHARINGSETTINGS_H
