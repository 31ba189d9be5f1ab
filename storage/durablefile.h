// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DURABLEFILE_H
#define VARIZEZ_DURABLEFILE_H

#include "filestamp.h"

#include <QByteArray>
#include <QString>

// Files written so that a failure, a kill or a power cut at any moment
// leaves either the old file or the whole new one, and so that a write
// reported as done is on the disk for good.
namespace DurableFile {

// Whether a replace waits until the new file is on the disk for good.
enum class Sync { Durable, Quick };

// Replaces the file at path with bytes: writes them to a new hidden file of
// the program's own beside it, syncs that, renames it over path and syncs
// the folder. Any failure before the rename keeps the previous file. The
// new file takes the old one's permissions, or 0666 less the umask. Its
// stamp goes to *written. A quick replace syncs nothing: a power cut may
// take it back, for copies that can be made again.
bool replace(const QString &path, const QByteArray &bytes, QString *error,
             FileStamp *written = nullptr, Sync sync = Sync::Durable);

// Writes bytes to a new file at path, with the given permissions, synced
// with its folder. An existing file is never touched: *exists tells that
// case apart from other failures.
bool create(const QString &path, const QByteArray &bytes, unsigned mode, bool *exists,
            QString *error);

// Whether name (without folder) is one that replace() gives its
// temporary files for the file named fileName. A person names no file so.
bool isTemporaryName(const QString &name, const QString &fileName);

} // namespace DurableFile

#endif // VARIZEZ_DURABLEFILE_H
