// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TARGETLIST_H
#define VARIZEZ_TARGETLIST_H

#include "problem.h"
#include "targetfile.h"

#include <QPair>

class Beads;

// The targets of the user's records, and the file beside the phrase file
// that keeps them (TargetFile). The records hold each its target; this
// reads them into the records at the start, and saves them when they
// changed.
class TargetList
{
public:
    explicit TargetList(const QString &phraseFile);

    // Reads the file. A file that is damaged or cannot be read costs the
    // targets: the list goes on without them, and problem() tells why. A
    // damaged one is copied aside before it is replaced.
    void load();
    // Saves the records' targets when they are not what the file holds.
    // False when the file could not be written; problem() tells why.
    bool save(const QVector<Beads *> &records);
    bool save(const QVector<PhraseTarget> &targets);
    // Why the targets could not be used: Damaged (the file is copied aside
    // before it is replaced), CannotRead or CannotSave.
    const Problem &problem() const { return m_problem; }

    // The targets that records hold, in their order.
    static QVector<PhraseTarget> targetsOf(const QVector<Beads *> &records);
    // The same for a list of texts: the target of each, 0 for none; and back.
    static QVector<qint32> targetsOf(const QVector<PhraseTarget> &targets,
                                     const QStringList &texts);
    static QVector<PhraseTarget> targetsOf(const QStringList &texts,
                                           const QVector<qint32> &targets);

    QString path() const { return m_path; }
    // The targets as last read or saved.
    const QVector<PhraseTarget> &saved() const { return m_saved; }

private:
    QString m_path;
    QVector<PhraseTarget> m_saved; // what the file holds, as last read or written
    QByteArray m_damaged;          // a damaged file as read, to be copied aside
    // Each record's text and target at the last save, once known.
    QVector<QPair<QString, int>> m_lastRecords;
    bool m_recordsKnown = false;
    Problem m_problem;
};

#endif // VARIZEZ_TARGETLIST_H
