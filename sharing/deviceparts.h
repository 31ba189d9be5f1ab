// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DEVICEPARTS_H
#define VARIZEZ_DEVICEPARTS_H

#include "bytecodec.h"
#include "devicestate.h"

#include <QHash>
#include <QStringList>

// The parts of a device's file (DeviceFile) that repeat: each phrase's
// entry, and the sections that follow the entries. Every reader bounds
// every number it reads, and fails at the first thing wrong.
namespace DeviceParts {

// Entries a file may hold: the phrase file's bound of the list, and as many
// removed.
constexpr int kEntryBound = 2 * kPhraseBound;
// Quick writes of the phrase file a record names at most.
constexpr int kQuickWritesBound = 64;

// An entry; the ids of the devices its resets and removals saw by their
// index in the file's list of them.
void writeEntry(ByteWriter &out, const DeviceEntry &e, const QHash<QString, int> &indexOf);
bool readEntry(ByteReader &in, const QStringList &devices, DeviceEntry *e);
// The targets a device set: each phrase's key, its target (0: none) and
// the setting's stamp.
void writeTargets(ByteWriter &out, const QMap<PhraseKey, TargetSetting> &targets);
bool readTargets(const QByteArray &section, QMap<PhraseKey, TargetSetting> *targets);
// The phrase file's quick writes since its last durable one.
void writeQuickWrites(ByteWriter &out, const QVector<DeviceState::Undo> &undos);
bool readQuickWrites(const QByteArray &section, QVector<DeviceState::Undo> *undos);

// The days the device said while sharing, and those it brought in, each
// within DayCounts::kDayBound: for each phrase its text, and each day (as
// days after the one before, the first after 1970-01-01) with what was said.
void writeDays(ByteWriter &out, const DayCounts &days, const DayCounts &brought);
bool readDays(const QByteArray &section, DayCounts *days, DayCounts *brought);

} // namespace DeviceParts

#endif // VARIZEZ_DEVICEPARTS_H
