// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedfolder.h"

#include "devicefile.h"
#include "durablefile.h"
#include "filestamps.h"
#include "folders.h"
#include "phrasefolder.h"
#include "regularfile.h"
#include "sharingsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The device files of a folder, whatever they are: links, pipes and folders
// under such a name are listed too, so that they are told of, not skipped.
QStringList deviceFilesIn(const QString &folder)
{
    return QDir(folder).entryList(
        {QStringLiteral("varizez-*.counts")},
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// What the folder and the copies hold: never more than a device file may.
bool readRegular(const QString &path, QByteArray *bytes, QString *reason, bool *absent = nullptr)
{
    return RegularFile::read(path, DeviceFile::kSizeBound, bytes, reason, absent);
}

// The digest that ends a device file: two files that end alike are one.
QByteArray digestOf(const QByteArray &bytes)
{
    return bytes.right(8);
}

} // namespace

SharedFolder::SharedFolder(const DataLocation &location, const QString &folder)
    : m_folder(folder)
    , m_mirror(SharingSettings::mirrorFor(location.file))
    , m_identity(location, m_mirror)
{}

bool SharedFolder::ownNameTaken() const
{
    return FileStamps::ofName(ownPath()).exists() || FileStamps::ofName(copyPath(ownId())).exists();
}

bool SharedFolder::becomeNew(QString *error)
{
    if (!m_identity.becomeNew(error))
        return false;
    m_published = FileStamp();
    m_mirrored.clear();
    m_ownLeftoversRemoved = false;
    return true;
}

bool SharedFolder::folderThere() const
{
    const QFileInfo folder(m_folder);
    return folder.isDir() && folder.isReadable();
}

QString SharedFolder::copyPath(const QString &id) const
{
    return m_mirror + QLatin1Char('/') + DeviceFile::nameFor(id);
}

std::optional<DeviceState> SharedFolder::readDevice(const QString &path, const QString &id,
                                                    QByteArray *bytes)
{
    QString reason;
    if (!readRegular(path, bytes, &reason)) {
        m_missing.insert(path, Problem{Problem::CannotRead, path, reason, m_names.value(id, id)});
        return std::nullopt;
    }
    return parse(path, id, *bytes);
}

std::optional<DeviceState> SharedFolder::parse(const QString &path, const QString &id,
                                               const QByteArray &bytes)
{
    DeviceState state;
    const FileVerdict verdict = DeviceFile::read(bytes, &state);
    // A file under another device's name is no file of that device.
    if (verdict == FileVerdict::Whole && state.id == id) {
        m_missing.remove(path);
        m_names.insert(id, state.name);
        m_digests.insert(id, digestOf(bytes));
        return state;
    }
    m_missing.insert(path,
                     Problem{verdict == FileVerdict::Newer ? Problem::Newer : Problem::Damaged,
                             path, QString(), m_names.value(id, id)});
    return std::nullopt;
}

QString SharedFolder::ownPath() const
{
    return m_folder + QLatin1Char('/') + DeviceFile::nameFor(ownId());
}

std::optional<DeviceState> SharedFolder::readOwn(QByteArray *bytes)
{
    QString reason;
    const QByteArray &key = m_identity.keptKey();
    // The copy in the mirror is this device's, sealed or not: no other
    // device writes there.
    std::optional<DeviceState> own;
    bool absent = false;
    if (readRegular(copyPath(ownId()), bytes, &reason, &absent)) {
        own = parse(copyPath(ownId()), ownId(), *bytes);
        m_mirrored = *bytes;
    } else if (!absent) {
        m_missing.insert(copyPath(ownId()),
                         Problem{Problem::CannotRead, copyPath(ownId()), reason, ownId()});
    }
    // The copy in the folder, only with this device's seal: it is the later
    // one after a kill, or a power cut that took the mirror's.
    QByteArray there;
    DeviceState sealed;
    if (!key.isEmpty() && readRegular(ownPath(), &there, &reason) &&
        DeviceFile::read(there, &sealed, key) == FileVerdict::Whole && sealed.sealed &&
        sealed.id == ownId() && (!own || sealed.generation > own->generation)) {
        own = sealed;
        *bytes = there;
    }
    if (!own)
        bytes->clear();
    return own;
}

QVector<DeviceState> SharedFolder::readCopies()
{
    QVector<DeviceState> states;
    QByteArray bytes;
    for (const QString &name : deviceFilesIn(m_mirror)) {
        const QString id = DeviceFile::idOf(name);
        if (id.isEmpty() || id == ownId() || states.size() >= DeviceBounds::kDevices)
            continue;
        if (std::optional<DeviceState> state = readDevice(copyPath(id), id, &bytes))
            states.append(*state);
    }
    return states;
}

QVector<SharedFolder::Arrival> SharedFolder::readFolder()
{
    QVector<Arrival> arrivals;
    int devices = 0;
    // What is wrong is told of the folder's files as they are now.
    for (auto it = m_missing.begin(); it != m_missing.end();) {
        if (it.key().startsWith(m_folder + QLatin1Char('/')))
            it = m_missing.erase(it);
        else
            ++it;
    }
    for (const QString &name : deviceFilesIn(m_folder)) {
        const QString id = DeviceFile::idOf(name), path = m_folder + QLatin1Char('/') + name;
        if (id.isEmpty() || id == ownId() || ++devices > DeviceBounds::kDevices)
            continue;
        const FileStamp stamp = FileStamps::ofName(path);
        if (stamp == m_stamps.value(name))
            continue;
        Arrival arrival;
        QString reason;
        if (!readRegular(path, &arrival.bytes, &reason)) {
            m_missing.insert(path,
                             Problem{Problem::CannotRead, path, reason, m_names.value(id, id)});
            continue;
        }
        // The same as the copy kept already: nothing new.
        const bool known = digestOf(arrival.bytes) == m_digests.value(id);
        const std::optional<DeviceState> state =
            known ? std::nullopt : parse(path, id, arrival.bytes);
        if (known || state)
            m_stamps.insert(name, stamp); // read whole: not read again until it changes
        if (state)
            arrivals.append(Arrival{*state, arrival.bytes});
    }
    return arrivals;
}

bool SharedFolder::changed() const
{
    const QString own = DeviceFile::nameFor(ownId());
    for (const QString &name : deviceFilesIn(m_folder))
        if (name != own &&
            FileStamps::ofName(m_folder + QLatin1Char('/') + name) != m_stamps.value(name))
            return true;
    return m_published.exists() &&
           FileStamps::ofName(m_folder + QLatin1Char('/') + own) != m_published;
}

bool SharedFolder::keepCopies(const QVector<Arrival> &arrivals, QString *error)
{
    if (arrivals.isEmpty())
        return true;
    if (!m_identity.makeMirror(error))
        return false;
    for (const Arrival &arrival : arrivals)
        if (!DurableFile::replace(copyPath(arrival.state.id), arrival.bytes, error, nullptr,
                                  DurableFile::Sync::Durable, DurableFile::Links::Replace))
            return false;
    return true;
}

bool SharedFolder::writeToFolder(const QByteArray &bytes)
{
    // A folder that is away is not made again here: it may be a drive not
    // mounted.
    if (!folderThere()) {
        m_folderProblem = QStringLiteral("not there");
        return false;
    }
    if (!m_published.exists())
        PhraseFolder::removeLeftovers(ownPath());
    if (DurableFile::replace(ownPath(), bytes, &m_folderProblem, &m_published,
                             DurableFile::Sync::Durable, DurableFile::Links::Replace))
        m_folderProblem.clear();
    return m_folderProblem.isEmpty();
}

bool SharedFolder::keepOwn(const QByteArray &bytes, QString *error)
{
    if (writeToFolder(bytes))
        return true;
    if (!m_identity.makeMirror(error))
        return false;
    if (!std::exchange(m_ownLeftoversRemoved, true))
        PhraseFolder::removeLeftovers(copyPath(ownId()));
    const bool kept = DurableFile::replace(copyPath(ownId()), bytes, error, nullptr,
                                           DurableFile::Sync::Durable, DurableFile::Links::Replace);
    if (kept)
        m_mirrored = bytes;
    return kept;
}

void SharedFolder::keepMirror(const QByteArray &bytes)
{
    QString error;
    if (bytes != m_mirrored && m_identity.makeMirror(&error) &&
        DurableFile::replace(copyPath(ownId()), bytes, &error, nullptr, DurableFile::Sync::Quick,
                             DurableFile::Links::Replace))
        m_mirrored = bytes;
}

void SharedFolder::publish(const QByteArray &bytes)
{
    writeToFolder(bytes);
}

bool SharedFolder::publicationStale(const QByteArray &bytes) const
{
    if (!folderThere())
        return false;
    if (m_published.exists())
        return FileStamps::ofName(ownPath()) != m_published;
    QByteArray there;
    QString reason;
    return !readRegular(ownPath(), &there, &reason) || there != bytes;
}
