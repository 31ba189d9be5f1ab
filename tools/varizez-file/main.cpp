// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// varizez-file: shows, checks, exports and imports Varizez phrase files, so
// counts can be backed up and moved. It reads and writes them through the
// program's own phrase file code.

#include "csv.h"
#include "output.h"
#include "phrasefile.h"
#include "sync.h"
#include "targetlist.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>

using namespace Output;

namespace {

const QString kHeader = QStringLiteral("phrase,count");
// A list with targets has a third column; one without, only the two that
// every earlier version reads.
const QString kHeaderWithTargets = QStringLiteral("phrase,count,target");

bool readFile(const QString &path, PhraseFileContents *contents, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(shownPath(path), file.errorString());
        return false;
    }
    *contents = PhraseFile::read(file);
    return true;
}

// The target of each entry, 0 for none, from the targets file beside path.
// A targets file that cannot be used costs the targets only: *problem says
// why, and the counts are shown all the same.
QVector<qint32> targetsFor(const QString &path, const QVector<PhraseEntry> &entries,
                           QString *problem)
{
    TargetList list(path);
    list.load();
    problem->clear();
    if (list.problem().what != Problem::None)
        *problem = QStringLiteral("the targets in %1 are left out: %2")
                       .arg(shownPath(list.path()), list.problem().what == Problem::Damaged
                                                        ? QStringLiteral("the file is damaged")
                                                        : shownPhrase(list.problem().why));
    QStringList texts;
    for (const PhraseEntry &e : entries)
        texts.append(e.name);
    return TargetList::targetsOf(list.saved(), texts);
}

bool anyTarget(const QVector<qint32> &targets)
{
    return std::any_of(targets.cbegin(), targets.cend(), [](qint32 t) { return t > 0; });
}

QStringList problems(const PhraseFileContents &c)
{
    QStringList found;
    if (c.declaredCount < 0)
        found << QStringLiteral("negative record count %1").arg(c.declaredCount);
    if (c.stoppedAtBound)
        found << QStringLiteral("implausible record count %1: the file holds data for only %2")
                     .arg(c.declaredCount)
                     .arg(c.entries.size());
    else if (c.dataRanOut && c.declaredCount == 0)
        found << QStringLiteral("short file: it ends before the record count");
    else if (c.dataRanOut)
        found << QStringLiteral("short file: it ends in record %1 of %2")
                     .arg(c.wholeRecords + 1)
                     .arg(c.declaredCount);
    if (c.corruptText)
        found << QStringLiteral("bad text length (odd number of bytes)");
    if (c.trailingBytes > 0)
        found << QStringLiteral("%1 trailing bytes after the last record").arg(c.trailingBytes);
    return found;
}

int show(const QString &path)
{
    PhraseFileContents contents;
    QString error;
    if (!readFile(path, &contents, &error))
        return fail(error);
    // A phrase may come from another device: each is shown on its line, as text.
    QStringList names;
    int width = 6;
    for (const PhraseEntry &e : qAsConst(contents.entries)) {
        names << shownPhrase(e.name);
        width = qMax(width, qMin(60, int(names.last().size())));
    }
    QString targetProblem;
    const QVector<qint32> targets = targetsFor(path, contents.entries, &targetProblem);
    const bool withTargets = anyTarget(targets);
    const auto line = [&](const QString &name, const QString &count, const QString &target) {
        return withTargets
                   ? QStringLiteral("%1  %2  %3\n").arg(name, -width).arg(count, -5).arg(target)
                   : QStringLiteral("%1  %2\n").arg(name, -width).arg(count);
    };
    QString table =
        line(QStringLiteral("Phrase"), QStringLiteral("Count"), QStringLiteral("Target"));
    for (int i = 0; i < names.size(); ++i)
        table += line(names.at(i), QString::number(contents.entries.at(i).count),
                      targets.at(i) > 0 ? QString::number(targets.at(i)) : QString());
    print(table + phrases(contents.entries.size()) + QLatin1Char('\n'));
    QStringList found = problems(contents);
    if (!targetProblem.isEmpty())
        found << targetProblem;
    return found.isEmpty() ? 0 : fail(found.join(QLatin1String("; ")));
}

