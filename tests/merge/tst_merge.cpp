// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The merge on its own, in memory: devices named a to f (ids "aaaaaaaaaaaa"
// and so on), each with its state and its list, play the rows of
// merge.txt. A step is "a add X", "a up X 3", "a down X 1", "a reset X",
// "a remove X", "a target X 33" (0: none), "b sees a" (b takes in a's state
// as a last kept it) or "show" (each device's list, as the last column
// has it).

#include "sharedcounts.h"
#include "sharedtargets.h"

#include <QFile>
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

class Devices
{
public:
    // Plays one step; false for a step that names nothing there is.
    bool play(const QString &step);
    const QStringList &shown() const { return m_shown; }

private:
    Device &device(const QString &name);
    void show();
    bool change(Device &d, const QStringList &words);

    std::map<QString, Device> m_devices;
    QStringList m_shown;
};

Device &Devices::device(const QString &name)
{
    Device &d = m_devices[name];
    if (!d.counts) {
        DeviceState fresh;
        fresh.id = name.repeated(12);
        fresh.name = name;
        d.counts = std::make_unique<SharedCounts>(fresh);
    }
    return d;
}

void Devices::show()
{
    for (const auto &[name, d] : m_devices) {
        QStringList rows; // a row with its target: "X 5 (33)"
        for (int i = 0; i < d.rows.size(); ++i) {
            const qint32 target = d.targets.targetOf(d.keys.at(i));
            rows << d.rows.at(i).name + QLatin1Char(' ') + QString::number(d.rows.at(i).count) +
                        (target ? QStringLiteral(" (%1)").arg(target) : QString());
        }
        m_shown << name + QStringLiteral(": ") +
                       (rows.isEmpty() ? QStringLiteral("-") : rows.join(QStringLiteral(" | ")));
    }
}

bool Devices::play(const QString &step)
{
    const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words == QStringList{QStringLiteral("show")}) {
        show();
        return true;
    }
    if (words.size() < 3)
        return false;
    Device &d = device(words.at(0));
    if (words.at(1) != QLatin1String("sees"))
        return change(d, words);
    if (!m_devices.count(words.at(2)))
        return false;
    d.counts->setDevices({m_devices.at(words.at(2)).counts->own()});
    d.keys = d.counts->shown(d.keys);
    d.rows = d.counts->entriesOf(d.keys);
    d.targets.agree(d.counts->devices());
    return true;
}

bool Devices::change(Device &d, const QStringList &words)
{
    const QString &verb = words.at(1), &text = words.at(2);
    const int by = words.value(3).toInt();
    const auto row = std::find_if(d.rows.cbegin(), d.rows.cend(),
                                  [&](const PhraseEntry &e) { return e.name == text; });
    const int i = int(row - d.rows.cbegin());
    if (verb == QLatin1String("add"))
        d.keys.append(d.counts->add(text, 0, {d.keys.cbegin(), d.keys.cend()}));
    else if (row == d.rows.cend())
        return false;
    else if (verb == QLatin1String("target"))
        d.counts->setOwnTarget(d.keys.at(i), d.targets.set(d.keys.at(i), by, d.counts->own().id));
    else if (verb == QLatin1String("up") || verb == QLatin1String("down"))
        d.counts->count(d.keys.at(i), verb == QLatin1String("up") ? by : -by);
    else if (verb == QLatin1String("reset"))
        d.counts->reset(d.keys.at(i));
    else if (verb == QLatin1String("remove"))
        d.counts->remove(d.keys.takeAt(i));
    else
        return false;
    if (verb == QLatin1String("target"))
        return true;
    d.keys = d.counts->shown(d.keys);
    d.rows = d.counts->entriesOf(d.keys);
    d.counts->arrange(d.keys); // as a save does
    return true;
}

QStringList stepsOf(const QString &column)
{
    QStringList steps = column.split(QLatin1Char(';'));
    for (QString &step : steps)
        step = step.trimmed();
    steps.removeAll(QString());
    return steps;
}

} // namespace

class TestMerge : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void TestMerge::rows_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QFile table(QStringLiteral(VARIZEZ_MERGE_TABLE));
    QVERIFY2(table.open(QIODevice::ReadOnly), qPrintable(table.fileName()));
    const QStringList lines = QString::fromUtf8(table.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList columns = line.split(QLatin1Char('|'));
        QVERIFY2(columns.size() >= 4, qPrintable(line));
        // The last column lists each device's rows with " | " between them.
        QTest::newRow(qPrintable(columns.at(0).trimmed()))
            << stepsOf(columns.at(1)) + stepsOf(columns.at(2))
            << columns.mid(3).join(QLatin1Char('|')).trimmed();
    }
}

void TestMerge::rows()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    Devices devices;
    for (const QString &step : qAsConst(steps))
        QVERIFY2(devices.play(step), qPrintable(step));
    QCOMPARE(devices.shown().join(QStringLiteral("; ")), shown);
}

QTEST_GUILESS_MAIN(TestMerge)

#include "tst_merge.moc"
