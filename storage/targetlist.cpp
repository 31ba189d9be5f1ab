// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "targetlist.h"

#include "listmerge.h"

#include "beads.h"
#include "durablefile.h"
#include "phrasefolder.h"
#include "regularfile.h"

#include <QHash>

TargetList::TargetList(const QString &phraseFile)
    : m_path(TargetFile::pathFor(phraseFile))
{}

void TargetList::load()
{
    m_saved.clear();
    m_damaged.clear();
    m_recordsKnown = false;
    m_problem = Problem();
    QByteArray bytes;
    bool absent = false;
    QString why;
    if (!RegularFile::read(m_path, TargetFile::kSizeBound, &bytes, &why, &absent)) {
        if (!absent)
            m_problem = Problem{Problem::CannotRead, m_path, why, QString()};
        return;
    }
    if (TargetFile::read(bytes, &m_saved) == FileVerdict::Damaged) {
        // Copied aside only when it is about to be replaced: reading
        // leaves everything as it was.
        m_problem = Problem{Problem::Damaged, m_path, QString(), QString()};
        m_damaged = bytes;
    }
}

namespace {

QStringList textsOf(const QVector<Beads *> &records)
{
    QStringList texts;
    texts.reserve(records.size());
    for (const Beads *record : records)
        texts.append(record->name());
    return texts;
}

} // namespace

QVector<PhraseTarget> TargetList::targetsOf(const QStringList &texts,
                                            const QVector<qint32> &targets)
{
    QVector<PhraseTarget> kept;
    const QVector<PhraseKey> keys = ListMerge::keysOf(texts);
    for (int i = 0; i < texts.size(); ++i)
        if (targets.value(i) > 0)
            kept.append({keys.at(i), targets.at(i)});
    return kept;
}

QVector<qint32> TargetList::targetsOf(const QVector<PhraseTarget> &targets,
                                      const QStringList &texts)
{
    QHash<PhraseKey, qint32> targetOf;
    for (const PhraseTarget &t : targets)
        targetOf.insert(t.phrase, t.target);
    QVector<qint32> each;
    each.reserve(texts.size());
    for (const PhraseKey &key : ListMerge::keysOf(texts))
        each.append(targetOf.value(key));
    return each;
}

QVector<PhraseTarget> TargetList::targetsOf(const QVector<Beads *> &records)
{
    QVector<qint32> each;
    each.reserve(records.size());
    for (const Beads *record : records)
        each.append(record->target());
    return targetsOf(textsOf(records), each);
}

bool TargetList::save(const QVector<Beads *> &records)
{
    // A count changes neither the phrases nor their targets: what the
    // records were at the last save tells so without working out which
    // row of its text each phrase is.
    bool same = m_recordsKnown && records.size() == m_lastRecords.size();
    for (int i = 0; same && i < records.size(); ++i)
        same = records.at(i)->target() == m_lastRecords.at(i).second &&
               records.at(i)->name() == m_lastRecords.at(i).first;
    if (same && m_problem.what == Problem::None)
        return true;
    m_lastRecords.resize(records.size());
    for (int i = 0; i < records.size(); ++i)
        m_lastRecords[i] = {records.at(i)->name(), records.at(i)->target()};
    m_recordsKnown = true;
    return save(targetsOf(records));
}

bool TargetList::save(const QVector<PhraseTarget> &targets)
{
    // No file is made for a list that never had a target.
    if (targets == m_saved && (m_problem.what == Problem::None || targets.isEmpty()))
        return true;
    QString error;
    if (!m_damaged.isEmpty() && !PhraseFolder::keepDamagedCopy(m_path, m_damaged, &error)) {
        m_problem = Problem{Problem::CannotSave, m_path, error, QString()};
        return false;
    }
    m_damaged.clear();
    // Like reading, writing never follows a link: the link itself is replaced.
    if (!DurableFile::replace(m_path, TargetFile::bytesOf(targets), &error, nullptr,
                              DurableFile::Sync::Durable, DurableFile::Links::Replace)) {
        m_problem = Problem{Problem::CannotSave, m_path, error, QString()};
        return false;
    }
    m_saved = targets;
    m_problem = Problem();
    return true;
}
