// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDLIST_H
#define VARIZEZ_SHAREDLIST_H

#include "phrasefile.h"
#include "phraseoperation.h"
#include "sharedcounts.h"
#include "sharedfolder.h"
#include "sharedtargets.h"

#include <QStringList>
#include <memory>
#include <optional>

// This device's list as every device's file makes it: the coordinator of
// sharing, between the phrase file (which PhraseStore keeps) and the
// devices' files (SharedFolder), with the merge (SharedCounts) in between.
//
// What keeps an older list from ever being taken for this device's removals
// or count-downs: this device's own record holds the list it last wrote in
// its phrase file ("written"), and is kept on the disk before that file is
// written. Only a difference between the phrase file and "written" is taken
// for a change made on this device by someone else (another program, or
// varizez-file while sharing was off), and only the store's own write of
// the phrase file changes "written"; reading the folder, the copies or the
// status never does. A phrase file still as it was before the last write
// (that write was lost to a power cut) is no change either: the record
// knows its stamp ("replaced").
class SharedList
{
public:
    SharedList(const DataLocation &location, const QString &folder);
    // Leaves a copy of this device's record beside the phrase file.
    ~SharedList();

    // Reads this device's record, the copies and the folder, then brings in
    // the phrase file as found (none: missing, or not read whole), or on a
    // first start with nothing shared yet, the seeds.
    void open(const std::optional<QVector<PhraseEntry>> &file, const FileStamp &fileStamp,
              const QStringList &seeds);
    // The list as shown: each phrase with its count.
    const QVector<PhraseEntry> &rows() const { return m_rows; }

    // Reads what changed in the folder, to be shown at the next refresh().
    void readFolder();
    // What the user did here to rows(), on that day. Counting keeps every
    // phrase in its place; the rest shows the list as the devices make it now.
    void apply(const PhraseOperation &op, qint32 day);
    // A new list put in the place of rows() on this device (an import, or
    // another program's change of the phrase file), and where given, the
    // target chosen for each of its rows.
    void replaceList(const QVector<PhraseEntry> &after,
                     const std::optional<QVector<qint32>> &targets = std::nullopt);
    // Each row's target as the devices agree on it (0: none).
    QVector<qint32> targets() const;
    qint32 targetOf(int row) const { return m_targets.targetOf(m_keys.value(row)); }
    // The targets this device had before it shared them, a row's each:
    // taken for the phrases no device has set a target for.
    void bringInTargets(const QVector<qint32> &targets);
    // Whether open() found no record of this device's: it begins sharing.
    bool beganSharing() const { return m_began; }
    // What this device had said on each day before it began sharing.
    void bringInDays(const DayCounts &days) { m_counts->bringInDays(days); }
    // What every device said on each day.
    DayCounts days() const { return m_counts->days(); }
    qint64 saidOn(const QString &text, qint32 day) const { return m_counts->saidOn(text, day); }
    // The list as the devices make it now, phrases keeping their places.
    void refresh();
    // Whether the folder brought something since the last refresh().
    bool hasNews() const { return m_news; }

    // Before the phrase file (whose stamp is now fileStamp) is written with
    // rows(), quickly when quick is given (quickWriteOf()): keeps the copies
    // of the files read, then this device's record (with that list),
    // durably: in the folder, where the others read it, or in the mirror.
    // False when the record could not be kept: then nothing may be written,
    // or the next start would take the file for someone else's.
    // onDisk: what the phrase file holds now. The quick writes the record
    // names are forgotten only once it holds the list last written, made
    // durable: until then, they name the file a power cut may bring back.
    bool keep(const FileStamp &fileStamp, const std::optional<DeviceState::Undo> &quick,
              const QVector<PhraseEntry> &onDisk);
    // The phrase file may be written quickly, not durably, when rows()
    // differs from what it holds in one count alone, and the record has room
    // to name one more such write: that count as it was there. A power cut
    // may take a quick write back, to any file written since the last
    // durable one; the record names each, so the next start takes none of
    // them for someone else's change.
    std::optional<DeviceState::Undo> quickWriteOf() const;
    // Whether the record names quick writes: before it may forget them, the
    // phrase file must be made durable as it is.
    bool quickWritesPending() const { return !m_counts->own().quickWrites.isEmpty(); }
    // Puts this device's record in the folder again where the folder lacks it.
    void publish();
    const QString &folder() const { return m_folder.folder(); }
    // False while this device's record could not be kept: no change is saved.
    bool recordKept() const { return m_ownProblem.isEmpty(); }
    // Whether the folder may hold news, or lacks this device's record.
    bool folderChanged() const { return m_folder.changed(); }
    bool publishingFails() const { return !m_folder.folderProblem().isEmpty(); }
    bool publicationStale() const { return m_folder.publicationStale(m_kept); }

    // What the user has to be told about sharing, a line each.
    QStringList notices() const;

private:
    DeviceState fresh() const;
    void goOnAsNewIfSilenced();
    void setTarget(const PhraseKey &key, qint32 target);
    // A phrase of this device's, new in rows() at row, with count and target.
    void add(int row, const QString &text, qint64 count, qint32 target);
    // Whether file is a list this device wrote quickly since its phrase
    // file was last durable.
    bool writtenQuickly(const QVector<PhraseEntry> &file) const;

    SharedFolder m_folder;
    std::unique_ptr<SharedCounts> m_counts;
    SharedTargets m_targets;
    QVector<PhraseKey> m_keys;
    QVector<PhraseEntry> m_rows;
    QVector<PhraseKey> m_writtenKeys; // the list in this device's record
    QVector<PhraseEntry> m_written;
    QVector<SharedFolder::Arrival> m_arrivals; // read, not kept yet
    QByteArray m_kept;                         // this device's record as last kept
    qint64 m_keptRevision = 0;                 // the revision of its state kept
    qint64 m_changesStamped = 0;               // the changes whose time is in the record
    QString m_ownProblem;                      // why the record could not be kept
    bool m_news = false;                       // read from the folder, not yet shown
    bool m_stuck = false; // this device could go on neither as it was nor as a new one
    bool m_began = false;
};

#endif // VARIZEZ_SHAREDLIST_H
