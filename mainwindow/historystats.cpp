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

HistoryStats HistoryStats::of(const DayCounts &counts, const QString &phrase, qint64 target,
                              qint32 today)
{
    HistoryStats stats;
    stats.today = today;
    for (auto each = counts.phrases().cbegin(); each != counts.phrases().cend(); ++each)
        if (phrase.isNull() || each.key() == phrase)
            for (auto day = each->cbegin(); day != each->cend(); ++day)
                stats.days[day.key()] += day.value();
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
