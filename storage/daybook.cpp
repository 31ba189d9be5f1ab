// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "daybook.h"

#include "durablefile.h"
#include "folders.h"
#include "phrasefolder.h"
#include "regularfile.h"

#include <QDate>
#include <QFileInfo>

qint32 DayBook::today()
{
    return qint32(QDate(1970, 1, 1).daysTo(QDate::currentDate()));
}

namespace {

void applyTo(DayCounts *days, const QVector<CountJournal::Entry> &entries)
{
    for (const CountJournal::Entry &e : entries) {
        if (e.delta > 0)
            days->countUp(e.text, e.day);
        else
            days->countDown(e.text, e.day);
    }
}

// The journal's counts that were made after the days file's checkpoint: a
// journal of another checkpoint was folded already. The last count is one
// that a power cut took back when the list shows its row as before it.
QVector<CountJournal::Entry> madeSince(const CountJournal::Contents &journal, quint64 checkpoint,
                                       const QVector<PhraseEntry> &rows)
{
    if (journal.checkpoint != checkpoint || journal.entries.isEmpty())
        return {};
    QVector<CountJournal::Entry> made = journal.entries;
    const CountJournal::Entry &last = made.constLast();
    if (last.row < rows.size() && rows.at(last.row).name == last.text &&
        qint64(rows.at(last.row).count) == qint64(last.after) - last.delta)
        made.removeLast();
    return made;
}

// The checkpoint the journal's counts must follow to be read: where the days
// file could not be read, or is not there, the journal's counts are the only
// ones, whatever they follow.
quint64 checkpointOf(const DayFile::Contents &file, const Problem &problem,
                     const CountJournal::Contents &journal)
{
    return problem.what == Problem::None && file.checkpoint != 0 ? file.checkpoint
                                                                 : journal.checkpoint;
}

Problem readDays(const QString &path, DayFile::Contents *contents, QByteArray *damaged)
{
    QByteArray bytes;
    bool absent = false;
    QString why;
    if (!RegularFile::read(path, DayFile::kSizeBound, &bytes, &why, &absent))
        return absent ? Problem() : Problem{Problem::CannotRead, path, why, QString()};
    if (DayFile::read(bytes, contents) == FileVerdict::Whole)
        return Problem();
    *damaged = bytes;
    return Problem{Problem::Damaged, path, QString(), QString()};
}

} // namespace

DayBook::DayBook(const DataLocation &location)
    : m_path(DayFile::pathFor(location.file))
    , m_makeBelow(location.makeBelow)
    , m_journal(DayFile::journalPathFor(location.file))
{}

DayBook::~DayBook()
{
    if (m_unfolded > 0)
        fold();
}

void DayBook::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_problem = readDays(m_path, &m_file, &m_damaged);
    m_days = m_file.days;
}

void DayBook::open(const QVector<PhraseEntry> &rows)
{
    const CountJournal::Contents journal = CountJournal::read(m_journal.path());
    m_journalCheckpoint = journal.checkpoint;
    m_journalEmpty = journal.entries.isEmpty() && journal.droppedBytes == 0;
    if (journal.entries.isEmpty())
        return;
    load();
    const QVector<CountJournal::Entry> made =
        madeSince(journal, checkpointOf(m_file, m_problem, journal), rows);
    applyTo(&m_days, made);
    m_unfolded = int(made.size());
    fold();
}

bool DayBook::counted(int row, const PhraseEntry &shown, qint32 delta, qint32 day)
{
    load();
    const CountJournal::Entry entry{day, row, shown.count, delta, shown.name};
    QString error;
    // A journal the last run left empty goes on.
    if (!m_journal.isOpen() && m_unfolded == 0 && m_journalEmpty &&
        m_problem.what == Problem::None && m_file.checkpoint != 0 &&
        m_journalCheckpoint == m_file.checkpoint)
        m_journal.resume(m_file.checkpoint, &error);
    // The day goes in the journal, never straight into the days file: the
    // next start drops the journal's last count where the list does not
    // show it, so a count that never reached the disk has no day. A journal
    // full or not begun takes it once the counts before it are folded.
    const bool journaled =
        m_journal.append(entry, &error) || (fold() && m_journal.append(entry, &error));
    applyTo(&m_days, {entry});
    ++m_unfolded;
    // A phrase too long for the journal: the days file takes it at once.
    return journaled || (m_problem.what == Problem::None && fold());
}

bool DayBook::fold()
{
    load();
    if (m_problem.what == Problem::CannotRead)
        return false;
    DayFile::Contents next{m_days, qMax(m_file.checkpoint, m_journalCheckpoint) + 1};
    next.days.foldBefore(today());
    QString error;
    if ((!m_makeBelow.isEmpty() &&
         !Folders::make(QFileInfo(m_path).absolutePath(), m_makeBelow, &error)) ||
        (!m_damaged.isEmpty() && !PhraseFolder::keepDamagedCopy(m_path, m_damaged, &error))) {
        m_problem = Problem{Problem::CannotSave, m_path, error, QString()};
        return false;
    }
    m_damaged.clear();
    // The days file first: a cut before the journal starts over leaves a
    // journal of an earlier checkpoint, which is not read again.
    if (!DurableFile::replace(m_path, DayFile::bytesOf(next), &error, nullptr,
                              DurableFile::Sync::Durable, DurableFile::Links::Replace) ||
        !m_journal.begin(next.checkpoint, &error)) {
        m_problem = Problem{Problem::CannotSave, m_path, error, QString()};
        return false;
    }
    m_file = next;
    m_days = next.days;
    m_journalCheckpoint = next.checkpoint;
    m_journalEmpty = true;
    m_unfolded = 0;
    m_problem = Problem();
    return true;
}

bool DayBook::replace(const DayCounts &days)
{
    load();
    // Nothing to write where the days file and the journal hold them already.
    if (days == m_days && m_unfolded == 0 && m_problem.what == Problem::None &&
        m_file.checkpoint != 0)
        return true;
    m_days = days;
    return fold();
}

qint64 DayBook::saidOn(const QString &text, qint32 day)
{
    load();
    return m_days.said(text, day);
}

DayCounts DayBook::days()
{
    load();
    return m_days;
}

DayCounts DayBook::read(const QString &phraseFile, const QVector<PhraseEntry> &rows,
                        Problem *problem)
{
    DayFile::Contents file;
    QByteArray damaged;
    *problem = readDays(DayFile::pathFor(phraseFile), &file, &damaged);
    const CountJournal::Contents journal = CountJournal::read(DayFile::journalPathFor(phraseFile));
    applyTo(&file.days, madeSince(journal, checkpointOf(file, *problem, journal), rows));
    return file.days;
}
