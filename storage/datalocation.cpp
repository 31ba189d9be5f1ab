// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datalocation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace {

const char kFileName[] = "varizezCount.bin";

} // namespace

DataLocation DataLocation::decide(bool handheldHomeWritable, const QString &home,
                                  const QString &xdgDataHome)
{
    if (handheldHomeWritable)
        return {QStringLiteral("/home/user/") + QLatin1String(kFileName), QString(), QString()};
    // The base directory rules say to ignore a relative XDG_DATA_HOME; Qt's
    // QStandardPaths would take it as it is. The folder it names is made when
    // missing, but not the folders above it.
    if (QDir::isAbsolutePath(xdgDataHome))
        return {
            QDir::cleanPath(xdgDataHome + QStringLiteral("/varizez/") + QLatin1String(kFileName)),
            QFileInfo(QDir::cleanPath(xdgDataHome)).path(), QString()};
    if (QDir::isAbsolutePath(home))
        return {QDir::cleanPath(home + QStringLiteral("/.local/share/varizez/") +
                                QLatin1String(kFileName)),
                QDir::cleanPath(home), QString()};
    return {QStringLiteral("~/.local/share/varizez/") + QLatin1String(kFileName), QString(),
            QStringLiteral("no home folder (HOME is not set)")};
}

DataLocation DataLocation::here()
{
    const QByteArray handheld = "/home/user";
    return decide(QFileInfo(QString::fromLatin1(handheld)).isDir() &&
                      ::access(handheld.constData(), W_OK | X_OK) == 0,
                  qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_DATA_HOME"));
}

QString DataLocation::lockFileFor(const QString &file)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::tempPath();
    const QByteArray key = QCryptographicHash::hash(
        QFile::encodeName(QDir::cleanPath(QFileInfo(file).absoluteFilePath())),
        QCryptographicHash::Sha1);
    return QStringLiteral("%1/varizez-%2-%3.lock")
        .arg(folder)
        .arg(::getuid())
        .arg(QLatin1String(key.toHex().left(16)));
}
