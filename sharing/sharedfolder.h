// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDFOLDER_H
#define VARIZEZ_SHAREDFOLDER_H

#include "datalocation.h"
#include "devicestate.h"
#include "filestamp.h"

#include <QMap>
#include <QVector>

// The devices' files. The folder the user keeps in step with the other
// devices (by Syncthing or any file sync) holds one file per device, each
// written by its device alone. This device keeps a copy of every one of them
// beside its phrase file (the mirror), so that it shows the shared list
// while the folder is away; its own copy there is the one that counts while
// the folder cannot take its saves.
class SharedFolder
{
public:
    // A device file that could not be taken in: its device's latest counts
    // are missing.
    struct Missing
    {
        enum Why { Damaged, Newer, Unreadable };
        Why why;
        QString file;
        QString device; // its name where an earlier file told it, else its id
        QString reason; // the system's, for an unreadable one
    };

    SharedFolder(const DataLocation &location, const QString &folder);

    const QString &folder() const { return m_folder; }
    const QString &ownId() const { return m_ownId; }

    // This device's state as it last saved it, from the mirror or the
    // folder. Generation 0 for a device that never shared.
    DeviceState ownState() const;
    // The other devices' states as this device last took them in: those
    // its phrase file was last written with.
    QVector<DeviceState> kept();
    // The other devices' states in the folder that are newer than those
    // taken in so far.
    QVector<DeviceState> news();
    // Saves this device's state: durably in the folder when publish is set
    // or the folder missed a save, and in the mirror, durably when the
    // folder did not take it. False, with the reason, when neither kept it.
    bool save(const DeviceState &state, bool publish, QString *error);

    // Whether news() may find something: a cheap look, without reading.
    bool changed() const;
    // Whether this device's file in the folder is not the one it wrote last,
    // or (before it wrote any) not as new as its state.
    bool publicationStale(const DeviceState &own) const;
    // Why the folder missed the last save, or an empty text.
    const QString &folderProblem() const { return m_folderProblem; }
    bool folderThere() const;
    QVector<Missing> missing() const { return m_missing.values().toVector(); }

private:
    bool takeIn(const QString &path, const QString &id, DeviceState *state);

    DataLocation m_location;
    QString m_folder;
    QString m_mirror;
    QString m_ownId;
    bool m_leftoversRemoved = false;     // what a killed save of this device's file left
    QMap<QString, qint64> m_generations; // the latest taken in, by device
    QMap<QString, QString> m_names;      // by device
    QMap<QString, FileStamp> m_stamps;   // the folder's files as last read
    QMap<QString, Missing> m_missing;    // by file
    FileStamp m_published;               // this device's file in the folder, as last written
    QString m_folderProblem;
};

#endif // VARIZEZ_SHAREDFOLDER_H
