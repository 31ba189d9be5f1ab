// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "durablefile.h"

#include "failure.h"
#include "filestamps.h"
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

using Failure::failed;

const char kTemporarySuffix[] = ".saving";

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
        *written = FileStamps::ofDescriptor(fd);
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

// The file that a replace of path puts its new file in place of. A file
// kept elsewhere through a symbolic link stays there when links are
// followed; a link that leads nowhere is replaced itself.
QString fileToReplace(const QString &path, DurableFile::Links links)
{
    const QFileInfo info(path);
    if (links == DurableFile::Links::Replace || !info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

// Makes a new hidden file of the program's own beside file, with file's
// permissions, or 0666 less the umask when there is a link or nothing: a
// link's own permissions mean nothing, and those of what it leads to are
// not the replaced name's. Its name goes to *temporary; -1 if none is made.
int openTemporary(const QString &file, QByteArray *temporary, QString *error)
{
    struct stat old = {};
    const bool keepMode =
        ::lstat(QFile::encodeName(file).constData(), &old) == 0 && !S_ISLNK(old.st_mode);
    const mode_t mode = keepMode ? (old.st_mode & 07777) : 0666;
    const QFileInfo info(file);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary =
            QFile::encodeName(info.absolutePath() + QLatin1String("/.") + info.fileName() +
                              QLatin1Char('.') + randomLetters() + QLatin1String(kTemporarySuffix));
        const int fd =
            ::open(temporary->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            // The umask may have taken bits the old file had. Some file systems
            // cannot change modes; the file is then as good as a new one.
            if (keepMode)
                static_cast<void>(::fchmod(fd, mode));
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    failed(qt_error_string(errno), error);
    return -1;
}

// Puts the file from in the place of to, in one step.
bool renamed(const QByteArray &from, const QString &to, QString *error)
{
    return ::rename(from.constData(), QFile::encodeName(to).constData()) == 0 ||
           failed(QStringLiteral("cannot replace the file: ") + qt_error_string(errno), error);
}

} // namespace

bool DurableFile::replace(const QString &path, const QByteArray &bytes, QString *error,
                          FileStamp *written, Sync sync, Links links)
{
    const QString file = fileToReplace(path, links);
    QByteArray temporary;
    const int fd = openTemporary(file, &temporary, error);
    if (fd < 0)
        return false;
    FileStamp stamp;
    if (!writeSyncClose(fd, bytes, error, &stamp, sync) || !renamed(temporary, file, error)) {
        ::unlink(temporary.constData());
        return false;
    }
    if (written)
        *written = stamp;
    // The new file is only there for good once its folder is synced.
    return sync == Sync::Quick || Folders::sync(QFileInfo(file).absolutePath(), error);
}

bool DurableFile::patch(const QString &path, qint64 offset, const QByteArray &bytes,
                        const FileStamp &expected, FileStamp *written, Sync sync)
{
    // The smallest unit a disk writes whole.
    constexpr qint64 kSector = 512;
    if (bytes.isEmpty() || offset < 0 || offset / kSector != (offset + bytes.size() - 1) / kSector)
        return false;
    const QString file = fileToReplace(path, Links::Follow);
    const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A second name would see the change too, where a replace would leave
    // it the file it had.
    struct stat status;
    bool patched = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_nlink == 1 &&
                   FileStamps::ofDescriptor(fd) == expected &&
                   offset + bytes.size() <= status.st_size &&
                   ::pwrite(fd, bytes.constData(), size_t(bytes.size()), offset) == bytes.size() &&
                   (sync == Sync::Quick || ::fdatasync(fd) == 0);
    if (patched)
        *written = FileStamps::ofDescriptor(fd);
    return ::close(fd) == 0 && patched;
}

bool DurableFile::sync(const QString &path, QString *error)
{
    const QString file = fileToReplace(path, Links::Follow);
    // Not blocking: a pipe put there by someone else is not waited on.
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(qt_error_string(errno), error);
    struct stat status;
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    const bool synced = regular && ::fsync(fd) == 0;
    const QString reason = regular ? qt_error_string(errno) : QStringLiteral("not a regular file");
    ::close(fd);
    if (!synced)
        return failed(QStringLiteral("cannot sync the file: ") + reason, error);
    return Folders::sync(QFileInfo(file).absolutePath(), error);
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
