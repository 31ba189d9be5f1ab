// Failures the machine must be set up for: another user's permissions and a
// full file system. Each case runs the save in a child process; where the
// setting cannot be made, the case is skipped, never passed.

#include "bytes.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace TestBytes;

namespace {

const char kFileName[] = "varizezCount.bin";

QByteArray numberedFile(int n)
{
    QByteArray bytes = be32(quint32(n));
    for (int i = 0; i < n; ++i)
        bytes += record(QStringLiteral("phrase %1").arg(i), i);
    return bytes;
}

struct ProbeRun
{
    int exitCode = -1;
    QString out;
    QString errors;
};

ProbeRun run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    ProbeRun result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

} // namespace

class TestPhraseFileEnvironment : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readOnlyDirectory();
    void unreadableFile();
    void fullDisk();

private:
    // Runs the probe as an unprivileged user: as ourselves if we are not root,
    // else as nobody through setpriv. Permission bits mean nothing to root.
    bool runUnprivileged(const QStringList &args, ProbeRun *result);

    QScopedPointer<QTemporaryDir> dir;
    QString probe;
};

void TestPhraseFileEnvironment::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    // A copy that any user may run, in a directory any user may enter.
    QVERIFY(QFile::setPermissions(
        dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                         QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
    probe = dir->filePath(QStringLiteral("phrasefile_probe"));
    QVERIFY(QFile::copy(QStringLiteral(PHRASEFILE_PROBE), probe));
    QVERIFY(QFile::setPermissions(probe, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                             QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
}

bool TestPhraseFileEnvironment::runUnprivileged(const QStringList &args, ProbeRun *result)
{
    if (geteuid() != 0) {
        *result = run(probe, args);
        return true;
    }
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        return false;
    QStringList all = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                       QStringLiteral("--clear-groups"), probe};
    all += args;
    *result = run(setpriv, all);
    return true;
}

void TestPhraseFileEnvironment::readOnlyDirectory()
{
    const QString data = dir->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkdir(data));
    const QString path = data + QLatin1Char('/') + QLatin1String(kFileName);
    const QByteArray previous = numberedFile(2);
    QVERIFY(writeAll(path, previous));
    // The file itself is writable by everyone; only the directory is not.
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
    QVERIFY(QFile::setPermissions(data, QFileDevice::Permissions(0x5555)));

    ProbeRun result;
    if (!runUnprivileged({QStringLiteral("save"), path, QStringLiteral("5")}, &result))
        QSKIP("running as root and setpriv is missing: cannot drop privileges");
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(QStringLiteral("cannot save ") + path),
             qPrintable(result.errors));
    QCOMPARE(result.errors.count(QStringLiteral("cannot save")), 1);
    QCOMPARE(readAll(path), previous);
    QCOMPARE(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{kFileName});
}

void TestPhraseFileEnvironment::unreadableFile()
{
    const QString data = dir->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkdir(data));
    QVERIFY(QFile::setPermissions(data, QFileDevice::Permissions(0x7777)));
    const QString path = data + QLatin1Char('/') + QLatin1String(kFileName);
    const QByteArray previous = numberedFile(3);
    QVERIFY(writeAll(path, previous));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));

    // The load finds nothing and says why; the save that follows must not
    // replace counts that could not even be read.
    ProbeRun result;
    if (!runUnprivileged({QStringLiteral("loadsave"), path}, &result))
        QSKIP("running as root and setpriv is missing: cannot drop privileges");
    QCOMPARE(result.out.trimmed(), QStringLiteral("records=0"));
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(QStringLiteral("cannot read ") + path),
             qPrintable(result.errors));
    QVERIFY2(result.errors.contains(QStringLiteral("cannot save ") + path),
             qPrintable(result.errors));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    QCOMPARE(readAll(path), previous);
    QCOMPARE(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{kFileName});
}

void TestPhraseFileEnvironment::fullDisk()
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        QSKIP("unshare is missing: cannot mount a small file system");
    const QString mountPoint = dir->filePath(QStringLiteral("small"));
    const QString out = dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkdir(mountPoint));
    QVERIFY(QDir().mkdir(out));
    const QString path = mountPoint + QLatin1Char('/') + QLatin1String(kFileName);

    // Inside a private mount namespace: a 16 KiB tmpfs, a first save that
    // fits, a second that cannot, then copies of what is left.
    const QString script = QStringLiteral("set -e\n"
                                          "mount -t tmpfs -o size=16k varizez-full \"$1\"\n"
                                          "\"$2\" save \"$1/%1\" 2\n"
                                          "set +e\n"
                                          "\"$2\" save \"$1/%1\" 20000 2>\"$3/errors\"\n"
                                          "echo $? >\"$3/status\"\n"
                                          "cp \"$1/%1\" \"$3/after\"\n"
                                          "ls -A \"$1\" >\"$3/listing\"\n")
                               .arg(QLatin1String(kFileName));
    QStringList args = {QStringLiteral("--mount"),
                        QStringLiteral("--propagation"),
                        QStringLiteral("private"),
                        QStringLiteral("sh"),
                        QStringLiteral("-c"),
                        script,
                        QStringLiteral("sh"),
                        mountPoint,
                        probe,
                        out};
    QProcess process;
    process.start(unshare, args);
    QVERIFY(process.waitForFinished(60000));
    if (process.exitCode() != 0 || !QFile::exists(out + QStringLiteral("/status")))
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here: ") +
                         QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));

    QCOMPARE(readAll(out + QStringLiteral("/status")).trimmed(), QByteArray("1"));
    const QString errors = QString::fromLocal8Bit(readAll(out + QStringLiteral("/errors")));
    QVERIFY2(errors.contains(QStringLiteral("cannot save ") + path), qPrintable(errors));
    QCOMPARE(readAll(out + QStringLiteral("/after")), numberedFile(2));
    QCOMPARE(readAll(out + QStringLiteral("/listing")).trimmed(), QByteArray(kFileName));
}

QTEST_GUILESS_MAIN(TestPhraseFileEnvironment)
#include "tst_phrasefile_env.moc"
