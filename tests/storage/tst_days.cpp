// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What was said on each day: the counts by the day as values, the days
// file's bytes, the days section of a device's file as another device may
// forge it, and the book that keeps them beside a phrase file on the real
// file system. Days are written as numbers (0 is 1970-01-01), or in the
// book's rows from today ("t", "t-1").

#include "bytecodec.h"
#include "daybook.h"
#include "dayfile.h"
#include "deviceparts.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDate>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

namespace {

QString shown(const DayCounts &days, qint32 today = -1)
{
    QStringList all;
    for (auto phrase = days.phrases().cbegin(); phrase != days.phrases().cend(); ++phrase)
        for (auto day = phrase->cbegin(); day != phrase->cend(); ++day) {
            const qint32 from = day.key() - today;
            const QString when = today < 0   ? QString::number(day.key())
                                 : from == 0 ? QStringLiteral("t")
                                             : QStringLiteral("t%1").arg(from);
            all << QStringLiteral("%1@%2=%3").arg(phrase.key(), when).arg(day.value());
        }
    return all.join(' ');
}

qint32 today()
{
    return qint32(QDate(1970, 1, 1).daysTo(QDate::currentDate()));
}

// "text:day=n,day=n;text:..." as a days file's body, as it is written or
// forged, with its digest: "bad digest" changes it, "cut N" and "junk N" take
// or add bytes at the end.
QByteArray forged(quint32 version, const QString &phrases, const QString &after)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    const QStringList each = phrases.split(';', Qt::SkipEmptyParts);
    out << quint32(0x565A4459) << version << quint64(3) << qint32(each.size());
    for (const QString &phrase : each) {
        const QStringList days = phrase.section(':', 1).split(',', Qt::SkipEmptyParts);
        out << phrase.section(':', 0, 0) << qint32(days.size());
        for (const QString &day : days)
            out << day.section('=', 0, 0).toInt() << day.section('=', 1).toInt();
    }
    QByteArray bytes = body + QCryptographicHash::hash(body, QCryptographicHash::Sha1);
    const int n = after.section(' ', -1).toInt();
    if (after == "bad digest")
        bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ 1);
    else if (after.startsWith("cut"))
        bytes.chop(n);
    else if (after.startsWith("junk"))
        bytes.insert(body.size(), QByteArray(n, 'x'));
    return bytes;
}

QVector<PhraseEntry> rowsOf(const QString &text)
{
    QVector<PhraseEntry> rows;
    for (const QString &row : text.split(',', Qt::SkipEmptyParts))
        rows.append({row.section('=', 0, 0), row.section('=', 1).toInt()});
    return rows;
}

} // namespace

class TestDays : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void file_data();
    void file();
    void section_data();
    void section();
    void book_data();
    void book();
};

void TestDays::counts_data()
{
    QTest::addColumn<QString>("script"); // up/down TEXT DAY, add TEXT DAY N, fold NEWEST
    QTest::addColumn<QString>("kept");

    QTest::newRow("two phrases on two days") << "up a 5; up b 5; up a 6; up a 6"
                                             << "a@5=1 a@6=2 b@5=1";
    QTest::newRow("a count down takes from its own day alone, never below 0")
        << "up a 5; down a 6; up a 6; down a 5; down a 5; down a 6"
        << "";
    QTest::newRow("days before the whole ones folded into their months")
        << "up a 0; up a 20; up a 40; up b 1200; fold 2000"
        << "a@0=2 a@31=1 b@1200=1";
    QTest::newRow("the first whole day kept, the one before folded") << "up a 9; up a 10; fold 1108"
                                                                     << "a@0=1 a@10=1";
    QTest::newRow("bounds: days from 1970-01-01 to 9999-12-31, a day's count at most 2^31-1")
        << "add a -1 1; add a 2932897 1; add a 5 0; add a 2932896 1; add a 5 2147483647; up a 5"
        << "refused refused refused a@5=2147483647 a@2932896=1";
}

void TestDays::counts()
{
    QFETCH(QString, script);
    QFETCH(QString, kept);
    DayCounts days;
    QStringList refused;
    for (const QString &step : script.split("; ")) {
        const QStringList w = step.split(' ');
        const qint32 day = w.value(2).toInt();
        if (w.at(0) == "up")
            days.countUp(w.at(1), day);
        else if (w.at(0) == "down")
            days.countDown(w.at(1), day);
        else if (w.at(0) == "fold")
            days.foldBefore(w.at(1).toInt());
        else if (!days.add(w.at(1), w.at(2).toLongLong(), w.at(3).toLongLong()))
            refused << "refused";
    }
    QCOMPARE((refused + QStringList{shown(days)}).join(' ').trimmed(), kept);
}

