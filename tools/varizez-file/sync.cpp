// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync.h"

#include "devicefile.h"
#include "folders.h"
#include "output.h"
#include "phraselist.h"
#include "phrasestore.h"
#include "seeds.h"
#include "sharedfolder.h"
#include "sharingsettings.h"
#include "targetlist.h"

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
    if (folder.isEmpty()) {
        print(QStringLiteral("Sharing is off.\n"));
        return 0;
    }
    SharedFolder shared(here, folder);
    const QVector<DeviceState> devices = Sync::devicesKnown(shared);
    const DeviceState &own = devices.first();
    QString text = QStringLiteral("Sharing is on, through %1.\nThis device: %2 (%3)\n")
                       .arg(shownPath(folder), shownName(own.name), shownName(own.id));
    if (!shared.folderThere())
        text += QStringLiteral("The folder is not there now: its devices as last seen.\n");
    text += QStringLiteral("Devices:\n");
    for (const DeviceState &device : qAsConst(devices))
        text += QStringLiteral("  %1  %2, %3%4\n")
                    .arg(shownName(device.id), shownName(device.name), when(device.lastCounted),
                         device.id == own.id ? QStringLiteral(" (this device)") : QString());
    for (const Problem &missing : shared.missing())
        text += QStringLiteral("  %1: %2; its counts are missing\n")
                    .arg(shownPath(missing.where),
                         missing.what == Problem::Damaged ? QStringLiteral("damaged")
                         : missing.what == Problem::Newer
                             ? QStringLiteral("written by a newer Varizez")
                             : QStringLiteral("cannot be read: ") + missing.why);
    print(text);
    return 0;
}

// The path where it leads: the longest part of it that exists with its
// symbolic links followed, then the rest as given. So a folder that is not
// made yet is compared where it will be.
QString resolved(const QString &path)
{
    QString existing = QFileInfo(path).absoluteFilePath();
    QStringList rest;
    for (; !QFileInfo::exists(existing); existing = QFileInfo(existing).path())
        rest.prepend(QFileInfo(existing).fileName());
    const QString real = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((real.isEmpty() ? existing : real) + QLatin1Char('/') +
                           rest.join(QLatin1Char('/')));
}

// Whether inner is outer or lies below it.
bool within(const QString &inner, const QString &outer)
{
    return inner == outer ||
           inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

// The folders of the phrase file that are missing, made as the program makes
// them (readable only by the user), before anything is written there.
bool makeDataFolder(const DataLocation &location, QString *error)
{
    return location.makeBelow.isEmpty() ||
           Folders::make(QFileInfo(location.file).absolutePath(), location.makeBelow, error);
}

int turnOn(const DataLocation &here, const QString &given)
{
    const QString folder = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
    const QString dataFolder = resolved(QFileInfo(here.file).absolutePath());
    const QString shared = resolved(folder);
    // The engine would then move the phrase file itself between devices, or
    // this device's copies of the devices' files.
    if (within(dataFolder, shared))
        return usageError(QStringLiteral("%1 holds the phrase file %2; choose a folder of its "
                                         "own for sharing. Nothing was changed.")
                              .arg(folder, here.file));
    if (within(shared, dataFolder))
        return usageError(QStringLiteral("%1 is in the folder of the phrase file %2; choose a "
                                         "folder of its own for sharing. Nothing was changed.")
                              .arg(folder, here.file));
    PhraseStore store(here);
    if (!store.lock(0))
        return fail(inUse(here.file));
    QString error;
    if (!makeDataFolder(here, &error) || !Folders::make(folder, QStringLiteral("/"), &error) ||
        !SharingSettings::setFolder(here.file, folder, &error))
        return fail(error);
    PhraseList list;
    store.open(&list, Seeds::phrases());
    if (!store.save())
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
    if (folder.isEmpty()) {
        print(QStringLiteral("Sharing is off already.\n"));
        return 0;
    }
    PhraseStore store(here);
    if (!store.lock(0))
        return fail(inUse(here.file));
    // Counts that have not reached the folder yet get one more try.
    PhraseList list;
    store.open(&list, {});
    store.save();
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

QVector<DeviceState> Sync::devicesKnown(SharedFolder &shared)
{
    QByteArray kept;
    DeviceState own = shared.readOwn(&kept).value_or(DeviceState());
    own.id = shared.ownId();
    if (own.name.isEmpty())
        own.name = SharingSettings::deviceName();
    QMap<QString, DeviceState> byId; // the latest known of each: kept here, then in the folder
    for (const DeviceState &device : shared.readCopies())
        byId.insert(device.id, device);
    for (const SharedFolder::Arrival &arrival : shared.readFolder())
        byId.insert(arrival.state.id, arrival.state);
    byId.remove(own.id);
    QVector<DeviceState> devices = byId.values().toVector();
    devices.prepend(own);
    return devices;
}

int Sync::run(const DataLocation &here, const QString &folder, bool off)
{
    if (!here.problem.isEmpty())
        return fail(here.file + QStringLiteral(": ") + here.problem);
    if (off)
        return turnOff(here);
    return folder.isEmpty() ? status(here) : turnOn(here, folder);
}

int Sync::replaceList(const DataLocation &target, const QVector<PhraseEntry> &entries,
                      const std::optional<QVector<qint32>> &targets)
{
    PhraseStore store(target);
    if (!store.lock(0))
        return fail(inUse(target.file));
    QString error;
    if (!makeDataFolder(target, &error))
        return fail(error);
    QStringList texts;
    for (const PhraseEntry &entry : entries)
        texts.append(entry.name);
    bool saved = false;
    if (SharingSettings::folderFor(target.file).isEmpty()) {
        // Targets are kept by their phrases' texts: without new ones, the
        // file of those set stays as it is.
        TargetList list(target.file);
        list.load();
        saved = PhraseFile(target).save(entries);
        if (saved && targets && !list.save(TargetList::targetsOf(texts, *targets)))
            return fail(QStringLiteral("wrote %1 to %2, but not their targets: %3")
                            .arg(phrases(entries.size()), target.file, list.problem().why));
    } else {
        // The new list is a change made on this device, shared as such.
        PhraseList list;
        store.open(&list, {});
        saved = store.replaceList(
            entries, targets ? *targets
                             : TargetList::targetsOf(TargetList::targetsOf(list.records()), texts));
    }
    if (!saved)
        return fail(QStringLiteral("could not write %1; it is unchanged").arg(target.file));
    print(QStringLiteral("wrote %1 to %2\n").arg(phrases(entries.size()), target.file));
    return 0;
}
