// varizez-file, the backup tool: export then import gives the same file byte
// for byte, check names every kind of damage, and bad CSV never touches the
// target.

#include "bytes.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestBytes;

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString errors;
};

Run tool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(VARIZEZ_FILE), args);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray fileOf(const QList<QPair<QString, int>> &records, qint32 declared = -1)
{
    QByteArray bytes = be32(quint32(declared >= 0 ? declared : records.size()));
    for (const auto &r : records)
        bytes += record(r.first, r.second);
    return bytes;
}

} // namespace

class TestVarizezFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void checkFindsDamage_data();
    void checkFindsDamage();
    void malformedCsvIsRefused_data();
    void malformedCsvIsRefused();
    void helpVersionAndMisuse();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path;
    QString csv;
};

void TestVarizezFile::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    path = dir->filePath(QStringLiteral("varizezCount.bin"));
    csv = dir->filePath(QStringLiteral("backup.csv"));
}

void TestVarizezFile::exportImportRoundTrip_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty list") << hex("00000000");
    QTest::newRow("worked example") << workedExample();
    QTest::newRow("commas quotes newlines")
        << fileOf({{"a, b", 1}, {"say \"Allahu\"", 2}, {"two\nlines", 3}, {"cr\r\nlf", 4}});
    QTest::newRow("non-BMP and arabic")
        << fileOf({{QString::fromUtf8("\U0001F4FF \u0627\u0644\u0644\u0647"), 5}});
    QTest::newRow("negative and extreme counts")
        << fileOf({{"neg", -5}, {"max", 2147483647}, {"min", -2147483647 - 1}});
    QTest::newRow("spaces and empty text") << fileOf({{"  padded  ", 0}, {"", 9}});
}

void TestVarizezFile::exportImportRoundTrip()
{
    QFETCH(QByteArray, stored);
    QVERIFY(writeAll(path, stored));
    const Run exported = tool({QStringLiteral("export"), path});
    QCOMPARE(exported.status, 0);
    QVERIFY(exported.out.startsWith("phrase,count\r\n"));
    QVERIFY(writeAll(csv, exported.out));

    const QString copy = dir->filePath(QStringLiteral("copy.bin"));
    const Run imported = tool({QStringLiteral("import"), csv, copy});
    QVERIFY2(imported.status == 0, qPrintable(imported.errors));
    QCOMPARE(readAll(copy).toHex(' '), stored.toHex(' '));

    const Run shown = tool({QStringLiteral("show"), copy});
    QCOMPARE(shown.status, 0);
    QVERIFY(shown.out.startsWith("Phrase"));
}

void TestVarizezFile::checkFindsDamage_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("problem");
    const QByteArray one = record(QStringLiteral("One"), 7);
    QTest::newRow("zero bytes") << QByteArray() << "short file";
    QTest::newRow("3 declared, 1 stored") << be32(3) + one << "short file";
    QTest::newRow("count cut short") << be32(1) + one.left(one.size() - 2) << "short file";
    QTest::newRow("trailing bytes") << be32(1) + one + hex("DEAD") << "2 trailing bytes";
    QTest::newRow("odd text length")
        << hex("00000001 00000003 004100 00000001") << "bad text length";
    QTest::newRow("length past the end") << hex("00000001 7FFFFFFE 0041") << "short file";
    QTest::newRow("negative count") << hex("FFFFFFFF") << "negative record count";
    QTest::newRow("implausible count") << hex("7FFFFFFF") << "implausible record count";
}

void TestVarizezFile::checkFindsDamage()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, problem);
    QVERIFY(writeAll(path, stored));
    const Run run = tool({QStringLiteral("check"), path});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains(problem), qPrintable(run.errors));
    // A damaged file is not exported as if it were whole.
    QCOMPARE(tool({QStringLiteral("export"), path}).status, 1);

    QVERIFY(writeAll(path, workedExample()));
    const Run good = tool({QStringLiteral("check"), path});
    QCOMPARE(good.status, 0);
    QVERIFY(good.out.contains("ok, 2 phrases"));
}

void TestVarizezFile::malformedCsvIsRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");
    QTest::newRow("no header") << QByteArray("a,1\r\n") << ":1:";
    QTest::newRow("unterminated quote")
        << QByteArray("phrase,count\r\nok,1\r\n\"open,2\r\n") << ":3:";
    QTest::newRow("text after quote") << QByteArray("phrase,count\r\n\"a\"b,1\r\n") << ":2:";
    QTest::newRow("count not a number") << QByteArray("phrase,count\r\na,1\r\nb,many\r\n") << ":3:";
    QTest::newRow("count too large") << QByteArray("phrase,count\r\na,2147483648\r\n") << ":2:";
    QTest::newRow("three fields") << QByteArray("phrase,count\nx,1\ny,2,3\n") << ":3:";
    QTest::newRow("quote inside field") << QByteArray("phrase,count\na\"b,1\n") << ":2:";
    QTest::newRow("line counted through quoted newline")
        << QByteArray("phrase,count\n\"two\nlines\",1\nbad\n") << ":4:";
    QTest::newRow("not UTF-8") << QByteArray("phrase,count\n\xff\xfe,1\n") << "UTF-8";
}

void TestVarizezFile::malformedCsvIsRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    QVERIFY(writeAll(path, workedExample()));
    QVERIFY(writeAll(csv, text));
    const Run run = tool({QStringLiteral("import"), csv, path});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains(where), qPrintable(run.errors));
    QCOMPARE(readAll(path), workedExample());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 2);
}

void TestVarizezFile::helpVersionAndMisuse()
{
    const Run help = tool({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("import CSV [FILE]"));
    QVERIFY(help.out.contains("/home/user/varizezCount.bin"));
    const Run version = tool({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.startsWith("varizez-file "));
    for (const QStringList &args :
         {QStringList{}, QStringList{QStringLiteral("frobnicate")},
          QStringList{QStringLiteral("import")}, QStringList{QStringLiteral("--no-such-option")}}) {
        const Run run = tool(args);
        QVERIFY2(run.status != 0, qPrintable(args.join(QLatin1Char(' '))));
        QVERIFY(!run.errors.isEmpty());
        QVERIFY(run.out.isEmpty());
    }
    const Run missing = tool({QStringLiteral("show"), dir->filePath(QStringLiteral("none"))});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.errors.contains(QStringLiteral("cannot read")));
}

QTEST_GUILESS_MAIN(TestVarizezFile)
#include "tst_varizezfile.moc"
