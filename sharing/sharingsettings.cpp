// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharingsettings.h"

#include "phrasefolder.h"

#include "failure.h"
#include "folders.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace {

using Failure::failed;

const QString kFolderKey = QStringLiteral("sharing/folder");

QString settingsPath(const QString &dataFile)
{
    return PhraseFolder::beside(dataFile, ".sharing");
}

} // namespace

QString SharingSettings::folderFor(const QString &dataFile)
{
    if (!QFileInfo::exists(settingsPath(dataFile)))
        return QString();
    return QSettings(settingsPath(dataFile), QSettings::IniFormat).value(kFolderKey).toString();
}

bool SharingSettings::setFolder(const QString &dataFile, const QString &folder, QString *error)
{
    const QString path = settingsPath(dataFile);
    const QString dataFolder = QFileInfo(path).absolutePath();
    if (folder.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            return failed(QStringLiteral("cannot remove %1").arg(path), error);
    } else {
        // QSettings would make a missing folder readable by all: the caller
        // makes it first, as the phrase file's folder is made.
        if (!QFileInfo(dataFolder).isDir())
            return failed(QStringLiteral("no folder %1").arg(dataFolder), error);
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(kFolderKey, folder);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return failed(QStringLiteral("cannot write %1").arg(path), error);
    }
    return Folders::sync(dataFolder, error);
}

QString SharingSettings::deviceId(const QString &dataFile, int incarnation)
{
    QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty())
        machine = QSysInfo::machineHostName().toUtf8();
    QByteArray seed = machine + '\n' + QFile::encodeName(QFileInfo(dataFile).absoluteFilePath());
    if (incarnation > 0)
        seed += '\n' + QByteArray::number(incarnation);
    return QString::fromLatin1(
        QCryptographicHash::hash(seed, QCryptographicHash::Sha256).toHex().left(12));
}

QString SharingSettings::deviceName()
{
    const passwd *user = ::getpwuid(::getuid());
    const QString login =
        user ? QString::fromLocal8Bit(user->pw_name) : qEnvironmentVariable("USER");
    return login + QLatin1Char('@') + QSysInfo::machineHostName();
}

QString SharingSettings::mirrorFor(const QString &dataFile)
{
    return PhraseFolder::beside(dataFile, ".devices");
}
