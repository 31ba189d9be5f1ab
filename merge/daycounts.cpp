// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "daycounts.h"

#include <QDate>
#include <QVector>
#include <algorithm>
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

void DayCounts::addAll(const DayCounts &other)
{
    for (auto phrase = other.m_phrases.cbegin(); phrase != other.m_phrases.cend(); ++phrase)
        for (auto day = phrase->cbegin(); day != phrase->cend(); ++day)
            add(phrase.key(), day.key(), day.value());
}

void DayCounts::raiseTo(const DayCounts &other)
{
    for (auto phrase = other.m_phrases.cbegin(); phrase != other.m_phrases.cend(); ++phrase)
        for (auto day = phrase->cbegin(); day != phrase->cend(); ++day) {
            qint32 &kept = m_phrases[phrase.key()][day.key()];
            kept = qMax(kept, day.value());
        }
}

bool DayCounts::foldBefore(qint32 newestDay)
{
    const qint32 firstWhole = newestDay - kWholeDays;
    bool changed = false;
    for (Days &days : m_phrases) {
        if (days.isEmpty() || days.firstKey() >= firstWhole)
            continue;
        Days kept;
        for (auto it = days.cbegin(); it != days.cend(); ++it) {
            const qint32 day = it.key() < firstWhole ? monthOf(it.key()) : it.key();
            const qint64 sum = qint64(kept.value(day)) + it.value();
            kept[day] = qint32(qMin<qint64>(sum, std::numeric_limits<qint32>::max()));
        }
        // Days folded before are on the first of their month already.
        if (kept != days) {
            days = kept;
            changed = true;
        }
    }
    return changed;
}

qint64 DayCounts::dayCount() const
{
    qint64 n = 0;
    for (const Days &days : m_phrases)
        n += days.size();
    return n;
}

DayCounts DayCounts::withinBound() const
{
    if (dayCount() <= kDayBound)
        return *this;
    QVector<qint32> all;
    for (const Days &days : m_phrases)
        all += days.keys().toVector();
    const auto newest = all.end() - kDayBound;
    std::nth_element(all.begin(), newest, all.end());
    // Of the day at the bound none is kept, rather than some of its phrases.
    const qint32 first = *newest + 1;
    DayCounts kept;
    for (auto phrase = m_phrases.cbegin(); phrase != m_phrases.cend(); ++phrase)
        for (auto day = phrase->lowerBound(first); day != phrase->cend(); ++day)
            kept.add(phrase.key(), day.key(), day.value());
    return kept;
}
