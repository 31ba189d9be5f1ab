// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the store tells the windows besides the list: what the user has to
// be told, and what was said on each day.

#include "phrasestore.h"

#include "notices.h"
#include "sharedlist.h"

DayCounts PhraseStore::days()
{
    return m_shared ? m_shared->days() : m_days ? m_days->days() : DayCounts();
}

qint64 PhraseStore::saidToday(const QString &text)
{
    const qint32 today = DayBook::today();
    return m_shared ? m_shared->saidOn(text, today) : m_days ? m_days->saidOn(text, today) : -1;
}

QString PhraseStore::notice() const
{
    QStringList lines{Notices::ofPhraseFile(m_file.problem()),
                      Notices::ofTargets(m_targets.problem())};
    // What keeps the counts from being saved keeps their days too.
    if (m_days && lines.constFirst().isEmpty())
        lines << Notices::ofDays(m_days->problem());
    if (m_shared)
        lines << m_shared->notices();
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}
