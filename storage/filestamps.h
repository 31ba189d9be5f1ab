// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FILESTAMPS_H
#define VARIZEZ_FILESTAMPS_H

#include "filestamp.h"

#include <QString>

// The stamps of files on the disk.
namespace FileStamps {

// Of the file at path, following links; none where nothing is there.
FileStamp ofPath(const QString &path);
// Of the name itself: a link's own stamp, not its target's.
FileStamp ofName(const QString &path);
// Of an open file.
FileStamp ofDescriptor(int fd);

} // namespace FileStamps

#endif // VARIZEZ_FILESTAMPS_H
