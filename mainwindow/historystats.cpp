// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "historystats.h"

QVector<qint64> HistoryStats::lastDays(int n) const
{
    QVector<qint64> said(n, 0);
    for (auto day = days.lowerBound(today - n + 1); day != days.cend() && day.key() <= today; ++day)
        said[n - 1 - (today - day.key())] = day.value();
    return said;
}

namespace {

QMap<qint32, qint64> widened(const DayCounts::Days &days)
{
    QMap<qint32, qint64> wide;
    for (auto day = days.cbegin(); day != days.cend(); ++day)
        wide.insert(wide.cend(), day.key(), day.value());
    return wide;
}

// The days of all phrases added up: by an array over the days between the
// first and the last, each day's sum put in once, in order; where those are
// centuries apart (a clock far off), day by day.
QMap<qint32, qint64> addedUp(const DayCounts &counts)
{
    qint32 first = DayCounts::kLastDay, last = 0;
    for (const DayCounts::Days &days : counts.phrases()) {
        first = qMin(first, days.firstKey());
        last = qMax(last, days.lastKey());
    }
    if (last - first > 100000) {
        QMap<qint32, qint64> all;
        for (const DayCounts::Days &days : counts.phrases())
            for (auto day = days.cbegin(); day != days.cend(); ++day)
                all[day.key()] += day.value();
        return all;
    }
    QVector<qint64> sums(first <= last ? last - first + 1 : 0, 0);
    for (const DayCounts::Days &days : counts.phrases())
        for (auto day = days.cbegin(); day != days.cend(); ++day)
            sums[day.key() - first] += day.value();
    QMap<qint32, qint64> all;
    for (int i = 0; i < sums.size(); ++i)
        if (sums.at(i) > 0)
            all.insert(all.cend(), first + i, sums.at(i));
    return all;
}

} // namespace

HistoryStats HistoryStats::of(const DayCounts &counts, const QString &phrase, qint64 target,
                              qint32 today)
{
    HistoryStats stats;
    stats.today = today;
    stats.days = phrase.isNull() ? addedUp(counts) : widened(counts.phrases().value(phrase));
    for (auto day = stats.days.cbegin(); day != stats.days.cend(); ++day) {
        stats.total += day.value();
        if (day.value() > stats.best) {
            stats.best = day.value();
            stats.bestDay = day.key();
        }
    }
    if (!stats.days.isEmpty())
        stats.firstDay = stats.days.firstKey();
    stats.saidToday = stats.days.value(today);
    const auto reached = [&](qint32 day) {
        const qint64 said = stats.days.value(day);
        return target > 0 ? said >= target : said > 0;
    };
    qint32 day = reached(today) ? today : today - 1;
    while (reached(day)) {
        ++stats.streak;
        --day;
    }
    return stats;
}
