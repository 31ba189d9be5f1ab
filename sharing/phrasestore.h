// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASESTORE_H
#define VARIZEZ_PHRASESTORE_H

#include "listmerge.h"
#include "phrasefile.h"
#include "targetlist.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <memory>

class Beads;
class SharedList;

// The user's list as the windows and varizez-file see it: the phrase file,
// and with sharing on (SharedList) the list merged from every device's
// file. It keeps the records it was given in step with both. A change made
// here is saved at once; a change made elsewhere (another program replacing
// the file, a device's file arriving) is taken in as soon as it settles, and
// before every save, with what was changed here put on top of it.
class PhraseStore : public QObject
{
    Q_OBJECT
public:
    explicit PhraseStore(const DataLocation &location, QObject *parent = nullptr);
    ~PhraseStore() override;

    QString path() const { return m_file.path(); }
    // Keeps varizez-file from writing the file while this store lives.
    bool lock(int waitMs) { return !(m_lockRefused = !m_file.lock(waitMs)); }

    // Fills records with the list. Where there is none yet, with the seeds,
    // at count 0: they reach the file with the first change. From here on
    // the store keeps records in step.
    void open(QVector<Beads *> *records, const QStringList &seeds);
    // Saves the records after a change made here. False when the phrase
    // file could not be written.
    bool save();
    // What the user has to be told about the list, or an empty text.
    QString notice() const;

signals:
    // The records were changed from elsewhere, or the notice was.
    void changedOutside();
    // Something changed on the disk that is read once it has settled; then
    // it was read (and taken in, where it changed the list).
    void changeNoticed();
    void changeTakenIn();

private:
    QVector<bool> resetRows() const;
    void rememberResets();
    // What takeIn() looks at besides the phrase file.
    enum class Folder { Read, Skip };
    // Another program's change of the phrase file and, with the folder, the
    // devices' files: whether the list changed.
    bool takeIn(Folder folder);
    // Whether write() writes the phrase file when it already holds the list:
    // a save after a change made here always does, so that a file another
    // program replaced meanwhile is put right.
    enum class Unchanged { Write, Skip };
    void write(Unchanged unchanged);
    void setRecords();
    void applySharedTargets();
    QVector<qint32> targetsSetHere() const;
    void watch();
    void settled();

    DataLocation m_location;
    PhraseFile m_file;
    TargetList m_targets;
    bool m_targetsKept = true;
    // With sharing: the targets the devices agreed on, as last given to the
    // records.
    QVector<qint32> m_sharedTargets;
    QVector<Beads *> *m_records = nullptr;
    QVector<PhraseEntry> m_rows;          // what the records held when last in step
    QVector<PhraseEntry> m_saved;         // what the phrase file holds, as last read or written
    QHash<const Beads *, int> m_resets;   // how often each record had been reset then
    std::unique_ptr<SharedList> m_shared; // with sharing on
    bool m_lockRefused = false;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a change made elsewhere is read once it has settled
    QTimer m_retry;  // while the folder is away
};

#endif // VARIZEZ_PHRASESTORE_H
