// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The merge on its own, in memory: devices named a to f (ids "aaaaaaaaaaaa"
// and so on), each with its state and its list, play the rows of
// merge.txt. A step is "a add X", "a up X 3", "a down X 1", "a reset X",
// "a remove X", "a target X 33" (0: none), "b sees a" (b takes in a's state
// as a last kept it), "show" (each device's list, as the last column has
// it) or "days" (what each device shows was said on each day). Counts made
// "on DAY" (0: 1970-01-01) are kept on that day; "a brings X DAY N" is a
// beginning to share with N said on that day before.

#include "sharedcounts.h"
#include "sharedtargets.h"

#include <QtTest>
#include <map>
#include <memory>

namespace {

struct Device
{
    std::unique_ptr<SharedCounts> counts;
    SharedTargets targets;
    QVector<PhraseKey> keys;
    QVector<PhraseEntry> rows;
};

// Each device's list, a row with its target: "a: X 5 (33) | Y 0".
QString shown(const std::map<QString, Device> &devices)
{
    QStringList all;
    for (const auto &[name, d] : devices) {
        QStringList rows;
        for (int i = 0; i < d.rows.size(); ++i) {
            const qint32 target = d.targets.targetOf(d.keys.at(i));
            rows << d.rows.at(i).name + ' ' + QString::number(d.rows.at(i).count) +
                        (target ? QString(" (%1)").arg(target) : QString());
        }
        all << name + ": " + (rows.isEmpty() ? "-" : rows.join(" | "));
    }
    return all.join("; ");
}

// Plays one step; false for a step that names nothing there is.
bool play(std::map<QString, Device> &devices, const QStringList &words)
{
    if (words.size() < 3)
        return false;
    Device &d = devices[words.at(0)];
    if (!d.counts) {
        DeviceState fresh;
        fresh.id = words.at(0).repeated(12);
        fresh.name = words.at(0);
        d.counts = std::make_unique<SharedCounts>(fresh);
    }
    const QString &verb = words.at(1), &text = words.at(2);
    const int by = words.value(3).toInt();
    const int i = int(std::find_if(d.rows.cbegin(), d.rows.cend(),
                                   [&](const PhraseEntry &e) { return e.name == text; }) -
                      d.rows.cbegin());
    if (verb == "sees" && devices.count(text)) {
        d.counts->setDevices({devices.at(text).counts->own()});
        d.targets.agree(d.counts->devices());
    } else if (verb == "brings") {
        DayCounts said;
        said.add(text, by, words.value(4).toInt());
        d.counts->bringInDays(said);
        return true;
    } else if (verb == "add") {
        d.keys.append(d.counts->add(text, 0, {d.keys.cbegin(), d.keys.cend()}));
    } else if (i == d.rows.size()) {
        return false;
    } else if (verb == "target") {
        d.counts->setOwnTarget(d.keys.at(i), d.targets.set(d.keys.at(i), by, d.counts->own().id));
        return true;
    } else if (verb == "up" || verb == "down") {
        d.counts->count(d.keys.at(i), verb == "up" ? by : -by);
        for (int n = 0; words.value(4) == "on" && n < by; ++n)
            d.counts->countOnDay(text, words.value(5).toInt(), verb == "up" ? 1 : -1);
    } else if (verb == "reset") {
        d.counts->reset(d.keys.at(i));
    } else if (verb == "remove") {
        d.counts->remove(d.keys.takeAt(i));
    } else {
        return false;
    }
    d.keys = d.counts->shown(d.keys);
    d.rows = d.counts->entriesOf(d.keys);
    if (verb != "sees")
        d.counts->arrange(d.keys); // as a save does
    return true;
}

// What each device shows was said on each day: "a: X@5=3 Y@6=1".
QString days(const std::map<QString, Device> &devices)
{
    QStringList all;
    for (const auto &[name, d] : devices) {
        QStringList said;
        const DayCounts days = d.counts->days();
        for (auto phrase = days.phrases().cbegin(); phrase != days.phrases().cend(); ++phrase)
            for (auto day = phrase->cbegin(); day != phrase->cend(); ++day)
                said << QString("%1@%2=%3").arg(phrase.key()).arg(day.key()).arg(day.value());
        all << name + ": " + (said.isEmpty() ? "-" : said.join(' '));
    }
    return all.join("; ");
}

} // namespace

class TestMerge : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QFile table(VARIZEZ_MERGE_TABLE);
        QVERIFY2(table.open(QIODevice::ReadOnly), qPrintable(table.fileName()));
        for (const QString &line : QString::fromUtf8(table.readAll()).split('\n')) {
            const QStringList columns = line.split('|'); // the last has " | " in it
            if (line.trimmed().isEmpty() || line.startsWith('#'))
                continue;
            QVERIFY2(columns.size() >= 4, qPrintable(line));
            QStringList steps = (columns.at(1) + ';' + columns.at(2)).split(';');
            QTest::newRow(qPrintable(columns.at(0).trimmed()))
                << steps.replaceInStrings(QRegularExpression("^\\s+|\\s+$"), "")
                       .filter(QRegularExpression("."))
                << columns.mid(3).join('|').trimmed();
        }
    }

    void rows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        std::map<QString, Device> devices;
        QString seen;
        for (const QString &step : qAsConst(steps))
            if (step == "show")
                seen = ::shown(devices);
            else if (step == "days")
                seen = ::days(devices);
            else
                QVERIFY2(play(devices, step.split(' ', Qt::SkipEmptyParts)), qPrintable(step));
        QCOMPARE(seen, shown);
    }
};

QTEST_GUILESS_MAIN(TestMerge)

#include "tst_merge.moc"