int check(const QString &path)
{
    PhraseFileContents contents;
    QString error;
    if (!readFile(path, &contents, &error))
        return fail(error);
    const QStringList found = problems(contents);
    if (!found.isEmpty()) {
        for (const QString &problem : found)
            std::fprintf(stderr, "varizez-file: %s: %s\n", qUtf8Printable(shownPath(path)),
                         qUtf8Printable(problem));
        return 1;
    }
    print(shownPath(path) + QStringLiteral(": ok, ") + phrases(contents.entries.size()) +
          QLatin1Char('\n'));
    return 0;
}

int exportCsv(const QString &path)
{
    PhraseFileContents contents;
    QString error;
    if (!readFile(path, &contents, &error))
        return fail(error);
    if (!problems(contents).isEmpty())
        return fail(QStringLiteral("%1 is damaged (%2); run check")
                        .arg(shownPath(path), problems(contents).join(QLatin1String("; "))));
    QString targetProblem;
    const QVector<qint32> targets = targetsFor(path, contents.entries, &targetProblem);
    const bool withTargets = anyTarget(targets);
    QString csv = (withTargets ? kHeaderWithTargets : kHeader) + QLatin1String("\r\n");
    for (int i = 0; i < contents.entries.size(); ++i) {
        const PhraseEntry &e = contents.entries.at(i);
        csv += Csv::quoteField(e.name) + QLatin1Char(',') + QString::number(e.count);
        if (withTargets)
            csv +=
                QLatin1Char(',') + (targets.at(i) > 0 ? QString::number(targets.at(i)) : QString());
        csv += QLatin1String("\r\n");
    }
    print(csv);
    // The counts are all there; that the targets are not is still a failure.
    return targetProblem.isEmpty() ? 0 : fail(targetProblem);
}

// The records of a phrase file that were read whole, such as those of a
// damaged file that the program kept aside.
int restore(const QString &copy, const DataLocation &target)
{
    PhraseFileContents contents;
    QString error;
    if (!readFile(copy, &contents, &error))
        return fail(error);
    contents.entries.resize(contents.damaged() ? contents.wholeRecords : contents.entries.size());
    return Sync::replaceList(target, contents.entries);
}

int importCsv(const QString &csvPath, const DataLocation &target)
{
    QFile input(csvPath);
    const QString shown = shownPath(csvPath);
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(shown, input.errorString()));
    QByteArray raw = input.readAll();
    // Spreadsheets begin their UTF-8 with a byte order mark.
    if (raw.startsWith("\xEF\xBB\xBF"))
        raw.remove(0, 3);
    const QString text = QString::fromUtf8(raw);
    if (text.toUtf8() != raw)
        return fail(QStringLiteral("%1 is not valid UTF-8").arg(shown));
    QVector<Csv::Row> rows;
    int errorLine = 0;
    QString error;
    if (!Csv::parse(text, &rows, &errorLine, &error))
        return fail(QStringLiteral("%1:%2: %3").arg(shown, QString::number(errorLine), error));
    // ... and end them with blank lines.
    while (!rows.isEmpty() && rows.last().fields == QStringList(QString()))
        rows.removeLast();
    const QString header = rows.isEmpty() ? QString() : rows.first().fields.join(QLatin1Char(','));
    if (header != kHeader && header != kHeaderWithTargets)
        return fail(QStringLiteral("%1:1: expected the header line \"%2\" or \"%3\"")
                        .arg(shown, kHeader, kHeaderWithTargets));
    const int fields = header == kHeader ? 2 : 3;
    QVector<PhraseEntry> entries;
    QVector<qint32> targets;
    for (int r = 1; r < rows.size(); ++r) {
        const Csv::Row &row = rows.at(r);
        const QString line = QString::number(row.line);
        if (row.fields.size() != fields)
            return fail(
                QStringLiteral("%1:%2: expected %3 fields, found %4")
                    .arg(shown, line, QString::number(fields), QString::number(row.fields.size())));
        bool ok = false;
        const int count = row.fields.at(1).toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("%1:%2: count \"%3\" is not a 32-bit integer")
                            .arg(shown, line, shownPhrase(row.fields.at(1))));
        entries.append(PhraseEntry{row.fields.at(0), count});
        const QString target = row.fields.value(2);
        targets.append(target.isEmpty() ? 0 : target.toInt(&ok));
        if (!ok || targets.last() < 0 || targets.last() > TargetFile::kTargetBound ||
            (!target.isEmpty() && targets.last() == 0))
            return fail(QStringLiteral("%1:%2: target \"%3\" is not a whole number from 1 to %4")
                            .arg(shown, line, shownPhrase(target),
                                 QString::number(TargetFile::kTargetBound)));
    }
    // A file of two columns carries no targets: those set stay as they are.
    return Sync::replaceList(target, entries,
                             fields == 3 ? std::optional<QVector<qint32>>(targets) : std::nullopt);
}

