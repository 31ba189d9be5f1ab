// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_HISTORYCHART_H
#define VARIZEZ_HISTORYCHART_H

#include <QDate>
#include <QVector>
#include <QWidget>

// What was said on each of a run of days, drawn: as bars, each with its day
// under it, or as a calendar of weeks, a square a day shaded by what was
// said. Right to left where the layout is. A screen reader reads each bar's
// day with what was said on it, and a calendar's months, from the
// accessible description.
class HistoryChart : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Bars, Calendar };
    explicit HistoryChart(Kind kind, QWidget *parent = nullptr);

    // What was said on each day, the last day last.
    void setDays(const QDate &last, const QVector<qint64> &said);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBars(QPainter &painter);
    void drawCalendar(QPainter &painter);
    // The day's label under its bar: the weekday for a week, else the day
    // of the month.
    QString labelOf(const QDate &date) const;

    Kind m_kind;
    QDate m_last;
    QVector<qint64> m_said;
};

#endif // VARIZEZ_HISTORYCHART_H
