// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks that print ratios against floors measured in the same run:
//   save   one count (an L key press) through to the durable file, against a
//          bare QSaveFile replace of the same bytes; with sharing on too,
//          against the same floor
//   load   loading and filling the list, against a bare QDataStream read
//          plus inserting the same texts into a QListWidget
//   history the history window of 100 phrases counted every day for three
//          years, opened and drawn, against the same window with no days
//          kept; and, for scale, against a bare QDialog
//   startup the program's start-up, until its event loop is first idle,
//          against a separate bare QMainWindow program (bare_probe), time
//          and peak memory; with sharing on through ten devices' files,
//          against the same list with sharing off
// Nothing here asserts; it reports.

#include "counter.h"
#include "devicefile.h"
#include "historydialog.h"
#include "phrasefile.h"
#include "phraselist.h"
#include "phrasestore.h"
#include "sharingsettings.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QListWidget>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

struct Medians
{
    double subject = 0;
    double floor = 0;
    long subjectFaults = 0; // page faults of one run, median
    long floorFaults = 0;
};

// Runs the two alternately, so drift in the machine touches both alike.
// With freshHeap each run starts with all free heap memory handed back to
// the system, as in a process that has just started: then both pay for
// touching their memory the first time, not only the one that needs more.
Medians alternate(int rounds, const std::function<void()> &subject,
                  const std::function<void()> &floor, bool freshHeap = false)
{
    std::vector<double> a, b, fa, fb;
    const auto timed = [freshHeap](const std::function<void()> &run, std::vector<double> &times,
                                   std::vector<double> &faults) {
        if (freshHeap)
            malloc_trim(0);
        const long before = minorFaults();
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(double(t.nsecsElapsed()));
        faults.push_back(double(minorFaults() - before));
    };
    for (int i = 0; i < rounds; ++i) {
        timed(subject, a, fa);
        timed(floor, b, fb);
    }
    return {medianOf(a), medianOf(b), long(medianOf(fa)), long(medianOf(fb))};
}

void report(const char *what, double subject, double floor, double goal, const char *note = "")
{
    std::printf("%-34s %10.1f us  floor %10.1f us  ratio %5.2f  (goal <= %.2f)%s\n", what,
                subject / 1000, floor / 1000, subject / floor, goal, note);
    std::fflush(stdout);
}

QVector<PhraseEntry> makeList(int n)
{
    QVector<PhraseEntry> list;
    for (int i = 0; i < n; ++i)
        list.append(PhraseEntry{QStringLiteral("SubhannAllah %1").arg(i), i});
    return list;
}

// A device that brought makeList(n) in when sharing began and counted on each
// phrase since; with resetSaw, it reset every 100th, seeing those devices.
DeviceState deviceOn(const QString &id, int n, int seed, const QStringList &resetSaw = {})
{
    DeviceState state;
    state.id = id;
    state.name = QStringLiteral("bench@") + id;
    state.lastCounted = 1700000000000;
    for (int i = 0; i < n; ++i) {
        DeviceEntry e;
        e.key = {QStringLiteral("SubhannAllah %1").arg(i), 0};
        e.hasBase = true;
        e.base = i;
        e.tally = {(i + seed) % 7 + 1, 0, seed == 0 ? 1 : 0};
        if (i % 100 == 0 && !resetSaw.isEmpty()) {
            e.reset.base = i;
            for (const QString &seen : resetSaw)
                e.reset.tallies.insert(seen, Tally{1, 0, 0});
        }
        state.entries.append(e);
    }
    return state;
}

