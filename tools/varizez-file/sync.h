// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FILE_SYNC_H
#define VARIZEZ_FILE_SYNC_H

#include "datalocation.h"
#include "phrasefile.h"
#include "sharedfolder.h"

#include <QString>

// varizez-file sync: sharing the counts with other devices through a folder
// that a file-sync engine keeps in step.
#include <optional>

namespace Sync {

// "sync": whether sharing is on, through which folder, and the devices seen
// there. "sync FOLDER" turns it on, "sync --off" off. Returns the exit status.
int run(const DataLocation &here, const QString &folder, bool off);

// Replaces the list of the data file with entries, as a change made on this
// device: with sharing on the other devices take it in too. Refuses while
// the program runs on the file. `targets`, the target of each entry (0 for
// none), replace those set; without them, each phrase that stays keeps its
// target. Returns the exit status.
int replaceList(const DataLocation &target, const QVector<PhraseEntry> &entries,
                const std::optional<QVector<qint32>> &targets = std::nullopt);

// Every device known through the folder that sharing goes through: this
// one first, then those whose file is there or kept here.
QVector<DeviceState> devicesKnown(SharedFolder &shared);

} // namespace Sync

#endif // VARIZEZ_FILE_SYNC_H
