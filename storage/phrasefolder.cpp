// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefolder.h"

#include "datalocation.h"
#include "durablefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>

namespace {

// A lock left by a program that was killed: its process is gone, or it was
// killed before it could write who holds it. Qt's own check for the second
// case also waits out a "<lock>.rmlock" that a kill at the wrong moment
// leaves behind, and until then would take a dead program for a running one.
bool leftByAKilledProgram(const QLockFile &lock, const QString &path)
{
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime()) >= 2;
    return host == QSysInfo::machineHostName() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

std::unique_ptr<QLockFile> PhraseFolder::lock(const QString &file, int waitMs)
{
    const QString path = DataLocation::lockFileFor(file);
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its program is gone, however long it ran.
    lock->setStaleLockTime(0);
    if (lock->tryLock(waitMs) || lock->error() != QLockFile::LockFailedError)
        return lock;
    if (!leftByAKilledProgram(*lock, path) || !lock->removeStaleLockFile())
        return nullptr;
    QFile::remove(path + QStringLiteral(".rmlock"));
    if (lock->tryLock(0))
        return lock;
    return nullptr;
}

bool PhraseFolder::keepDamagedCopy(const QString &file, const QByteArray &bytes, QString *where)
{
    struct stat status = {};
    const unsigned mode =
        ::stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_mode & 0777 : 0600;
    QString reason;
    for (int n = 1; n < 1000; ++n) {
        const QString copy =
            file + QStringLiteral(".damaged") + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        QFile earlier(copy);
        if (earlier.open(QIODevice::ReadOnly) && earlier.readAll() == bytes) {
            *where = copy;
            return true;
        }
        bool exists = false;
        if (DurableFile::create(copy, bytes, mode, &exists, &reason)) {
            qWarning("varizez: %s is damaged; kept as %s", qUtf8Printable(file),
                     qUtf8Printable(copy));
            *where = copy;
            return true;
        }
        if (!exists)
            break;
    }
    *where = reason;
    return false;
}

void PhraseFolder::removeLeftovers(const QString &file)
{
    const QFileInfo target(file);
    const QDir dir = target.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names)
        if (DurableFile::isTemporaryName(name, target.fileName()))
            QFile::remove(dir.filePath(name));
}

QString PhraseFolder::beside(const QString &file, const char *suffix)
{
    const QFileInfo info(file);
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QLatin1String(suffix);
}
