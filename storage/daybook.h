// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DAYBOOK_H
#define VARIZEZ_DAYBOOK_H

#include "countjournal.h"
#include "datalocation.h"
#include "dayfile.h"
#include "phraseentry.h"

#include <QVector>

// What this device said on each day: the days file beside the phrase file,
// and the counts of the journal after it. Each count is appended to the
// journal and synced before the count itself is written, so that after a
// power cut a count on the disk always has its day; a count the cut took
// back is the journal's last, and is dropped when the list does not show it.
// The journal is folded into the days file (a durable replace) when the
// program ends, when it fills, and at the start after a kill.
class DayBook
{
public:
    explicit DayBook(const DataLocation &location);
    // Folds what the journal holds.
    ~DayBook();
    DayBook(const DayBook &) = delete;
    DayBook &operator=(const DayBook &) = delete;

    // Reads what a kill or a power cut left in the journal, once the list is
    // known, and folds it.
    void open(const QVector<PhraseEntry> &rows);
    // Keeps a count made on that day, +1 or -1 on that row, which it left
    // as shown, before the count is written. False when it could not be
    // kept; problem() tells why.
    bool counted(int row, const PhraseEntry &shown, qint32 delta, qint32 day);
    bool fold();
    // These days in place of those kept (what the devices said, when this
    // one stops sharing them), durably.
    bool replace(const DayCounts &days);

    DayCounts days();
    // Of days(), what was said of one phrase on one day.
    qint64 saidOn(const QString &text, qint32 day);
    // The date the clock shows, as a day (0: 1970-01-01).
    static qint32 today();
    // Damaged (copied aside before it is replaced), CannotRead or CannotSave.
    const Problem &problem() const { return m_problem; }

    // The days as the files beside that phrase file hold them, written by no
    // one: the phrase file's rows tell whether the journal's last count was
    // made. Damaged when the days file was.
    static DayCounts read(const QString &phraseFile, const QVector<PhraseEntry> &rows,
                          Problem *problem);

private:
    // The days file, read the first time it is needed.
    void load();

    QString m_path;
    QString m_makeBelow; // missing folders below this one are made
    CountJournal m_journal;
    DayFile::Contents m_file;
    bool m_loaded = false;
    QByteArray m_damaged; // a damaged file as read, to be copied aside
    DayCounts m_days;     // the days file's, and the counts since
    int m_unfolded = 0;   // counts since the days file was written
    quint64 m_journalCheckpoint = 0;
    bool m_journalEmpty = false; // as the last run left it: a head, no entry
    Problem m_problem;
};

#endif // VARIZEZ_DAYBOOK_H