void writeDevice(const QString &folder, const DeviceState &state)
{
    QFile file(folder + QLatin1Char('/') + DeviceFile::nameFor(state.id));
    if (!file.open(QIODevice::WriteOnly) || file.write(DeviceFile::bytesOf(state)) < 0)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

// A phrase file opened by a store as the window opens it, with a counting
// dialog on its first phrase, whose every count the store applies and saves.
struct Counting
{
    PhraseList list;
    PhraseStore store;
    Counter counter{&list};

    explicit Counting(const DataLocation &at)
        : store(at)
    {
        QObject::connect(&counter, &Counter::operation, &store, &PhraseStore::apply);
    }
    // With folder, sharing is turned on through it first, and the devices'
    // files there brought in once: what that writes is not timed.
    void start(const QString &folder = QString())
    {
        QString error;
        if (!folder.isEmpty() && !SharingSettings::setFolder(store.path(), folder, &error))
            std::fprintf(stderr, "%s\n", qPrintable(error));
        store.open(&list, {});
        store.save();
        counter.setBeads(list.record(0));
    }
    void press() { QTest::keyClick(&counter, Qt::Key_L); }
};

void benchSave(const QString &dir)
{
    for (const int n : {2, 100, 10000}) {
        const QVector<PhraseEntry> list = makeList(n);
        const QString floorPath = dir + QStringLiteral("/floor.bin");
        const auto floor = [&] {
            // The same bytes, serialised and replaced durably: QSaveFile
            // syncs the data before renaming, then the folder is synced.
            QSaveFile bare(floorPath);
            bare.open(QIODevice::WriteOnly);
            QDataStream out(&bare);
            out << qint32(list.size());
            for (const PhraseEntry &e : list)
                out << e.name << e.count;
            bare.commit();
            const int folder = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
            ::fsync(folder);
            ::close(folder);
        };
        floor();
        const auto homeOf = [&](const char *name) {
            const QString home = dir + QStringLiteral("/%1-%2").arg(QLatin1String(name)).arg(n);
            QDir().mkpath(home + QStringLiteral("/folder"));
            const DataLocation at{home + QStringLiteral("/varizezCount.bin"), dir, QString()};
            PhraseFile(at.file).save(list);
            return at;
        };
        const int rounds = n >= 10000 ? 60 : 200;
        char label[64];

        Counting alone(homeOf("alone"));
        alone.start();
        const Medians m = alternate(
            rounds, [&] { alone.press(); }, floor);
        std::snprintf(label, sizeof label, "one count, %d phrases", n);
        report(label, m.subject, m.floor, 1.15);

        // A phrase with a target: its progress and its check come on top of
        // the same save.
        Counting targeted(homeOf("target"));
        targeted.start();
        targeted.store.apply(PhraseOperation::on(PhraseOperation::Kind::SetTarget, 0, 33));
        const Medians t = alternate(
            rounds, [&] { targeted.press(); }, floor);
        std::snprintf(label, sizeof label, "one count, a target, %d", n);
        report(label, t.subject, t.floor, 1.15);

        // With sharing on, one other device's file in the folder: the press
        // writes this device's file too, there and beside the phrase file.
        const DataLocation shared = homeOf("shared");
        const QString folder = QFileInfo(shared.file).absolutePath() + QStringLiteral("/folder");
        writeDevice(folder, deviceOn(QStringLiteral("0000000b0001"), n, 1));
        Counting sharing(shared);
        sharing.start(folder);
        const Medians on = alternate(
            rounds, [&] { sharing.press(); }, floor);
        char note[40];
        std::snprintf(note, sizeof note, "  sharing off %.2f", m.subject / m.floor);
        std::snprintf(label, sizeof label, "one count, sharing on, %d", n);
        report(label, on.subject, on.floor, 1.2, note);
    }
}

void benchLoad(const QString &dir)
{
    for (const int n : {10000, 100000}) {
        const QString path = dir + QStringLiteral("/load.bin");
        PhraseFile(path).save(makeList(n));

        const auto subject = [&] {
            // What the main window does: load, make records, show the list.
            QListView view;
            PhraseList list;
            list.setRows(PhraseFile(path).load().entries);
            view.setModel(&list);
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
        const Medians filled = alternate(15, subject, floor, true);
        char label[64];
        std::snprintf(label, sizeof label, "start-up list, %d phrases", n);
        report(label, filled.subject, filled.floor, 1.2);
        std::printf("%-34s %10ld     floor %10ld\n", "  page faults per run", filled.subjectFaults,
                    filled.floorFaults);

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
        const Medians load = alternate(15, loadOnly, readOnly, true);
        std::snprintf(label, sizeof label, "load only, %d phrases", n);
        report(label, load.subject, load.floor, 1.2);
    }
}

// One start of a probe: the time from just before the fork until the probe's
// event loop was idle (it prints that moment), and its peak resident memory.
struct StartupRun
{
    double nanoseconds = 0;
    long peakKiB = 0;
};

double monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

// dataHome: the probe's XDG_DATA_HOME, so it never reads the user's phrases.
StartupRun runOnce(const QString &program, bool withLabel, const QString &dataHome)
{
    const QByteArray path = program.toLocal8Bit();
    const QByteArray data = QFile::encodeName(dataHome);
    int out[2];
    if (pipe(out) != 0)
        return {};
    const double started = monotonicNow();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        // The offscreen platform's notes would drown the table.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        if (withLabel)
            setenv("BARE_LABEL", "1", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_DATA_HOME", data.constData(), 1);
        execl(path.constData(), path.constData(), nullptr);
        _exit(127);
    }
    close(out[1]);
    char buffer[32] = {};
    const ssize_t got = read(out[0], buffer, sizeof buffer - 1);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not start cleanly; run it by hand to see why\n",
                     path.constData());
        std::exit(1);
    }
    return {std::strtod(buffer, nullptr) - started, usage.ru_maxrss};
}

