// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DAYCOUNTS_H
#define VARIZEZ_DAYCOUNTS_H

#include <QMap>
#include <QString>

// What was said of each phrase on each day. A day is a date of the calendar
// of the device that counted, as the number of days since 1970-01-01 (day 0);
// a phrase is its text, so that a phrase removed and added again finds its
// days again, and a text that stands twice in a list has one history.
class DayCounts
{
public:
    // 9999-12-31, the last day a date can name: a day beyond it, or before
    // day 0, was never counted on.
    static constexpr qint32 kLastDay = 2932896;
    // Days kept one by one, back from the newest; days before them are kept
    // by the month, each month on its first day.
    static constexpr qint32 kWholeDays = 3 * 366;
    // Days kept in all, of all phrases: every phrase of a list of a hundred
    // counted every day for 50 years. Past it the oldest days go first.
    static constexpr qint64 kDayBound = 2000000;

    using Days = QMap<qint32, qint32>; // day: what was said that day, never 0

    static bool isDay(qint64 day) { return day >= 0 && day <= kLastDay; }

    // One more said of the phrase on that day.
    void countUp(const QString &phrase, qint32 day);
    // One less, where that day has one to take: a count down never takes a
    // day below 0, nor another day's count.
    void countDown(const QString &phrase, qint32 day);
    // That many said on that day besides what is kept; false for a day or a
    // number out of bounds, which changes nothing.
    bool add(const QString &phrase, qint64 day, qint64 said);

    // What other says on each day added to what is kept here: what two
    // devices said on one day.
    void addAll(const DayCounts &other);
    // The larger of the two on each day: one history that two devices both
    // hold is not doubled.
    void raiseTo(const DayCounts &other);
    // Days older than kWholeDays before newestDay folded into their months;
    // whether that changed anything.
    bool foldBefore(qint32 newestDay);
    // Within kDayBound: where there are more, the oldest go.
    DayCounts withinBound() const;

    const QMap<QString, Days> &phrases() const { return m_phrases; }
    qint32 said(const QString &phrase, qint32 day) const
    {
        return m_phrases.value(phrase).value(day);
    }
    qint64 dayCount() const;
    bool operator==(const DayCounts &o) const { return m_phrases == o.m_phrases; }
    bool operator!=(const DayCounts &o) const { return !(*this == o); }
    bool isEmpty() const { return m_phrases.isEmpty(); }

private:
    QMap<QString, Days> m_phrases;
};

#endif // VARIZEZ_DAYCOUNTS_H
