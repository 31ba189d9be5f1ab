// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASESTORE_H
#define VARIZEZ_PHRASESTORE_H

#include "listmerge.h"
#include "phrasefile.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

class Beads;
class SharedCounts;
class SharedFolder;

// The user's list as the windows and varizez-file see it: the phrase file,
// and with sharing on the list merged from every device's file. It keeps
// the records it was given in step with both. A change made here is saved
// at once; a change made elsewhere (another program replacing the file, a
// device's file arriving) is taken in as soon as it settles, with what was
// changed here and had not reached the file put on top of it.
class PhraseStore : public QObject
{
    Q_OBJECT
    // True while a change made elsewhere waits to settle before it is read.
    Q_PROPERTY(bool settling READ settling)

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
    bool settling() const { return m_settle.isActive(); }

signals:
    // The records were changed from elsewhere, or the notice was.
    void changedOutside();

private:
    void openShared(const QString &folder, bool fileUsable, const QStringList &seeds);
    bool takeIn(bool devices);
    void write(bool evenIfSame);
    void setRecords();
    void watch();
    void settled();

    DataLocation m_location;
    PhraseFile m_file;
    QVector<Beads *> *m_records = nullptr;
    QVector<PhraseEntry> m_rows;   // what the records held when last in step
    QVector<PhraseEntry> m_saved;  // what the phrase file holds, as last read or written
    QVector<PhraseKey> m_keys;     // with sharing: the keys of m_rows
    QVector<PhraseKey> m_arranged; // the order of this device's file as last written
    std::unique_ptr<SharedFolder> m_folder;
    std::unique_ptr<SharedCounts> m_counts;
    qint64 m_published = -1; // the changes that have reached the folder
    QString m_ownProblem;    // why this device's state could not be kept
    bool m_lockRefused = false;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a change made elsewhere is read once it has settled
    QTimer m_retry;  // while the folder is away
};

#endif // VARIZEZ_PHRASESTORE_H
