// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_HISTORYDIALOG_H
#define VARIZEZ_HISTORYDIALOG_H

#include "daycounts.h"

#include <QDialog>

class HistoryChart;
class QComboBox;
class QLabel;

// What was said on each day, of one phrase or of all: today, the best day,
// the total since the first day kept and the streak, over the last 7 and 30
// days as bars and the last year as a calendar. It fits a phone's screen:
// what does not fit its height scrolls.
class HistoryDialog : public QDialog
{
    Q_OBJECT
public:
    struct Phrase
    {
        QString text;
        qint32 target = 0; // 0: none
    };
    // The days as of today (0: 1970-01-01), the list's phrases, and the row
    // of the one to show first (-1: all).
    HistoryDialog(QWidget *parent, const DayCounts &days, const QVector<Phrase> &phrases, int row,
                  qint32 today);

private:
    // The phrase of the list at that place of the choice, 0 being all.
    void showChoice(int choice);

    DayCounts m_days;
    QVector<Phrase> m_phrases;
    qint32 m_today;
    QComboBox *m_choice;
    QLabel *m_said;
    QLabel *m_best;
    QLabel *m_total;
    QLabel *m_streak;
    HistoryChart *m_week;
    HistoryChart *m_month;
    HistoryChart *m_year;
};

#endif // VARIZEZ_HISTORYDIALOG_H
