// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folders.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool failed(const QString &reason, QString *error)
{
    *error = reason;
    return false;
}

} // namespace

bool Folders::sync(const QString &folder, QString *error)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failed(qt_error_string(errno), error);
    const bool synced = ::fsync(fd) == 0;
    const QString reason = synced ? QString() : qt_error_string(errno);
    ::close(fd);
    return synced || failed(QStringLiteral("cannot sync the folder: ") + reason, error);
}

bool Folders::make(const QString &path, const QString &below, QString *error)
{
    const QString top = below.endsWith(QLatin1Char('/')) ? below : below + QLatin1Char('/');
    QStringList missing;
    QString existing = path;
    for (; !QFileInfo::exists(existing) && existing.startsWith(top);
         existing = QFileInfo(existing).path())
        missing.prepend(existing);
    // Never in a folder that everyone may write to and another user owns,
    // such as /tmp: anyone could make the next folder first and have the
    // counts kept where they can read or remove them.
    struct stat status = {};
    if (!missing.isEmpty() && ::stat(QFile::encodeName(existing).constData(), &status) == 0 &&
        status.st_uid != ::geteuid() && (status.st_mode & S_ISVTX))
        return failed(QStringLiteral("cannot make the folder %1: %2 is not yours")
                          .arg(missing.first(), existing),
                      error);
    for (const QString &folder : qAsConst(missing)) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
            return failed(
                QStringLiteral("cannot make the folder %1: %2").arg(folder, qt_error_string(errno)),
                error);
        if (!sync(QFileInfo(folder).path(), error))
            return false;
    }
    return QFileInfo(path).isDir() || failed(QStringLiteral("no folder %1").arg(path), error);
}
