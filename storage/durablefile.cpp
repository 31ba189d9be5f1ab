// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "durablefile.h"

#include "folders.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kTemporarySuffix[] = ".saving";

bool failed(const QString &reason, QString *error)
{
    *error = reason;
    return false;
}

// Writes all of bytes to fd, syncs it unless quick and closes it; closes it
// on failure too. The stamp of the written file goes to *written.
bool writeSyncClose(int fd, const QByteArray &bytes, QString *error, FileStamp *written = nullptr,
                    DurableFile::Sync sync = DurableFile::Sync::Durable)
{
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const QString reason = qt_error_string(n < 0 ? errno : ENOSPC);
            ::close(fd);
            return failed(reason, error);
        }
        done += n;
    }
    // A failed sync means the data may never reach the disk: that is a
    // failed write, whatever the file looks like now.
    if (sync == DurableFile::Sync::Durable && ::fsync(fd) != 0) {
        const QString reason = qt_error_string(errno);
        ::close(fd);
        return failed(QStringLiteral("cannot sync the file: ") + reason, error);
    }
    if (written)
        *written = FileStamp::ofDescriptor(fd);
    return ::close(fd) == 0 || failed(qt_error_string(errno), error);
}

QString randomLetters()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name;
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

} // namespace

bool DurableFile::replace(const QString &link, const QByteArray &bytes, QString *error,
                          FileStamp *written, Sync sync)
{
    // A file kept elsewhere through a symbolic link stays there.
    const QString resolved =
        QFileInfo(link).isSymLink() ? QFileInfo(link).canonicalFilePath() : link;
    const QString path = resolved.isEmpty() ? link : resolved;
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    struct stat old = {};
    const bool hadFile = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    const mode_t mode = hadFile ? (old.st_mode & 07777) : 0666;
    QString temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + QLatin1String("/.") + target.fileName() + QLatin1Char('.') +
                    randomLetters() + QLatin1String(kTemporarySuffix);
        fd = ::open(QFile::encodeName(temporary).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return failed(qt_error_string(errno), error);
    }
    if (fd < 0)
        return failed(qt_error_string(EEXIST), error);
    // The umask may have taken bits the old file had. Some file systems
    // cannot change modes; the file is then as good as a new one.
    struct stat now = {};
    if (hadFile && ::fstat(fd, &now) == 0 && (now.st_mode & 07777) != mode)
        static_cast<void>(::fchmod(fd, mode));
    const QByteArray name = QFile::encodeName(temporary);
    if (!writeSyncClose(fd, bytes, error, written, sync) ||
        (::rename(name.constData(), QFile::encodeName(path).constData()) != 0 &&
         failed(qt_error_string(errno), error))) {
        ::unlink(name.constData());
        return false;
    }
    // The new file is only there for good once its folder is synced.
    return sync == Sync::Quick || Folders::sync(folder, error);
}

bool DurableFile::create(const QString &path, const QByteArray &bytes, unsigned mode, bool *exists,
                         QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    *exists = fd < 0 && errno == EEXIST;
    if (fd < 0)
        return failed(qt_error_string(errno), error);
    static_cast<void>(::fchmod(fd, mode));
    if (!writeSyncClose(fd, bytes, error)) {
        ::unlink(name.constData());
        return false;
    }
    return Folders::sync(QFileInfo(path).absolutePath(), error);
}

bool DurableFile::isTemporaryName(const QString &name, const QString &fileName)
{
    static const QString pattern = QStringLiteral("^\\.%1\\.[A-Za-z0-9]{6}%2$");
    return QRegularExpression(pattern.arg(QRegularExpression::escape(fileName),
                                          QRegularExpression::escape(kTemporarySuffix)))
        .match(name)
        .hasMatch();
}
