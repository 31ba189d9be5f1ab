// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DEVICEFILE_H
#define VARIZEZ_DEVICEFILE_H

#include "devicestate.h"

#include <QByteArray>

// A device's file: what it tells the devices it shares its counts with.
// Only that device ever writes it, so a file-sync engine never meets two
// writers of one file. Big-endian, as QDataStream writes: a magic number,
// the format's version, the device, its entries, and a digest of all that,
// so that a file cut short or damaged on its way is never taken for whole.
namespace DeviceFile {

enum class Verdict { Whole, Damaged, Newer };

QByteArray bytesOf(const DeviceState &state);
Verdict read(const QByteArray &bytes, DeviceState *state);

// "varizez-<id>.counts"; the id of such a name, or an empty one.
QString nameFor(const QString &id);
QString idOf(const QString &fileName);

} // namespace DeviceFile

#endif // VARIZEZ_DEVICEFILE_H
