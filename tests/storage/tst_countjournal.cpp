// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal of counts on the real file system: each row is a short script
// of what the program and the world around do to it, and what a reader
// then finds. Steps: "begin N" (start over after checkpoint N), "resume N"
// (go on with an empty journal of checkpoint N, which must work), "count ROW
// AFTER DELTA DAY TEXT" (append, which must work), "refused ROW AFTER DELTA
// DAY TEXT" (an append that must fail), "cut N" (a power cut took the last N
// bytes), "flip N" (byte N changed), "again" (the last entry's bytes once
// more), "link" (the journal's name a link to another file), "fifo" (a pipe
// in its place). An entry of "a" is 34 bytes, the first from byte 16.

#include "countjournal.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

class TestCountJournal : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
};

void TestCountJournal::steps_data()
{
    QTest::addColumn<QString>("script");
    // checkpoint: entries (row:after+1 or -1@day:text, "a*N": N of a); dropped bytes
    QTest::addColumn<QString>("found");

    QTest::newRow("two counts, up and down")
        << "begin 7; count 0 1 1 20431 a; count 3 0 -1 20432 Subhan Allah"
        << "7: 0:1+1@20431:a 3:0-1@20432:Subhan Allah; 0";
    QTest::newRow("a row far down, a day at each end")
        << "begin 9; count 99999 1 1 0 a; count 0 1 1 2932896 a"
        << "9: 99999:1+1@0:a 0:1+1@2932896:a; 0";
    QTest::newRow("the last entry torn by a cut")
        << "begin 7; count 0 1 1 5 a; count 0 2 1 5 a; cut 5"
        << "7: 0:1+1@5:a; 29";
    QTest::newRow("only the head left") << "begin 7; count 0 1 1 5 a; cut 34"
                                        << "7: ; 0";
    QTest::newRow("a byte of the first entry's text changed")
        << "begin 7; count 0 1 1 5 a; count 0 2 1 5 a; flip 45"
        << "7: ; 68";
    QTest::newRow("a byte of the second entry's check changed")
        << "begin 7; count 0 1 1 5 a; count 0 2 1 5 a; flip 83"
        << "7: 0:1+1@5:a; 34";
    QTest::newRow("an entry's size made huge") << "begin 7; count 0 1 1 5 a; flip 16"
                                               << "7: ; 34";
    QTest::newRow("the checkpoint changed: no entry is its") << "begin 7; count 0 1 1 5 a; flip 15"
                                                             << "6: ; 34";
    QTest::newRow("an entry given twice") << "begin 7; count 0 1 1 5 a; again"
                                          << "7: 0:1+1@5:a; 34";
    QTest::newRow("out of bounds: a day, a step of 2, a row; none written")
        << "begin 7; refused 0 1 1 2932897 a; refused 0 1 2 5 a; refused -1 1 1 5 a"
        << "7: ; 0";
    QTest::newRow("a phrase too long for it")
        << "begin 7; refused 0 1 1 5 a*16385; count 0 1 1 5 a*16384"
        << "7: 0:1+1@5:a*16384; 0";
    QTest::newRow("started over after a checkpoint")
        << "begin 7; count 0 1 1 5 a; begin 8; count 1 5 1 6 b"
        << "8: 1:5+1@6:b; 0";
    QTest::newRow("an empty journal goes on") << "begin 7; resume 7; count 0 1 1 5 a"
                                              << "7: 0:1+1@5:a; 0";
    QTest::newRow("the head torn") << "begin 7; cut 3"
                                   << "0: ; 13";
    QTest::newRow("no journal") << ""
                                << "0: ; 0";
    QTest::newRow("a link in its place is replaced, what it led to kept")
        << "link; begin 7; count 0 1 1 5 a"
        << "7: 0:1+1@5:a; 0";
    QTest::newRow("a pipe in its place is not waited on") << "fifo"
                                                          << "0: ; 0";
}

void TestCountJournal::steps()
{
    QFETCH(QString, script);
    QFETCH(QString, found);
    QTemporaryDir dir;
    const QString path = dir.filePath("varizezCount.journal"), other = dir.filePath("notes");
    CountJournal journal(path);
    QString error;
    for (const QString &step : script.split("; ", Qt::SkipEmptyParts)) {
        const QStringList w = step.split(' ');
        const auto text = [&w] {
            const QString text = w.mid(5).join(' ');
            return text.contains('*') ? text.left(1).repeated(text.mid(2).toInt()) : text;
        };
        const qint64 n = w.value(1).toLongLong();
        QFile file(path);
        if (w.at(0) == "begin") {
            QVERIFY2(journal.begin(quint64(n), &error), qPrintable(error));
        } else if (w.at(0) == "resume") {
            QVERIFY2(journal.resume(quint64(n), &error), qPrintable(error));
        } else if (w.at(0) == "count" || w.at(0) == "refused") {
            const CountJournal::Entry entry{w.at(4).toInt(), w.at(1).toInt(), w.at(2).toInt(),
                                            w.at(3).toInt(), text()};
            QCOMPARE(journal.append(entry, &error), w.at(0) == "count");
        } else if (w.at(0) == "cut") {
            QVERIFY(file.resize(file.size() - n));
        } else if (w.at(0) == "flip") {
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(n));
            const char byte = file.peek(1).at(0);
            QVERIFY(file.putChar(char(byte ^ 0x01)));
        } else if (w.at(0) == "again") {
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QByteArray last = file.readAll().right(34);
            QVERIFY(file.write(last) == last.size());
        } else if (w.at(0) == "link") {
            QVERIFY(QFile(other).open(QIODevice::WriteOnly) && QFile::link(other, path));
        } else if (w.at(0) == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFAIL(qPrintable("no such step: " + step));
        }
    }
    const CountJournal::Contents contents = CountJournal::read(path);
    QStringList entries;
    for (const CountJournal::Entry &e : contents.entries)
        entries << QString("%1:%2%3@%4:%5")
                       .arg(e.row)
                       .arg(e.after)
                       .arg(e.delta > 0 ? "+1" : "-1")
                       .arg(e.day)
                       .arg(e.text.size() > 100 ? "a*" + QString::number(e.text.size()) : e.text);
    QCOMPARE(QString("%1: %2; %3")
                 .arg(contents.checkpoint)
                 .arg(entries.join(' '))
                 .arg(contents.droppedBytes),
             found);
    // What a link led to is never written.
    if (QFile::exists(other))
        QCOMPARE(QFileInfo(other).size(), 0);
}

QTEST_GUILESS_MAIN(TestCountJournal)
#include "tst_countjournal.moc"
