// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASESTORE_H
#define VARIZEZ_PHRASESTORE_H

#include "daybook.h"
#include "listmerge.h"
#include "phrasefile.h"
#include "phraseoperation.h"
#include "targetlist.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class PhraseList;
class SharedList;

// The user's list as the windows and varizez-file see it: the phrase file,
// and with sharing on (SharedList) the list merged from every device's
// file. It is told what the user did, applies it to the list it was given
// (PhraseList) and saves at once. A change made elsewhere (another program
// replacing the file, a device's file arriving) is taken in as soon as it
// settles, and before every save, with what was done here put on top of it.
class PhraseStore : public QObject
{
    Q_OBJECT
public:
    explicit PhraseStore(const DataLocation &location, QObject *parent = nullptr);
    ~PhraseStore() override;

    QString path() const { return m_file.path(); }
    // Keeps varizez-file from writing the file while this store lives.
    bool lock(int waitMs) { return !(m_lockRefused = !m_file.lock(waitMs)); }

    // Fills list with the user's list. Where there is none yet, with the
    // seeds, at count 0: they reach the file with the first change. From
    // here on the store keeps list in step.
    void open(PhraseList *list, const QStringList &seeds);
    // Applies what the user did, then saves. False when the phrase file
    // could not be written; notice() tells why.
    bool apply(const PhraseOperation &op);
    // A whole new list in place of the user's (an import), with the target
    // of each row, then saved.
    bool replaceList(const QVector<PhraseEntry> &rows, const QVector<qint32> &targets);
    // Saves the list as it is, with what changed elsewhere taken in.
    bool save();
    // What the user has to be told about the list, or an empty text.
    QString notice() const;
    // What was said on each day: here, or with sharing on every device; and
    // of one phrase today (-1: nothing is kept).
    DayCounts days();
    qint64 saidToday(const QString &text);

signals:
    // The list was changed from elsewhere, or the notice was.
    void changedOutside();
    // Something changed on the disk that is read once it has settled; then
    // it was read (and taken in, where it changed the list).
    void changeNoticed();
    void changeTakenIn();

private:
    // What takeIn() looks at besides the phrase file.
    enum class Folder { Read, Skip };
    // Another program's change of the phrase file and, with the folder, the
    // devices' files: whether the list changed.
    bool takeIn(Folder folder);
    // Whether write() writes the phrase file when it already holds the list:
    // a save after a change made here always does, so that a file another
    // program replaced meanwhile is put right.
    enum class Unchanged { Write, Skip };
    // counted: the row of the count that alone made this change, whose four
    // bytes may be written over in place.
    void write(Unchanged unchanged, std::optional<int> counted = std::nullopt);
    bool written() const;
    // The list as this store holds it now, and shown in the PhraseList.
    QVector<PhraseEntry> rows() const;
    void showRows();
    void watch();
    void settled();

    DataLocation m_location;
    PhraseFile m_file;
    TargetList m_targets;
    bool m_targetsKept = true;
    std::unique_ptr<DayBook> m_days; // where this store may write
    PhraseList *m_list = nullptr;
    QVector<PhraseEntry> m_saved;         // what the phrase file holds, as last read or written
    std::unique_ptr<SharedList> m_shared; // with sharing on
    bool m_lockRefused = false;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a change made elsewhere is read once it has settled
    QTimer m_retry;  // while the folder is away
};

#endif // VARIZEZ_PHRASESTORE_H
