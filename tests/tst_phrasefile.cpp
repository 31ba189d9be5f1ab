// The phrase file: its exact bytes, what damaged files load as, and that no
// failed or interrupted save destroys the previous file.

#include "bytes.h"
#include "phrasefile.h"
#include "warningcatcher.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/stat.h>

using Entries = QVector<PhraseEntry>;
Q_DECLARE_METATYPE(Entries)

using namespace TestBytes;

namespace {

// Compares names including their null-ness, and counts.
QString describe(const Entries &entries)
{
    QStringList parts;
    for (const PhraseEntry &e : entries)
        parts << (e.name.isNull() ? QStringLiteral("<null>")
                                  : QLatin1Char('"') + e.name + QLatin1Char('"')) +
                     QLatin1Char('=') + QString::number(e.count);
    return parts.join(QLatin1String(", "));
}

QByteArray numberedFile(const QString &prefix, int n, int factor)
{
    QByteArray bytes = be32(quint32(n));
    for (int i = 0; i < n; ++i)
        bytes += record(prefix + QString::number(i), i * factor);
    return bytes;
}

QStringList otherFiles(const QString &dir, const QString &keep)
{
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(keep);
    names.sort();
    return names;
}

} // namespace

class TestPhraseFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void defaultPath();
    void exactBytes_data();
    void exactBytes();
    void damagedFiles_data();
    void damagedFiles();
    void recordBound_data();
    void recordBound();
    void savedFilesAlwaysLoadWhole();
    void keepsPermissions();
    void missingDirectory();
    void shortWriteKeepsPreviousFile();
    void killedSaveLeavesOldOrNew();
    void leavesOtherFilesAlone();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path;
};

void TestPhraseFile::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    path = dir->filePath(QStringLiteral("varizezCount.bin"));
}

void TestPhraseFile::defaultPath()
{
    QCOMPARE(PhraseFile::defaultPath(), QStringLiteral("/home/user/varizezCount.bin"));
}

void TestPhraseFile::exactBytes_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty list") << Entries{} << hex("00000000");
    QTest::newRow("worked example")
        << Entries{{QStringLiteral("AllahuAkbar"), 0}, {QStringLiteral("SubhannAllah"), 33}}
        << workedExample();
    QTest::newRow("empty text") << Entries{{QString::fromLatin1(""), 4}}
                                << hex("00000001 00000000 00000004");
    QTest::newRow("null text") << Entries{{QString(), 4}} << hex("00000001 FFFFFFFF 00000004");
    QTest::newRow("outside the BMP") << Entries{{QString::fromUtf8("\U0001F4FF"), 1}}
                                     << hex("00000001 00000004 D83DDCFF 00000001");
    QTest::newRow("negative count")
        << Entries{{QStringLiteral("A"), -5}} << hex("00000001 00000002 0041 FFFFFFFB");
    QTest::newRow("largest count")
        << Entries{{QStringLiteral("A"), 2147483647}} << hex("00000001 00000002 0041 7FFFFFFF");
    QTest::newRow("spaces and arabic")
        << Entries{{QStringLiteral("  "), 2}, {QString::fromUtf8("\u0627\u0644\u0644\u0647"), 99}}
        << hex("00000002 00000004 00200020 00000002 00000008 0627064406440647 00000063");
}

void TestPhraseFile::exactBytes()
{
    QFETCH(Entries, entries);
    QFETCH(QByteArray, bytes);
    PhraseFile file(path);
    QVERIFY(!file.exists());
    QVERIFY(file.save(entries));
    QVERIFY(file.exists());
    QCOMPARE(readAll(path).toHex(' '), bytes.toHex(' '));

    // Loading gives the same records back, and saving them the same bytes.
    const PhraseFileContents loaded = file.load();
    QCOMPARE(describe(loaded.entries), describe(entries));
    QVERIFY(!loaded.dataRanOut && !loaded.corruptText && loaded.trailingBytes == 0);
    QVERIFY(file.save(loaded.entries));
    QCOMPARE(readAll(path).toHex(' '), bytes.toHex(' '));
    QCOMPARE(otherFiles(dir->path(), QStringLiteral("varizezCount.bin")), QStringList());
}

void TestPhraseFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<Entries>("loaded");
    QTest::addColumn<QByteArray>("resaved");
    QTest::addColumn<bool>("dataRanOut");
    QTest::addColumn<qint64>("trailing");

    const QByteArray one = record(QStringLiteral("One"), 7);
    QTest::newRow("zero bytes") << QByteArray() << Entries{} << hex("00000000") << true << 0LL;
    QTest::newRow("count -1") << hex("FFFFFFFF") << Entries{} << hex("00000000") << false << 0LL;
    QTest::newRow("most negative count")
        << hex("80000000 00000002 0041 00000001") << Entries{} << hex("00000000") << false << 10LL;
    QTest::newRow("3 declared, 1 stored")
        << be32(3) + one
        << Entries{{QStringLiteral("One"), 7},
                   {QString::fromLatin1(""), 0},
                   {QString::fromLatin1(""), 0}}
        << be32(3) + one + hex("00000000 00000000 00000000 00000000") << true << 0LL;
    QTest::newRow("trailing bytes")
        << be32(1) + one + hex("DEADBEEF") << Entries{{QStringLiteral("One"), 7}} << be32(1) + one
        << false << 4LL;
    QTest::newRow("count cut short")
        << be32(1) + one.left(one.size() - 2) << Entries{{QStringLiteral("One"), 0}}
        << be32(1) + record(QStringLiteral("One"), 0) << true << 0LL;
}

void TestPhraseFile::damagedFiles()
{
    QFETCH(QByteArray, stored);
    QFETCH(Entries, loaded);
    QFETCH(QByteArray, resaved);
    QFETCH(bool, dataRanOut);
    QFETCH(qint64, trailing);
    QVERIFY(writeAll(path, stored));
    PhraseFile file(path);
    const PhraseFileContents contents = file.load();
    QCOMPARE(describe(contents.entries), describe(loaded));
    QCOMPARE(contents.dataRanOut, dataRanOut);
    QCOMPARE(contents.trailingBytes, trailing);
    QVERIFY(file.save(contents.entries));
    QCOMPARE(readAll(path).toHex(' '), resaved.toHex(' '));
}

void TestPhraseFile::recordBound_data()
{
    QTest::addColumn<quint32>("declared");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("stoppedAtBound");
    const int bound = PhraseFile::kRecordBound;
    QTest::newRow("largest count, no data") << 0x7FFFFFFFu << 0 << bound << true;
    QTest::newRow("just over the bound, no data") << quint32(bound + 1) << 0 << bound << true;
    QTest::newRow("at the bound, short") << quint32(bound) << 10 << bound << false;
    QTest::newRow("over the bound, data past it")
        << quint32(bound + 500) << bound + 20 << bound + 20 << true;
}

void TestPhraseFile::recordBound()
{
    QFETCH(quint32, declared);
    QFETCH(int, stored);
    QFETCH(int, expected);
    QFETCH(bool, stoppedAtBound);
    QByteArray bytes = be32(declared);
    const QByteArray one = record(QStringLiteral("x"), 1);
    bytes.reserve(bytes.size() + stored * one.size());
    for (int i = 0; i < stored; ++i)
        bytes += one;
    QVERIFY(writeAll(path, bytes));

    const PhraseFileContents contents = PhraseFile(path).load();
    QCOMPARE(contents.entries.size(), expected);
    QCOMPARE(contents.stoppedAtBound, stoppedAtBound);
    QVERIFY(contents.dataRanOut);
    for (int i = 0; i < expected; ++i) {
        const PhraseEntry &e = contents.entries.at(i);
        const bool real = i < stored;
        if (e.name != (real ? QStringLiteral("x") : QString()) || e.count != (real ? 1 : 0))
            QFAIL(qPrintable(QStringLiteral("record %1 is %2").arg(i).arg(describe({e}))));
    }
}

void TestPhraseFile::savedFilesAlwaysLoadWhole()
{
    // Past the bound, a file the program wrote still loads in full.
    Entries entries;
    const int n = PhraseFile::kRecordBound + 1234;
    entries.reserve(n);
    for (int i = 0; i < n; ++i)
        entries.append(PhraseEntry{QStringLiteral("p%1").arg(i), i});
    PhraseFile file(path);
    QVERIFY(file.save(entries));
    const PhraseFileContents contents = file.load();
    QCOMPARE(contents.entries.size(), n);
    QCOMPARE(contents.entries.last().name, QStringLiteral("p%1").arg(n - 1));
    QCOMPARE(contents.entries.last().count, n - 1);
    QVERIFY(!contents.dataRanOut && !contents.stoppedAtBound);
}

void TestPhraseFile::keepsPermissions()
{
    PhraseFile file(path);
    QVERIFY(file.save(Entries{{QStringLiteral("a"), 1}}));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(file.save(Entries{{QStringLiteral("b"), 2}}));
    struct stat status
    {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0640));
    QCOMPARE(readAll(path), hex("00000001 00000002 0062 00000002"));
}