void TestDays::file_data()
{
    QTest::addColumn<quint32>("version");
    QTest::addColumn<QString>("phrases");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("read"); // the days, or "damaged"

    QTest::newRow("whole") << 1u << "a:5=1,6=2;b:0=7"
                           << ""
                           << "a@5=1 a@6=2 b@0=7";
    QTest::newRow("none") << 1u << ""
                          << ""
                          << "";
    QTest::newRow("a byte changed") << 1u << "a:5=1"
                                    << "bad digest"
                                    << "damaged";
    QTest::newRow("cut short") << 1u << "a:5=1"
                               << "cut 1"
                               << "damaged";
    QTest::newRow("bytes after the days") << 1u << "a:5=1"
                                          << "junk 4"
                                          << "damaged";
    QTest::newRow("another version") << 2u << "a:5=1"
                                     << ""
                                     << "damaged";
    QTest::newRow("a phrase twice") << 1u << "a:5=1;a:6=1"
                                    << ""
                                    << "damaged";
    QTest::newRow("phrases out of order") << 1u << "b:5=1;a:6=1"
                                          << ""
                                          << "damaged";
    QTest::newRow("a day twice") << 1u << "a:5=1,5=1"
                                 << ""
                                 << "damaged";
    QTest::newRow("days out of order") << 1u << "a:6=1,5=1"
                                       << ""
                                       << "damaged";
    QTest::newRow("a day past 9999") << 1u << "a:2932897=1"
                                     << ""
                                     << "damaged";
    QTest::newRow("a day before 1970") << 1u << "a:-1=1"
                                       << ""
                                       << "damaged";
    QTest::newRow("nothing said on a day") << 1u << "a:5=0"
                                           << ""
                                           << "damaged";
    QTest::newRow("a phrase without days") << 1u << "a:"
                                           << ""
                                           << "damaged";
}

void TestDays::file()
{
    QFETCH(quint32, version);
    QFETCH(QString, phrases);
    QFETCH(QString, after);
    QFETCH(QString, read);
    const QByteArray bytes = forged(version, phrases, after);
    DayFile::Contents contents;
    const FileVerdict verdict = DayFile::read(bytes, &contents);
    QCOMPARE(verdict == FileVerdict::Whole ? shown(contents.days) : QString("damaged"), read);
    if (verdict == FileVerdict::Whole) {
        QCOMPARE(contents.checkpoint, 3u);
        // Written as it was read, byte for byte.
        QCOMPARE(DayFile::bytesOf(contents), bytes);
    }
}

void TestDays::section_data()
{
    // Numbers and "texts", as a device's file holds them: phrases, then each
    // phrase's text, its number of days, and each day (after the one before,
    // the first after day 0) with what was said; the days said while
    // sharing, then those brought in.
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("read"); // the days; what was brought; or "refused"

    QTest::newRow("two phrases, days apart") << "2 'a' 2 20431 5 3 1 'b' 1 7 2 0"
                                             << "a@20431=5 a@20434=1 b@7=2; ";
    QTest::newRow("brought in") << "0 1 'a' 1 20000 10"
                                << "; a@20000=10";
    QTest::newRow("the last day a date can name") << "1 'a' 1 2932896 1 0"
                                                  << "a@2932896=1; ";
    QTest::newRow("a day past 9999-12-31") << "1 'a' 1 2932897 1 0"
                                           << "refused";
    QTest::newRow("a day past it by steps") << "1 'a' 2 2932896 1 1 1 0"
                                            << "refused";
    QTest::newRow("a day twice") << "1 'a' 2 5 1 0 1 0"
                                 << "refused";
    QTest::newRow("nothing said on a day") << "1 'a' 1 5 0 0"
                                           << "refused";
    QTest::newRow("more said than a day holds") << "1 'a' 1 5 2147483648 0"
                                                << "refused";
    QTest::newRow("a phrase twice") << "2 'a' 1 5 1 'a' 1 6 1 0"
                                    << "refused";
    QTest::newRow("more days than the bound, before any is read") << "1 'a' 2000001 5 1 0"
                                                                  << "refused";
    QTest::newRow("cut short") << "1 'a' 2 5 1"
                               << "refused";
    QTest::newRow("bytes after the days") << "0 0 7"
                                          << "refused";
}

void TestDays::section()
{
    QFETCH(QString, section);
    QFETCH(QString, read);
    ByteWriter out;
    for (const QString &token : section.split(' '))
        if (token.startsWith('\''))
            out.text(token.mid(1, token.size() - 2));
        else
            out.number(token.toULongLong());
    DayCounts days, brought;
    const bool whole = DeviceParts::readDays(out.bytes(), &days, &brought);
    QCOMPARE(whole ? shown(days) + "; " + shown(brought) : QString("refused"), read);
    if (whole) { // written as it was read
        ByteWriter again;
        DeviceParts::writeDays(again, days, brought);
        QCOMPARE(again.bytes(), out.bytes());
    }
}

