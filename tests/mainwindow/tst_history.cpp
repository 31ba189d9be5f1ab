// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The history window by what it shows: each row is the days kept ("a@t-1=3":
// 3 said of a the day before today), the phrase chosen (its row, -1 for all)
// and its target, in a language; then the window's texts, and what a screen
// reader reads of the last 7 days and of the last year. Today is 2026-12-09.

#include "historychart.h"
#include "historydialog.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

constexpr qint32 kToday = 20796; // 2026-12-09

DayCounts daysOf(const QString &spec)
{
    DayCounts days;
    for (const QString &each : spec.split(' ', Qt::SkipEmptyParts)) {
        const QString when = each.section('@', 1).section('=', 0, 0).mid(1);
        days.add(each.section('@', 0, 0), kToday + when.toInt(), each.section('=', 1).toInt());
    }
    return days;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
};

void TestHistory::shown_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<int>("row"); // of the list "a" (its target), "b"
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("week"); // what is read of the last 7 days
    QTest::addColumn<QString>("year"); // and of the last year, month by month

    const QString week = "12/3/26: 0; 12/4/26: 0; 12/5/26: 0; 12/6/26: 0; 12/7/26: 0; 12/8/26: 0; ";
    QTest::newRow("nothing said yet") << "" << 0 << 0 << "en_US"
                                      << "a | Today: 0 | Best day: none yet | Total: 0 | Days in a "
                                         "row with a count: 0"
                                      << week + "12/9/26: 0"
                                      << "Nothing said on these days";
    QTest::newRow("the target reached three days, not yet today: a streak of 3")
        << "a@t-4=5 a@t-3=33 a@t-2=34 a@t-1=40 a@t=10 b@t=99" << 0 << 33 << "en_US"
        << "a | Today: 10 | Best day: 40, on 12/8/26 | Total: 122, since 12/5/26 | Days in a row "
           "with the target reached: 3"
        << "12/3/26: 0; 12/4/26: 0; 12/5/26: 5; 12/6/26: 33; 12/7/26: 34; 12/8/26: 40; 12/9/26: 10"
        << "December 2026: 122";
    QTest::newRow("a day missed ends the streak; today reached counts")
        << "a@t-3=33 a@t-2=5 a@t-1=33 a@t=33" << 0 << 33 << "en_US"
        << "a | Today: 33 | Best day: 33, on 12/6/26 | Total: 104, since 12/6/26 | Days in a row "
           "with the target reached: 2"
        << "12/3/26: 0; 12/4/26: 0; 12/5/26: 0; 12/6/26: 33; 12/7/26: 5; 12/8/26: 33; 12/9/26: 33"
        << "December 2026: 104";
    QTest::newRow("all phrases added up, a streak of any count")
        << "a@t-1=1 b@t-1=2 a@t=3 b@t=4 b@t-9=1" << -1 << 0 << "en_US"
        << "All phrases | Today: 7 | Best day: 7, on 12/9/26 | Total: 11, since 11/30/26 | Days in "
           "a row with a count: 2"
        << week.left(week.size() - 12) + "12/8/26: 3; 12/9/26: 7"
        << "November 2026: 1; December 2026: 10";
    QTest::newRow("a clock that was ahead: that day in the total and the best day alone")
        << "a@t+2=50" << 0 << 0 << "en_US"
        << "a | Today: 0 | Best day: 50, on 12/11/26 | Total: 50, since 12/11/26 | Days in a row "
           "with a count: 0"
        << week + "12/9/26: 0"
        << "Nothing said on these days";
    QTest::newRow("Arabic: digits and dates as the language writes them")
        << "a@t-1=145 a@t=12" << 0 << 0 << "ar_EG"
        << "a | Today: ١٢ | Best day: ١٤٥, on ٨‏/١٢‏/٢٠٢٦ | Total: ١٥٧, since "
           "٨‏/١٢‏/٢٠٢٦ "
           "| Days in a "
           "row with a count: ٢"
        << "٣‏/١٢‏/٢٠٢٦: ٠; ٤‏/١٢‏/٢٠٢٦: ٠; ٥‏/١٢‏/٢٠٢٦: ٠; ٦‏/١٢‏/٢٠٢٦: "
           "٠; "
           "٧‏/١٢‏/٢٠٢٦: ٠; "
           "٨‏/١٢‏/٢٠٢٦: ١٤٥; ٩‏/١٢‏/٢٠٢٦: ١٢"
        << "ديسمبر ٢٠٢٦: ١٥٧";
}

void TestHistory::shown()
{
    QFETCH(QString, days);
    QFETCH(int, row);
    QFETCH(int, target);
    QFETCH(QString, language);
    QFETCH(QString, texts);
    QFETCH(QString, week);
    QFETCH(QString, year);
    QLocale::setDefault(QLocale(language));
    HistoryDialog dialog(nullptr, daysOf(days), {{"a", target}, {"b", 0}}, row, kToday);
    QStringList seen{dialog.findChild<QComboBox *>("historyPhrase")->currentText()};
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->text().contains(':'))
            seen << label->text();
    QCOMPARE(seen.join(" | "), texts);
    const QList<HistoryChart *> charts = dialog.findChildren<HistoryChart *>();
    QCOMPARE(charts.size(), 3);
    QCOMPARE(charts.first()->accessibleDescription(), week);
    QCOMPARE(charts.last()->accessibleDescription(), year);
    // Every chart is named for a screen reader, and the window fits a phone.
    for (const HistoryChart *chart : charts)
        QVERIFY(!chart->accessibleName().isEmpty());
    QVERIFY(dialog.minimumSizeHint().width() <= 360);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
