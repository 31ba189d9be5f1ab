// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filestamps.h"

#include <QFile>
#include <sys/stat.h>

namespace {

FileStamp stampOf(const struct stat &s)
{
    return {quint64(s.st_dev), quint64(s.st_ino), qint64(s.st_size),
            qint64(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec};
}

} // namespace

FileStamp FileStamps::ofPath(const QString &path)
{
    struct stat s = {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? stampOf(s) : FileStamp();
}

FileStamp FileStamps::ofName(const QString &path)
{
    struct stat s = {};
    return ::lstat(QFile::encodeName(path).constData(), &s) == 0 ? stampOf(s) : FileStamp();
}

FileStamp FileStamps::ofDescriptor(int fd)
{
    struct stat s = {};
    return ::fstat(fd, &s) == 0 ? stampOf(s) : FileStamp();
}
