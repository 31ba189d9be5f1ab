// Benchmarks that print ratios against floors measured in the same run:
//   save   one count (an L key press) through to the durable file, against a
//          bare QSaveFile replace of the same bytes
//   load   loading and filling the list, against a bare QDataStream read
//          plus inserting the same texts into a QListWidget
//   startup the program's start-up against a bare QMainWindow program,
//          time and peak memory
// Nothing here asserts; it reports.

#include "beads.h"
#include "counter.h"
#include "phrasefile.h"

#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the two alternately, so drift in the machine touches both alike.
std::pair<double, double> alternate(int rounds, const std::function<void()> &subject,
                                    const std::function<void()> &floor)
{
    std::vector<double> a, b;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        subject();
        a.push_back(double(t.nsecsElapsed()));
        t.restart();
        floor();
        b.push_back(double(t.nsecsElapsed()));
    }
    return {medianOf(a), medianOf(b)};
}

void report(const char *what, double subject, double floor, double goal)
{
    std::printf("%-34s %10.1f us  floor %10.1f us  ratio %5.2f  (goal <= %.2f)\n", what,
                subject / 1000, floor / 1000, subject / floor, goal);
    std::fflush(stdout);
}

QVector<Beads *> makeList(int n)
{
    QVector<Beads *> list;
    for (int i = 0; i < n; ++i)
        list.append(new Beads(QStringLiteral("SubhannAllah %1").arg(i), i, nullptr));
    return list;
}

void benchSave(const QString &dir)
{
    for (const int n : {2, 100, 10000}) {
        QVector<Beads *> list = makeList(n);
        PhraseFile file(dir + QStringLiteral("/count.bin"));
        Counter counter;
        QObject::connect(&counter, &Counter::valueChanged, [&] { file.save(list); });
        counter.setBeads(list.first());

        const QString floorPath = dir + QStringLiteral("/floor.bin");
        const auto floor = [&] {
            // The same bytes, serialised and replaced durably (QSaveFile
            // syncs the data before renaming).
            QSaveFile bare(floorPath);
            bare.open(QIODevice::WriteOnly);
            QDataStream out(&bare);
            out << qint32(list.size());
            for (const Beads *b : qAsConst(list))
                out << b->name() << qint32(b->count());
            bare.commit();
        };
        floor();
        const auto press = [&] { QTest::keyClick(&counter, Qt::Key_L); };
        const auto [subject, bare] = alternate(n >= 10000 ? 60 : 200, press, floor);
        char label[64];
        std::snprintf(label, sizeof label, "one count, %d phrases", n);
        report(label, subject, bare, 1.15);
        qDeleteAll(list);
    }
}

void benchLoad(const QString &dir)
{
    for (const int n : {10000, 100000}) {
        const QString path = dir + QStringLiteral("/load.bin");
        QVector<Beads *> list = makeList(n);
        PhraseFile(path).save(list);
        qDeleteAll(list);

        const auto subject = [&] {
            // What the main window does: load, make records, fill the list.
            QListWidget widget;
            QVector<Beads *> records;
            const PhraseFileContents contents = PhraseFile(path).load();
            for (const PhraseEntry &e : contents.entries)
                records.append(new Beads(e.name, e.count, nullptr));
            for (const Beads *r : qAsConst(records))
                widget.insertItem(widget.count(), r->name());
            qDeleteAll(records);
        };
        const auto floor = [&] {
            QListWidget widget;
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            QDataStream in(&file);
            qint32 count = 0;
            in >> count;
            QString text;
            qint32 value = 0;
            for (qint32 i = 0; i < count; ++i) {
                in >> text >> value;
                widget.insertItem(widget.count(), text);
            }
        };
        const auto [s, f] = alternate(15, subject, floor);
        char label[64];
        std::snprintf(label, sizeof label, "start-up list, %d phrases", n);
        report(label, s, f, 1.2);

        const auto loadOnly = [&] { (void)PhraseFile(path).load(); };
        const auto readOnly = [&] {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            QDataStream in(&file);
            qint32 count = 0;
            in >> count;
            QVector<PhraseEntry> entries;
            for (qint32 i = 0; i < count; ++i) {
                PhraseEntry e;
                in >> e.name >> e.count;
                entries.append(e);
            }
        };
        const auto [l, r] = alternate(15, loadOnly, readOnly);
        std::snprintf(label, sizeof label, "load only, %d phrases", n);
        report(label, l, r, 1.2);
    }
}

// Returns wall time in ns and peak resident memory in KiB of one run.
std::pair<double, long> runOnce(const QString &program, const char *bare)
{
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        if (bare)
            setenv("BARE", bare, 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program.toLocal8Bit().constData(), "startup_probe", nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {double(t.nsecsElapsed()), usage.ru_maxrss};
}

void benchStartup(const QString &program)
{
    std::vector<double> real, bare, label;
    std::vector<double> realMem, bareMem;
    runOnce(program, nullptr);
    runOnce(program, "1");
    for (int i = 0; i < 21; ++i) {
        const auto r = runOnce(program, nullptr);
        const auto b = runOnce(program, "1");
        const auto l = runOnce(program, "label");
        real.push_back(r.first);
        bare.push_back(b.first);
        label.push_back(l.first);
        realMem.push_back(double(r.second));
        bareMem.push_back(double(b.second));
    }
    report("start-up to idle event loop", medianOf(real), medianOf(bare), 1.2);
    report("  (floor with one text label)", medianOf(real), medianOf(label), 1.2);
    std::printf("%-34s %10.0f KiB floor %10.0f KiB extra %6.0f KiB (goal <= 5120)\n",
                "start-up peak resident memory", medianOf(realMem), medianOf(bareMem),
                medianOf(realMem) - medianOf(bareMem));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    std::printf("Qt %s; files in %s\n", qVersion(), qPrintable(dir.path()));
    benchSave(dir.path());
    benchLoad(dir.path());
    benchStartup(QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe"));
    return 0;
}