void TestDays::book_data()
{
    // open ROWS (text=count,...), count ROW TEXT AFTER +1/-1, close, kill
    // (as a kill leaves the files), cut (the journal's last byte lost), damage
    // (a byte of the days file changed), link (the days file a link to
    // another), fifo (the journal a pipe).
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("kept"); // the days, then the problem and the files beside
    QTest::addColumn<QString>("days");

    QTest::newRow("counted, closed, opened again")
        << "open a=0; count 0 a 1 +1; count 0 a 2 +1; count 0 a 1 -1; close; open a=1"
        << "ok; days days-journal"
        << "a@t=1";
    QTest::newRow("killed: every count the list shows has its day")
        << "open a=0,b=0; count 1 b 1 +1; count 1 b 2 +1; kill; open a=0,b=2"
        << "ok; days days-journal"
        << "b@t=2";
    QTest::newRow("killed before the first count ever reached the list: it has no day")
        << "open a=0; count 0 a 1 +1; kill; open a=0"
        << "ok; days days-journal"
        << "";
    QTest::newRow("killed before the last count reached the list: that one has no day")
        << "open a=0,b=0; count 1 b 1 +1; count 1 b 2 +1; kill; open a=0,b=1"
        << "ok; days days-journal"
        << "b@t=1";
    QTest::newRow("killed before a count down reached the list")
        << "open a=3; count 0 a 4 +1; count 0 a 3 -1; kill; open a=4"
        << "ok; days days-journal"
        << "a@t=1";
    QTest::newRow("a cut tore the last entry: the counts before it have their days")
        << "open a=0; count 0 a 1 +1; count 0 a 2 +1; kill; cut; open a=2"
        << "ok; days days-journal"
        << "a@t=1";
    QTest::newRow("another program changed the list since: the last count is kept")
        << "open a=0; count 0 a 1 +1; kill; open b=7"
        << "ok; days days-journal"
        << "a@t=1";
    QTest::newRow("a damaged days file: copied aside, the journal's counts kept")
        << "open a=0; count 0 a 1 +1; close; open a=1; count 0 a 2 +1; kill; damage; open a=2"
        << "ok; days days-journal days.damaged"
        << "a@t=1";
    QTest::newRow("a link in the days file's place: never written through, and said")
        << "link; open a=0; count 0 a 1 +1"
        << "cannot read: it is not a regular file; notes days"
        << "";
    QTest::newRow("a pipe in the journal's place is not waited on, and replaced")
        << "fifo; open a=0; count 0 a 1 +1; close; open a=1"
        << "ok; days days-journal"
        << "a@t=1";
}

void TestDays::book()
{
    QFETCH(QString, script);
    QFETCH(QString, kept);
    QFETCH(QString, days);
    QTemporaryDir dir;
    const DataLocation location{dir.filePath("varizezCount.bin"), QString(), QString()};
    const QString daysPath = DayFile::pathFor(location.file),
                  journalPath = DayFile::journalPathFor(location.file);
    std::unique_ptr<DayBook> book;
    QVector<PhraseEntry> rows;
    for (const QString &step : script.split("; ")) {
        const QStringList w = step.split(' ');
        if (w.at(0) == "open") {
            book = std::make_unique<DayBook>(location);
            rows = rowsOf(w.at(1));
            book->open(rows);
        } else if (w.at(0) == "count") {
            book->counted(w.at(1).toInt(), {w.at(2), w.at(3).toInt()}, w.at(4).toInt(),
                          DayBook::today());
        } else if (w.at(0) == "close") {
            book.reset();
        } else if (w.at(0) == "kill") {
            QFile journal(journalPath), daysFile(daysPath);
            QVERIFY(journal.open(QIODevice::ReadOnly));
            const QByteArray journalBytes = journal.readAll(),
                             daysBytes = daysFile.open(QIODevice::ReadOnly) ? daysFile.readAll()
                                                                            : QByteArray();
            journal.close();
            daysFile.close();
            book.reset();
            // As the kill left them: nothing folded.
            for (auto [path, bytes] :
                 {std::pair(journalPath, journalBytes), std::pair(daysPath, daysBytes)}) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            }
        } else if (w.at(0) == "cut") {
            QFile journal(journalPath);
            QVERIFY(journal.resize(journal.size() - 1));
        } else if (w.at(0) == "damage") {
            QFile file(daysPath);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4) && file.putChar('x'));
        } else if (w.at(0) == "link") {
            QVERIFY(QFile(dir.filePath("notes")).open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(dir.filePath("notes"), daysPath));
        } else if (w.at(0) == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(journalPath).constData(), 0600), 0);
        } else {
            QFAIL(qPrintable("no such step: " + step));
        }
    }
    Problem problem;
    QString seen = shown(DayBook::read(location.file, rows, &problem), today());
    QString what =
        book ? (book->problem().what == Problem::CannotRead ? "cannot read: " + book->problem().why
                : book->problem().what == Problem::None     ? "ok"
                                                            : "problem")
             : "ok";
    QStringList beside = QDir(dir.path()).entryList(QDir::Files | QDir::System);
    beside.removeAll("varizezCount.bin");
    for (QString &name : beside)
        name.remove("varizezCount.");
    QCOMPARE(what + "; " + beside.join(' '), kept);
    QCOMPARE(seen, days);
    // What a link led to is never written.
    if (QFile::exists(dir.filePath("notes")))
        QCOMPARE(QFileInfo(dir.filePath("notes")).size(), 0);
}

QTEST_GUILESS_MAIN(TestDays)
#include "tst_days.moc"
