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

bool within(const QString &inner, const QString &outer)
{
    return outer == QLatin1String("/") || inner == outer ||
           inner.startsWith(outer + QLatin1Char('/'));
}

} // namespace

DataLocation DataLocation::decide(bool handheldHomeWritable, const QString &home,
                                  const QString &xdgDataHome)
{
    if (handheldHomeWritable)
        return {QStringLiteral("/home/user/") + QLatin1String(kFileName), QString(), QString()};
    // The base directory rules say to ignore a relative XDG_DATA_HOME; Qt's
    // QStandardPaths would take it as it is. The folders it names are made
    // when missing, as they are on a new account whose profile sets it before
    // anything made ~/.local; but never the home folder itself: one that is
    // missing is no place to keep counts.
    if (QDir::isAbsolutePath(xdgDataHome)) {
        const QString data = QDir::cleanPath(xdgDataHome);
        const QString homeFolder = QDir::cleanPath(home);
        return {QDir::cleanPath(data + QStringLiteral("/varizez/") + QLatin1String(kFileName)),
                QDir::isAbsolutePath(home) && within(data, homeFolder) ? homeFolder
                                                                       : QStringLiteral("/"),
                QString()};
    }
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
