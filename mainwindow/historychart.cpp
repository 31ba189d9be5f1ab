// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "historychart.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kWeek = 7;
constexpr int kWeeks = 54; // a year, and the weeks it begins and ends in
// A calendar day's square, with a gap of 1: as wide as there is room for,
// within these.
constexpr int kLeastCell = 3, kMostCell = 9;

} // namespace

HistoryChart::HistoryChart(Kind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(kind == Kind::Calendar);
    setSizePolicy(policy);
}

bool HistoryChart::hasHeightForWidth() const
{
    return m_kind == Kind::Calendar;
}

int HistoryChart::heightForWidth(int width) const
{
    const int cell = qBound(kLeastCell, width / kWeeks - 1, kMostCell);
    return kWeek * (cell + 1);
}

void HistoryChart::setDays(const QDate &last, const QVector<qint64> &said)
{
    m_last = last;
    m_said = said;
    // Bars day by day; a calendar, which a screen reader would read for too
    // long so, month by month.
    QMap<QDate, qint64> read;
    for (int i = 0; i < said.size(); ++i) {
        const QDate date = last.addDays(i - said.size() + 1);
        if (m_kind == Kind::Bars)
            read.insert(date, said.at(i));
        else if (said.at(i) > 0)
            read[QDate(date.year(), date.month(), 1)] += said.at(i);
    }
    QStringList days;
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        days << QCoreApplication::translate("MainWindow", "%1: %2")
                    .arg(m_kind == Kind::Bars
                             ? locale().toString(it.key(), QLocale::ShortFormat)
                             : locale().toString(it.key(), QStringLiteral("MMMM yyyy")),
                         locale().toString(it.value()));
    setAccessibleDescription(
        days.isEmpty() ? QCoreApplication::translate("MainWindow", "Nothing said on these days")
                       : days.join(QLatin1String("; ")));
    update();
}

QSize HistoryChart::sizeHint() const
{
    return m_kind == Kind::Bars ? QSize(320, 6 * fontMetrics().height())
                                : QSize(kWeeks * (kMostCell + 1), kWeek * (kMostCell + 1));
}

QSize HistoryChart::minimumSizeHint() const
{
    return m_kind == Kind::Bars ? QSize(7 * 8, 6 * fontMetrics().height())
                                : QSize(kWeeks * (kLeastCell + 1), kWeek * (kLeastCell + 1));
}

QString HistoryChart::labelOf(const QDate &date) const
{
    return m_said.size() <= kWeek ? locale().dayName(date.dayOfWeek(), QLocale::NarrowFormat)
                                  : locale().toString(date.day());
}

void HistoryChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_said.isEmpty())
        return;
    if (m_kind == Kind::Bars)
        drawBars(painter);
    else
        drawCalendar(painter);
}

void HistoryChart::drawBars(QPainter &painter)
{
    const int n = int(m_said.size());
    const int line = fontMetrics().height();
    const qint64 most = std::max<qint64>(1, *std::max_element(m_said.cbegin(), m_said.cend()));
    const qreal step = qreal(width()) / n;
    const int floor = height() - line;
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < n; ++i) {
        const qreal x = mirrored ? width() - (i + 1) * step : i * step;
        const QRectF column(x + step * 0.15, 0, step * 0.7, floor);
        const qreal bar = (floor - line) * qreal(m_said.at(i)) / most;
        painter.fillRect(QRectF(column.left(), floor - bar, column.width(), bar),
                         palette().color(QPalette::Highlight));
        // The number over a bar where there is room for it, the day under.
        const QString said = locale().toString(m_said.at(i));
        if (m_said.at(i) > 0 && fontMetrics().horizontalAdvance(said) <= step)
            painter.drawText(QRectF(x, floor - bar - line, step, line), Qt::AlignCenter, said);
        const QDate date = m_last.addDays(i - n + 1);
        if (n <= kWeek || date.day() % 5 == 1)
            painter.drawText(QRectF(x - step, floor, 3 * step, line), Qt::AlignCenter,
                             labelOf(date));
    }
}

void HistoryChart::drawCalendar(QPainter &painter)
{
    const int n = int(m_said.size());
    const qint64 most = std::max<qint64>(1, *std::max_element(m_said.cbegin(), m_said.cend()));
    const QColor said = palette().color(QPalette::Highlight);
    const QColor none = palette().color(QPalette::Mid);
    // Weeks as columns, the last week at the end; each day in the row of
    // its weekday, Monday first.
    const int cell = qBound(kLeastCell, qMin(width() / kWeeks, height() / kWeek) - 1, kMostCell);
    const int lastColumn = width() / (cell + 1) - 1;
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < n; ++i) {
        const QDate date = m_last.addDays(i - n + 1);
        const int weeksBack =
            int((m_last.addDays(kWeek - m_last.dayOfWeek()).toJulianDay() - date.toJulianDay()) /
                kWeek);
        const int column = mirrored ? weeksBack : lastColumn - weeksBack;
        if (column < 0 || column > lastColumn)
            continue;
        QColor shade = none;
        if (m_said.at(i) > 0) {
            shade = said;
            shade.setAlphaF(0.25 + 0.75 * qreal(m_said.at(i)) / most);
        }
        painter.fillRect(column * (cell + 1), (date.dayOfWeek() - 1) * (cell + 1), cell, cell,
                         shade);
    }
}
