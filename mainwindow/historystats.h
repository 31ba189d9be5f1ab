// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_HISTORYSTATS_H
#define VARIZEZ_HISTORYSTATS_H

#include "daycounts.h"

#include <QVector>

// What the history window shows of one phrase, or of all together, worked
// out from the days as of today: the days before it, today, the best day,
// the total and the streak.
struct HistoryStats
{
    // What was said on each of the `days` days up to today, today last.
    QVector<qint64> lastDays(int days) const;

    qint32 today = 0; // the day the stats are as of
    // The days of the phrase, or of all phrases added up; days after today
    // (a clock that was ahead) count in the total and the best day alone.
    QMap<qint32, qint64> days; // day: what was said that day
    qint64 saidToday = 0;
    qint32 bestDay = -1; // the first day with the most said; -1: none
    qint64 best = 0;
    qint64 total = 0;
    qint32 firstDay = -1; // the first day kept; -1: none
    // Days in a row up to today with the target reached (with no target,
    // with anything said); while today has not reached it yet, up to
    // yesterday.
    int streak = 0;

    // Of the phrase (a null text: of all), with that target (0: none).
    static HistoryStats of(const DayCounts &counts, const QString &phrase, qint64 target,
                           qint32 today);
};

#endif // VARIZEZ_HISTORYSTATS_H
