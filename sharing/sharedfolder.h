// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDFOLDER_H
#define VARIZEZ_SHAREDFOLDER_H

#include "datalocation.h"
#include "deviceidentity.h"
#include "devicestate.h"
#include "filestamp.h"
#include "problem.h"

#include <QMap>
#include <QVector>
#include <optional>

// The devices' files. The folder the user keeps in step with the other
// devices (by Syncthing or any file sync) holds one file per device, each
// written by its device alone, but open to anything any device puts there:
// only regular files are read, never through a link, never beyond
// DeviceFile::kSizeBound, and nothing in it is ever written through a link.
//
// This device's own record lives in its file there, written durably with
// every change, and beside the phrase file (the mirror) when the folder
// cannot take it and when the program ends. Its copy in the folder is only
// taken for its own when it bears the seal of a key that never leaves this
// device. The mirror also keeps a copy of every other device's file (the
// copies), so that the shared list shows while the folder is away.
//
// Reading changes nothing on the disk; only keepCopies(), keepOwn(),
// keepMirror() and publish() write.
class SharedFolder
{
public:
    // A device's file as read from the folder.
    struct Arrival
    {
        DeviceState state;
        QByteArray bytes;
    };

    SharedFolder(const DataLocation &location, const QString &folder);

    const QString &folder() const { return m_folder; }
    const QString &ownId() const { return m_identity.id(); }

    // Where this device keeps its record and the copies.
    const QString &mirror() const { return m_mirror; }
    // Whether anything stands under this device's name, in the folder or the
    // mirror, though readOwn() found no record of its own there.
    bool ownNameTaken() const;
    // This device goes on under a new id (SharedCounts::becomeNew): what
    // stands under the old one is another device's from now on.
    bool becomeNew(QString *error);

    // This device's own record as it last kept it, and its bytes: the later
    // of its sealed copy in the folder and its copy in the mirror. None for
    // a device that never shared, or whose record was lost.
    std::optional<DeviceState> readOwn(QByteArray *bytes);
    // The other devices' states as this device keeps copies of them.
    QVector<DeviceState> readCopies();
    // The other devices' files in the folder that changed since the last
    // read (at first, all of them), each that is whole.
    QVector<Arrival> readFolder();
    // Whether readFolder() may find something: a cheap look, without reading.
    bool changed() const;

    // The key this device seals its own record with; made at first use.
    // Empty, with the reason, where it cannot be kept.
    QByteArray key(QString *error) { return m_identity.key(error); }
    // Keeps copies of files read from the folder, durably. False, with the
    // reason, when that failed.
    bool keepCopies(const QVector<Arrival> &arrivals, QString *error);
    // Keeps this device's record durably: in the folder, or where the folder
    // does not take it, in the mirror. False, with the reason, when neither
    // did.
    bool keepOwn(const QByteArray &bytes, QString *error);
    // Leaves a copy of this device's record in the mirror, for a start with
    // the folder away, or a home folder copied to another machine.
    void keepMirror(const QByteArray &bytes);
    // Puts this device's record in the folder again, where it was lost,
    // replaced by someone else, or missed while the folder was away.
    void publish(const QByteArray &bytes);
    // Whether the folder lacks this device's record as kept.
    bool publicationStale(const QByteArray &bytes) const;

    // Why the folder missed the last publication, or an empty text.
    const QString &folderProblem() const { return m_folderProblem; }
    bool folderThere() const;
    // The device files that could not be taken in (Damaged, Newer or
    // CannotRead): their devices' latest counts are missing.
    QVector<Problem> missing() const { return m_missing.values().toVector(); }

private:
    std::optional<DeviceState> readDevice(const QString &path, const QString &id,
                                          QByteArray *bytes);
    std::optional<DeviceState> parse(const QString &path, const QString &id,
                                     const QByteArray &bytes);
    QString copyPath(const QString &id) const;
    QString ownPath() const;
    bool writeToFolder(const QByteArray &bytes);

    QString m_folder;
    QString m_mirror;
    DeviceIdentity m_identity;
    QMap<QString, QString> m_names;      // the devices' names as last read, by id
    QMap<QString, QByteArray> m_digests; // the digest ending each device's file as last read
    QMap<QString, FileStamp> m_stamps;   // the folder's files as last read, by name
    QMap<QString, Problem> m_missing;    // by file
    FileStamp m_published;               // this device's file in the folder, as last written
    QString m_folderProblem;
    QByteArray m_mirrored;              // this device's record in the mirror, as last written
    bool m_ownLeftoversRemoved = false; // what a killed save of this device's record left
};

#endif // VARIZEZ_SHAREDFOLDER_H
