// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FILESTAMP_H
#define VARIZEZ_FILESTAMP_H

#include <QtGlobal>

// What tells a file on the disk from an earlier one without reading it: a
// file renamed over it has another inode, one written in place another size
// or modification time. The program keeps the stamp of what it last wrote or
// read, so that it never takes its own saves for someone else's; a device's
// record carries one (FileStamps takes them from the disk).
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;    // -1: there is no file
    qint64 modified = 0; // nanoseconds

    bool exists() const { return size >= 0; }

    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size && modified == o.modified;
    }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};

#endif // VARIZEZ_FILESTAMP_H
