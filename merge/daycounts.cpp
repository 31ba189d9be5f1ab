// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "daycounts.h"

#include <QDate>
#include <limits>

namespace {

// The first day of the month that day is in.
qint32 monthOf(qint32 day)
{
    static const QDate epoch(1970, 1, 1);
    const QDate date = epoch.addDays(day);
    return qint32(epoch.daysTo(QDate(date.year(), date.month(), 1)));
}

} // namespace

void DayCounts::countUp(const QString &phrase, qint32 day)
{
    add(phrase, day, 1);
}

void DayCounts::countDown(const QString &phrase, qint32 day)
{
    const auto found = m_phrases.find(phrase);
    if (found == m_phrases.end() || !found->contains(day))
        return;
    if (--(*found)[day] == 0)
        found->remove(day);
    if (found->isEmpty())
        m_phrases.erase(found);
}

bool DayCounts::add(const QString &phrase, qint64 day, qint64 said)
{
    if (!isDay(day) || said < 1 || said > std::numeric_limits<qint32>::max())
        return false;
    qint32 &kept = m_phrases[phrase][qint32(day)];
    // Saturating: a day holds no more than a count can.
    kept = qint32(qMin<qint64>(qint64(kept) + said, std::numeric_limits<qint32>::max()));
    return true;
}

void DayCounts::foldBefore(qint32 newestDay)
{
    const qint32 firstWhole = newestDay - kWholeDays;
    for (Days &days : m_phrases) {
        if (days.isEmpty() || days.firstKey() >= firstWhole)
            continue;
        Days kept;
        for (auto it = days.cbegin(); it != days.cend(); ++it) {
            const qint32 day = it.key() < firstWhole ? monthOf(it.key()) : it.key();
            const qint64 sum = qint64(kept.value(day)) + it.value();
            kept[day] = qint32(qMin<qint64>(sum, std::numeric_limits<qint32>::max()));
        }
        days = kept;
    }
}

qint64 DayCounts::dayCount() const
{
    qint64 n = 0;
    for (const Days &days : m_phrases)
        n += days.size();
    return n;
}