void benchStartup(const QString &dir, const QString &files)
{
    const QString program = dir + QStringLiteral("/startup_probe");
    const QString bareProgram = dir + QStringLiteral("/bare_probe");
    const QString empty = files + QStringLiteral("/empty-data");
    QDir().mkpath(empty);
    std::vector<double> real, bare, label;
    std::vector<double> realMem, bareMem, labelMem;
    runOnce(program, false, empty);
    runOnce(bareProgram, false, empty);
    for (int i = 0; i < 41; ++i) {
        const StartupRun r = runOnce(program, false, empty);
        const StartupRun b = runOnce(bareProgram, false, empty);
        const StartupRun l = runOnce(bareProgram, true, empty);
        real.push_back(r.nanoseconds);
        bare.push_back(b.nanoseconds);
        label.push_back(l.nanoseconds);
        realMem.push_back(double(r.peakKiB));
        bareMem.push_back(double(b.peakKiB));
        labelMem.push_back(double(l.peakKiB));
    }
    report("start-up to idle event loop", medianOf(real), medianOf(bare), 1.2);
    report("  (floor with one text label)", medianOf(real), medianOf(label), 1.2);
    std::printf("%-34s %10.0f KiB floor %10.0f KiB extra %6.0f KiB (goal <= 5120)\n",
                "start-up peak resident memory", medianOf(realMem), medianOf(bareMem),
                medianOf(realMem) - medianOf(bareMem));
    std::printf("%-34s %10.0f KiB floor %10.0f KiB extra %6.0f KiB\n",
                "  (floor with one text label)", medianOf(realMem), medianOf(labelMem),
                medianOf(realMem) - medianOf(labelMem));
}

// Start-up with sharing on through ten devices' files of 1,000 phrases, this
// device's among them, against the same phrase file with sharing off.
void benchSharedStartup(const QString &dir, const QString &files)
{
    const QString program = dir + QStringLiteral("/startup_probe");
    const QString shared = files + QStringLiteral("/shared-data"),
                  alone = files + QStringLiteral("/alone-data"),
                  folder = files + QStringLiteral("/devices");
    const DataLocation location{shared + QStringLiteral("/varizez/varizezCount.bin"), files, {}};
    for (const QString &path :
         {folder, shared + QStringLiteral("/varizez"), alone + QStringLiteral("/varizez")})
        QDir().mkpath(path);
    QStringList ids{SharingSettings::deviceId(location.file)};
    for (int d = 1; d < 10; ++d)
        ids << QStringLiteral("%1").arg(0xb0000 + d, 12, 16, QLatin1Char('0'));
    for (int d = 0; d < 10; ++d)
        writeDevice(folder, deviceOn(ids.at(d), 1000, d, d == 3 ? ids : QStringList()));
    {
        Counting(location).start(folder);
    }
    QFile::copy(location.file, alone + QStringLiteral("/varizez/varizezCount.bin"));
    // A start that finds everything in step writes nothing.
    const QString own = QLatin1Char('/') + DeviceFile::nameFor(ids.first());
    const auto stamps = [&] {
        return QVector<FileStamp>{
            FileStamps::ofPath(location.file), FileStamps::ofPath(folder + own),
            FileStamps::ofPath(SharingSettings::mirrorFor(location.file) + own)};
    };
    const QVector<FileStamp> before = stamps();
    std::vector<double> on, off;
    runOnce(program, false, shared);
    runOnce(program, false, alone);
    for (int i = 0; i < 21; ++i) {
        on.push_back(runOnce(program, false, shared).nanoseconds);
        off.push_back(runOnce(program, false, alone).nanoseconds);
    }
    report("start-up, 10 devices of 1,000", medianOf(on), medianOf(off), 1.3,
           stamps() == before ? "" : "  (the starts wrote files!)");
}

} // namespace

void benchHistory()
{
    constexpr qint32 kToday = 20796; // 2026-12-09
    DayCounts days;
    QVector<HistoryDialog::Phrase> phrases;
    for (int p = 0; p < 100; ++p) {
        const QString text = QStringLiteral("Phrase %1").arg(p);
        phrases.append({text, p % 3 ? 0 : 33});
        for (qint32 day = kToday - 3 * 366; day <= kToday; ++day)
            days.add(text, day, (day + p) % 50 + 1);
    }
    const auto open = [&](const DayCounts &kept, int row) {
        HistoryDialog dialog(nullptr, kept, phrases, row, kToday);
        dialog.show();
        (void)dialog.grab();
    };
    for (const int row : {0, -1}) {
        const Medians m = alternate(
            30, [&] { open(days, row); }, [&] { open(DayCounts(), row); });
        report(row < 0 ? "history window, all 100 phrases" : "history window, one phrase",
               m.subject, m.floor, 2.0);
    }
    const Medians bare = alternate(
        30, [&] { open(DayCounts(), 0); },
        [] {
            QDialog dialog;
            dialog.show();
            (void)dialog.grab();
        });
    std::printf("%-34s %10.1f us  bare QDialog %7.1f us\n", "  the window with no days",
                bare.subject / 1000, bare.floor / 1000);
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    std::printf("Qt %s; files in %s\n", qVersion(), qPrintable(dir.path()));
    benchSave(dir.path());
    benchLoad(dir.path());
    benchHistory();
    // There the program keeps its phrases whatever XDG_DATA_HOME says.
    if (QFileInfo(QStringLiteral("/home/user")).isWritable()) {
        std::printf("start-up not measured: the program would read /home/user\n");
        return 0;
    }
    benchStartup(QCoreApplication::applicationDirPath(), dir.path());
    benchSharedStartup(QCoreApplication::applicationDirPath(), dir.path());
    return 0;
}
