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

// What a replace does with a symbolic link at its path. Follow: the file it
// leads to is replaced and the link stays (the user may have linked the
// phrase file on purpose); a link that leads nowhere is replaced itself.
// Replace: the link itself gives way to the new regular file, and what it
// led to is neither written nor read.
enum class Links { Follow, Replace };

// Replaces the file at path with bytes: writes them to a new hidden file of
// the program's own beside it, syncs that, renames it over the old one and
// syncs the folder. True only when every step worked. A step that fails
// (making, writing, syncing or closing the new file, the rename, the
// folder's sync) makes it return false with the system's reason in *error
// and leaves no temporary file behind; up to the rename the previous file
// stays as it was, after a failed folder sync the new one is in place but
// a power cut may take it back. Only a replace cut short by a kill or a
// power cut leaves its temporary file (PhraseFolder::removeLeftovers takes
// it away). The new file takes the old one's permissions, or 0666 less the
// umask when there was none or a link that is replaced. Its stamp goes to
// *written once it is in place, and only then. A quick replace syncs
// nothing: a power cut may take it back, for copies that can be made again.
bool replace(const QString &path, const QByteArray &bytes, QString *error,
             FileStamp *written = nullptr, Sync sync = Sync::Durable, Links links = Links::Follow);

// Writes bytes over the file at path from offset on, in place, when it is
// still the file expected (the same stamp), a regular file of one name, and
// the bytes lie within one sector of the disk: a power cut then leaves all
// of them or none. A durable patch syncs them: the file keeps its size and
// its name, so its data is all there is to sync. False when any of that
// does not hold or the write fails: the caller replaces the file instead.
// The file's stamp after the write goes to *written.
bool patch(const QString &path, qint64 offset, const QByteArray &bytes, const FileStamp &expected,
           FileStamp *written, Sync sync);

// Makes the file at path as it is, a regular file found through any link,
// durable: its bytes and its name in its folder. For a file a quick replace
// wrote that has to stay after all.
bool sync(const QString &path, QString *error);

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
