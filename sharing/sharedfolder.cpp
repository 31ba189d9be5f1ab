// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedfolder.h"

#include "devicefile.h"
#include "durablefile.h"
#include "folders.h"
#include "phrasefolder.h"
#include "sharingsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QStringList deviceFilesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("varizez-*.counts")}, QDir::Files);
}

// A device file read whole, or false.
bool readWhole(const QString &path, DeviceState *state)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           DeviceFile::read(file.readAll(), state) == DeviceFile::Verdict::Whole;
}

} // namespace

SharedFolder::SharedFolder(const DataLocation &location, const QString &folder)
    : m_location(location)
    , m_folder(folder)
    , m_mirror(SharingSettings::mirrorFor(location.file))
    , m_ownId(SharingSettings::deviceId(location.file))
{}

bool SharedFolder::folderThere() const
{
    const QFileInfo folder(m_folder);
    return folder.isDir() && folder.isReadable();
}

DeviceState SharedFolder::ownState()
{
    DeviceState own;
    own.id = m_ownId;
    own.name = SharingSettings::deviceName();
    m_folderCopySeen = folderThere();
    for (const QString &folder : {m_mirror, m_folder}) {
        DeviceState state;
        if (!readWhole(folder + QLatin1Char('/') + DeviceFile::nameFor(m_ownId), &state) ||
            state.id != m_ownId)
            continue;
        if (folder == m_mirror)
            m_mirrorGeneration = state.generation;
        if (state.generation > own.generation)
            own = state;
    }
    m_generationSeen = qMax(m_generationSeen, own.generation);
    return own;
}

qint64 SharedFolder::generationSeen()
{
    // A folder away at start may hold a newer copy once it is back.
    if (!m_folderCopySeen && folderThere()) {
        m_folderCopySeen = true;
        DeviceState state;
        if (readWhole(m_folder + QLatin1Char('/') + DeviceFile::nameFor(m_ownId), &state))
            m_generationSeen = qMax(m_generationSeen, state.generation);
    }
    return m_generationSeen;
}

bool SharedFolder::takeIn(const QString &path, const QString &id, DeviceState *state,
                          QByteArray *bytes)
{
    QFile file(path);
    Missing missing{Missing::Unreadable, path, m_names.value(id, id), QString()};
    if (!file.open(QIODevice::ReadOnly)) {
        missing.reason = file.errorString();
        m_missing.insert(path, missing);
        return false;
    }
    *bytes = file.readAll();
    // A file ends with the digest of all it holds: the same ending as the
    // file taken in of that device (the mirror's copy of it) is the same file.
    const QByteArray seal = bytes->right(8);
    if (!seal.isEmpty() && seal == m_seals.value(id)) {
        m_missing.remove(path);
        return false;
    }
    const DeviceFile::Verdict verdict = DeviceFile::read(*bytes, state);
    if (verdict == DeviceFile::Verdict::Whole && state->id == id) {
        m_missing.remove(path);
        if (state->generation <= m_generations.value(id, -1))
            return false; // an older copy
        m_generations.insert(id, state->generation);
        m_names.insert(id, state->name);
        m_seals.insert(id, seal);
        return true;
    }
    missing.why = verdict == DeviceFile::Verdict::Newer ? Missing::Newer : Missing::Damaged;
    m_missing.insert(path, missing);
    return false;
}

QVector<DeviceState> SharedFolder::kept()
{
    QVector<DeviceState> found;
    DeviceState state;
    QByteArray bytes;
    for (const QString &name : deviceFilesIn(m_mirror)) {
        const QString id = DeviceFile::idOf(name);
        if (!id.isEmpty() && id != m_ownId &&
            takeIn(m_mirror + QLatin1Char('/') + name, id, &state, &bytes))
            found.append(state);
    }
    return found;
}

QVector<DeviceState> SharedFolder::news()
{
    QVector<DeviceState> found;
    DeviceState state;
    QByteArray bytes;
    m_missing.clear(); // what is wrong is told of the folder's files as they are now
    for (const QString &name : deviceFilesIn(m_folder)) {
        const QString id = DeviceFile::idOf(name), path = m_folder + QLatin1Char('/') + name;
        const FileStamp stamp = FileStamp::ofPath(path);
        if (id.isEmpty() || id == m_ownId || stamp == m_stamps.value(name))
            continue;
        const bool newer = takeIn(path, id, &state, &bytes);
        if (!m_missing.contains(path))
            m_stamps.insert(name, stamp); // read whole: not read again until it changes
        if (!newer)
            continue;
        // A device's file is kept here too, so that its counts stay in the
        // list while the folder is away. A copy that cannot be written is
        // only missed while the folder is away.
        QString error;
        if (Folders::make(m_mirror, QFileInfo(m_mirror).path(), &error))
            DurableFile::replace(m_mirror + QLatin1Char('/') + name, bytes, &error);
        found.append(state);
    }
    return found;
}

bool SharedFolder::changed() const
{
    const QString own = DeviceFile::nameFor(m_ownId);
    for (const QString &name : deviceFilesIn(m_folder))
        if (name != own &&
            FileStamp::ofPath(m_folder + QLatin1Char('/') + name) != m_stamps.value(name))
            return true;
    return m_published.exists() && publicationStale(DeviceState());
}

bool SharedFolder::publicationStale(const DeviceState &own) const
{
    const QString path = m_folder + QLatin1Char('/') + DeviceFile::nameFor(m_ownId);
    if (!folderThere())
        return false;
    if (m_published.exists())
        return FileStamp::ofPath(path) != m_published;
    DeviceState there;
    return !readWhole(path, &there) || there.generation < own.generation;
}

bool SharedFolder::keepInMirror(const QByteArray &bytes, qint64 generation, DurableFile::Sync sync,
                                QString *error)
{
    const QString below =
        m_location.makeBelow.isEmpty() ? QFileInfo(m_mirror).path() : m_location.makeBelow;
    return Folders::make(m_mirror, below, error) &&
           DurableFile::replace(m_mirror + QLatin1Char('/') + DeviceFile::nameFor(m_ownId), bytes,
                                error, nullptr, sync) &&
           (m_mirrorGeneration = generation, true);
}

bool SharedFolder::save(const DeviceState &state, QString *error)
{
    const QString name = DeviceFile::nameFor(m_ownId);
    if (!std::exchange(m_leftoversRemoved, true))
        for (const QString &folder : {m_mirror, m_folder})
            PhraseFolder::removeLeftovers(folder + QLatin1Char('/') + name);
    const QByteArray bytes = DeviceFile::bytesOf(state);
    m_generationSeen = qMax(m_generationSeen, state.generation);
    // Durably: a device that lost its power shares its last counts all the
    // same, and its next file is never taken for an older one. A folder
    // that is away is not made again here: it may be a drive not mounted.
    QString problem;
    const bool inFolder = folderThere() ? DurableFile::replace(m_folder + QLatin1Char('/') + name,
                                                               bytes, &problem, &m_published)
                                        : (problem = QStringLiteral("not there"), false);
    m_folderProblem = problem;
    return inFolder || keepInMirror(bytes, state.generation, DurableFile::Sync::Durable, error);
}

void SharedFolder::keep(const DeviceState &state)
{
    QString error;
    if (state.generation != m_mirrorGeneration)
        keepInMirror(DeviceFile::bytesOf(state), state.generation, DurableFile::Sync::Quick,
                     &error);
}