int run(const QStringList &args, const DataLocation &here, bool off)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given; see --help"));
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (off && (command != QLatin1String("sync") || !rest.isEmpty()))
        return usageError(QStringLiteral("--off goes with sync alone; see --help"));
    if (command == QLatin1String("sync") && rest.size() < 2)
        return Sync::run(here, rest.value(0), off);
    const auto fileArg = [&](int index) {
        return rest.size() > index ? rest.at(index) : here.file;
    };

    if (command == QLatin1String("import") || command == QLatin1String("restore")) {
        if (rest.isEmpty() || rest.size() > 2)
            return usageError(QStringLiteral("usage: varizez-file %1 %2 [FILE]")
                                  .arg(command, command == QLatin1String("import")
                                                    ? QStringLiteral("CSV")
                                                    : QStringLiteral("COPY")));
        const DataLocation target =
            rest.size() > 1 ? DataLocation{rest.at(1), QString(), QString()} : here;
        return command == QLatin1String("import") ? importCsv(rest.first(), target)
                                                  : restore(rest.first(), target);
    }
    if (rest.size() > 1)
        return usageError(QStringLiteral("too many arguments; see --help"));
    if (command == QLatin1String("path") && rest.isEmpty()) {
        if (!here.problem.isEmpty())
            return fail(here.file + QStringLiteral(": ") + here.problem);
        print(here.file + QLatin1Char('\n'));
        return 0;
    }
    if (command == QLatin1String("show"))
        return show(fileArg(0));
    if (command == QLatin1String("check"))
        return check(fileArg(0));
    if (command == QLatin1String("export"))
        return exportCsv(fileArg(0));
    return usageError(QStringLiteral("unknown command \"%1\"; see --help").arg(command));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varizez-file"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARIZEZ_VERSION));

    const DataLocation here = DataLocation::here();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows, checks, exports and imports Varizez phrase files.\n\n"
                       "Commands:\n"
                       "  show [FILE]          print the phrases, counts and targets as a table\n"
                       "  check [FILE]         say what is wrong with a damaged file (exit 1)\n"
                       "  export [FILE]        write the phrases as CSV to standard output\n"
                       "                       (phrase,count, and target where one is set)\n"
                       "  import CSV [FILE]    replace FILE with the phrases of a CSV file;\n"
                       "                       without a target column, targets stay as set\n"
                       "  restore COPY [FILE]  replace FILE with the whole records of a phrase\n"
                       "                       file, such as a damaged file's .damaged copy\n"
                       "  path                 print where the program keeps its phrases\n"
                       "  sync                 say whether the counts are shared with other\n"
                       "                       devices, through which folder, and the devices\n"
                       "                       seen there\n"
                       "  sync FOLDER          share the counts through FOLDER, a folder kept\n"
                       "                       in step with the other devices (Syncthing or\n"
                       "                       any file sync); it is made if missing\n"
                       "  sync --off           stop sharing\n\n"
                       "import, restore and sync FOLDER or --off refuse while Varizez runs on\n"
                       "FILE. With sharing on, import and restore are shared like any change.\n"
                       "Exit status: 0 done; 1 a file damaged, unreadable or not written, or\n"
                       "the output not written; 2 a wrong option, command or argument.\n\n"
                       "FILE defaults to the program's own file, here ") +
        here.file +
        QStringLiteral(". That is /home/user/varizezCount.bin where /home/user is a folder you "
                       "can write; else varizez/varizezCount.bin in $XDG_DATA_HOME, or in "
                       "~/.local/share when XDG_DATA_HOME is not set."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption off(QStringLiteral("off"), QStringLiteral("with sync: stop sharing"));
    parser.addOption(off);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("show, check, export, import, restore, path or sync"));
    parser.addPositionalArgument(QStringLiteral("args"), QStringLiteral("[CSV|COPY|FOLDER] [FILE]"),
                                 QStringLiteral("[args...]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    parser.process(app); // --help and --version: prints and ends the program

    const int status = run(parser.positionalArguments(), here, parser.isSet(off));
    // Output that never arrived (a full disk, a closed pipe) is a failure:
    // a backup made with export would be empty.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(QStringLiteral("cannot write the output: %1").arg(qt_error_string(errno)));
    return status;
}
