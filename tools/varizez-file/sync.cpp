// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync.h"

#include "beads.h"
#include "devicefile.h"
#include "folders.h"
#include "output.h"
#include "phrasestore.h"
#include "sharedfolder.h"
#include "sharingsettings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using namespace Output;

namespace {

QString inUse(const QString &file)
{
    return QStringLiteral("%1 is in use by a running Varizez; close it, then try again. "
                          "The file is unchanged.")
        .arg(file);
}

QString when(qint64 msecs)
{
    return msecs == 0 ? QStringLiteral("never counted")
                      : QStringLiteral("last counted ") +
                            QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC)
                                .toString(QStringLiteral("yyyy-MM-dd hh:mm 'UTC'"));
}

// The folder, and every device whose file is there or kept here.
int status(const DataLocation &here)
{
    const QString folder = SharingSettings::folderFor(here.file);
    if (folder.isEmpty())
        return print(QStringLiteral("Sharing is off.\n")), 0;
    SharedFolder shared(here, folder);
    const DeviceState own = shared.ownState();
    QString text = QStringLiteral("Sharing is on, through %1.\nThis device: %2 (%3)\n")
                       .arg(folder, own.name, own.id);
    if (!shared.folderThere())
        text += QStringLiteral("The folder is not there now: its devices as last seen.\n");
    text += QStringLiteral("Devices:\n");
    QMap<QString, DeviceState> byId; // the newest known of each
    for (const DeviceState &device : shared.kept() + shared.news())
        byId.insert(device.id, device);
    QVector<DeviceState> devices = byId.values().toVector();
    devices.prepend(own);
    for (const DeviceState &device : qAsConst(devices))
        text += QStringLiteral("  %1  %2, %3%4\n")
                    .arg(device.id, device.name, when(device.lastCounted),
                         device.id == own.id ? QStringLiteral(" (this device)") : QString());
    for (const SharedFolder::Missing &missing : shared.missing())
        text += QStringLiteral("  %1: %2; its counts are missing\n")
                    .arg(missing.file, missing.why == SharedFolder::Missing::Damaged
                                           ? QStringLiteral("damaged")
                                       : missing.why == SharedFolder::Missing::Newer
                                           ? QStringLiteral("written by a newer Varizez")
                                           : QStringLiteral("cannot be read: ") + missing.reason);
    print(text);
    return 0;
}

// The path as the user means it, symbolic links followed where it exists.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

int turnOn(const DataLocation &here, const QString &given)
{
    const QString folder = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
    const QString dataFolder = resolved(QFileInfo(here.file).absolutePath());
    const QString shared = resolved(folder);
    // The engine would then move the phrase file itself between devices.
    if (dataFolder == shared || dataFolder.startsWith(shared + QLatin1Char('/')) ||
        shared == QStringLiteral("/"))
        return usageError(QStringLiteral("%1 holds the phrase file %2; choose a folder of its "
                                         "own for sharing. Nothing was changed.")
                              .arg(folder, here.file));
    PhraseStore store(here);
    if (!store.lock(0))
        return fail(inUse(here.file));
    QString error;
    if (!Folders::make(folder, QStringLiteral("/"), &error) ||
        !SharingSettings::setFolder(here.file, folder, &error))
        return fail(error);
    QVector<Beads *> records;
    store.open(&records, {});
    const bool saved = store.save();
    qDeleteAll(records);
    if (!saved)
        return fail(store.notice());
    print(QStringLiteral("Sharing is on: this device's counts go to %1, and the counts of the "
                         "devices there come here. Keep that folder in step with the other "
                         "devices (Syncthing, or any file sync).\n")
              .arg(folder));
    return status(here);
}

int turnOff(const DataLocation &here)
{
    const QString folder = SharingSettings::folderFor(here.file);
    if (folder.isEmpty())
        return print(QStringLiteral("Sharing is off already.\n")), 0;
    PhraseStore store(here);
    if (!store.lock(0))
        return fail(inUse(here.file));
    // Counts that have not reached the folder yet get one more try.
    QVector<Beads *> records;
    store.open(&records, {});
    store.save();
    qDeleteAll(records);
    QString error;
    if (!SharingSettings::setFolder(here.file, QString(), &error))
        return fail(error);
    const QString notice = store.notice();
    print(QStringLiteral("Sharing is off. The list here keeps every count so far; this device's "
                         "file stays in %1, so the other devices keep its counts.\n")
              .arg(folder) +
          (notice.isEmpty() ? QString() : notice + QLatin1Char('\n')));
    return 0;
}

} // namespace

int Sync::run(const DataLocation &here, const QString &folder, bool off)
{
    if (!here.problem.isEmpty())
        return fail(here.file + QStringLiteral(": ") + here.problem);
    if (off)
        return turnOff(here);
    return folder.isEmpty() ? status(here) : turnOn(here, folder);
}

int Sync::replaceList(const DataLocation &target, const QVector<PhraseEntry> &entries)
{
    PhraseStore store(target);
    if (!store.lock(0))
        return fail(inUse(target.file));
    bool saved = false;
    if (SharingSettings::folderFor(target.file).isEmpty()) {
        saved = PhraseFile(target).save(entries);
    } else {
        // The new list is a change made on this device, shared as such.
        QVector<Beads *> records;
        store.open(&records, {});
        qDeleteAll(records);
        records.clear();
        for (const PhraseEntry &entry : entries)
            records.append(new Beads(entry.name, entry.count, nullptr));
        saved = store.save();
        qDeleteAll(records);
    }
    if (!saved)
        return fail(QStringLiteral("could not write %1; it is unchanged").arg(target.file));
    print(QStringLiteral("wrote %1 to %2\n").arg(phrases(entries.size()), target.file));
    return 0;
}
