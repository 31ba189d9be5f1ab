// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FOLDERS_H
#define VARIZEZ_FOLDERS_H

#include <QString>

// A new or renamed file is only on the disk for good once the folder that
// holds its name has been synced: until then a power cut can undo the change.
namespace Folders {

// Syncs the folder, so that the names in it are on the disk.
bool sync(const QString &folder, QString *error);

// Makes the missing folders of path that lie below `below`, each with mode
// 0700 (never wider; a folder already there keeps its mode) and each synced
// into its parent. Makes nothing outside `below`, and nothing in a folder
// that another user owns.
bool make(const QString &path, const QString &below, QString *error);

} // namespace Folders

#endif // VARIZEZ_FOLDERS_H
