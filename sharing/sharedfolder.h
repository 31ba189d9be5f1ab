// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDFOLDER_H
#define VARIZEZ_SHAREDFOLDER_H

#include "datalocation.h"
#include "devicestate.h"
#include "durablefile.h"
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

    // This device's state as it last saved it: the newer of its copies in
    // the folder and in the mirror. Generation 0 for a device that never
    // shared.
    DeviceState ownState();
    // The highest generation of this device's file seen in either place; a
    // save must be above it, or the others would take it for an old copy.
    qint64 generationSeen();
    // The other devices' states as this device last took them in: those
    // its phrase file was last written with.
    QVector<DeviceState> kept();
    // The other devices' states in the folder that are newer than those
    // taken in so far; each is kept in the mirror, durably.
    QVector<DeviceState> news();
    // Saves this device's state durably in the folder, or where the folder
    // does not take it, in the mirror. False, with the reason, when neither
    // kept it.
    bool save(const DeviceState &state, QString *error);
    // Leaves a copy of this device's state in the mirror, for a home folder
    // copied to another machine to take along.
    void keep(const DeviceState &state);

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
    bool takeIn(const QString &path, const QString &id, DeviceState *state, QByteArray *bytes);
    bool keepInMirror(const QByteArray &bytes, qint64 generation, DurableFile::Sync sync,
                      QString *error);

    DataLocation m_location;
    QString m_folder;
    QString m_mirror;
    QString m_ownId;
    bool m_leftoversRemoved = false;     // what a killed save of this device's file left
    QMap<QString, qint64> m_generations; // the latest taken in, by device
    QMap<QString, QString> m_names;      // by device
    QMap<QString, QByteArray> m_seals;   // the digest ending the file taken in, by device
    QMap<QString, FileStamp> m_stamps;   // the folder's files as last read
    QMap<QString, Missing> m_missing;    // by file
    FileStamp m_published;               // this device's file in the folder, as last written
    QString m_folderProblem;
    qint64 m_generationSeen = 0;
    qint64 m_mirrorGeneration = -1; // of this device's copy in the mirror
    bool m_folderCopySeen = false;  // whether m_generationSeen knows the folder's copy
};

#endif // VARIZEZ_SHAREDFOLDER_H