void TestPhraseFile::missingDirectory()
{
    const QString missing = dir->filePath(QStringLiteral("no-such-dir/varizezCount.bin"));
    PhraseFile file(missing);
    WarningCatcher catcher;
    QVERIFY(!file.save(Entries{{QStringLiteral("a"), 1}}));
    QVERIFY(!file.save(Entries{{QStringLiteral("a"), 2}}));
    // One warning naming the path, however often the save fails...
    QCOMPARE(catcher.warnings().size(), 1);
    QVERIFY2(catcher.warnings().first().contains(missing), qPrintable(catcher.warnings().first()));
    QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("no-such-dir"))));

    // ...and a new one after a save has succeeded in between.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("no-such-dir")));
    QVERIFY(file.save(Entries{{QStringLiteral("a"), 3}}));
    QVERIFY(QDir(dir->filePath(QStringLiteral("no-such-dir"))).removeRecursively());
    QVERIFY(!file.save(Entries{{QStringLiteral("a"), 4}}));
    QCOMPARE(catcher.warnings().size(), 2);
}

void TestPhraseFile::shortWriteKeepsPreviousFile()
{
    // A file size limit makes the buffered data fail to reach the disk; the
    // save must notice before it replaces the old file.
    const QByteArray previous = numberedFile(QStringLiteral("phrase "), 2, 1);
    QVERIFY(writeAll(path, previous));
    QProcess probe;
    probe.start(QStringLiteral(PHRASEFILE_PROBE),
                {QStringLiteral("fsize"), path, QStringLiteral("2000"), QStringLiteral("4096")});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(probe.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("cannot save ") + path), qPrintable(errors));
    QCOMPARE(readAll(path), previous);
    QCOMPARE(otherFiles(dir->path(), QStringLiteral("varizezCount.bin")), QStringList());

    // Within the limit the same probe saves normally.
    probe.start(QStringLiteral(PHRASEFILE_PROBE),
                {QStringLiteral("fsize"), path, QStringLiteral("3"), QStringLiteral("4096")});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(readAll(path), numberedFile(QStringLiteral("phrase "), 3, 1));
}

void TestPhraseFile::killedSaveLeavesOldOrNew()
{
    const int records = 300;
    const QByteArray alpha = numberedFile(QStringLiteral("alpha "), records, 1);
    const QByteArray beta = numberedFile(QStringLiteral("beta "), records, 2);
    QVERIFY(writeAll(path, alpha));
    QRandomGenerator random(42);
    int sawBeta = 0;
    int leftovers = 0;
    for (int kill = 0; kill < 200; ++kill) {
        QProcess probe;
        probe.start(QStringLiteral(PHRASEFILE_PROBE),
                    {QStringLiteral("loop"), path, QString::number(records)});
        QVERIFY(probe.waitForStarted());
        // Kill at a random moment: sometimes before the first save is
        // through, mostly in the middle of one.
        if (random.bounded(4) != 0)
            QVERIFY(probe.waitForReadyRead(30000));
        QTest::qSleep(1 + int(random.bounded(15)));
        ::kill(pid_t(probe.processId()), SIGKILL);
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);

        const QByteArray now = readAll(path);
        QVERIFY2(now == alpha || now == beta,
                 qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(now.size())));
        sawBeta += now == beta;

        // A kill between linking the new file under a temporary name and
        // renaming it over the old one leaves that name behind, holding a
        // whole file. The next save, as at the next start, removes it.
        const QStringList left = otherFiles(dir->path(), QStringLiteral("varizezCount.bin"));
        if (!left.isEmpty()) {
            ++leftovers;
            QCOMPARE(left.size(), 1);
            const QByteArray temporary = readAll(dir->filePath(left.first()));
            QVERIFY(temporary == alpha || temporary == beta);
            PhraseFile next(path);
            QVERIFY(next.save(next.load().entries));
            QCOMPARE(readAll(path), now);
            QCOMPARE(otherFiles(dir->path(), QStringLiteral("varizezCount.bin")), QStringList());
        }
    }
    qInfo("%d of 200 kills left a temporary file for the next save to remove", leftovers);
    // The kills did land in the middle of a series of saves.
    QVERIFY(sawBeta > 0);
}

void TestPhraseFile::leavesOtherFilesAlone()
{
    // Only leftovers of an interrupted replace are removed: names of exactly
    // that form holding a whole file. A user's copies and damaged files stay.
    const QByteArray whole = numberedFile(QStringLiteral("x "), 2, 1);
    const QStringList kept = {
        QStringLiteral("varizezCount.bin.backup1"), QStringLiteral("varizezCount.bin.old"),
        QStringLiteral("copy-varizezCount.bin.aB3dE6"), QStringLiteral("varizezCount.bin.Damage")};
    for (const QString &name : kept)
        QVERIFY(writeAll(dir->filePath(name),
                         name.endsWith(QLatin1String("Damage")) ? whole.left(9) : whole));
    QVERIFY(writeAll(dir->filePath(QStringLiteral("varizezCount.bin.Xy12Zq")), whole));
    PhraseFile file(path);
    QVERIFY(file.save(Entries{}));
    QStringList expected = kept;
    expected.sort();
    QCOMPARE(otherFiles(dir->path(), QStringLiteral("varizezCount.bin")), expected);
}

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "tst_phrasefile.moc"
