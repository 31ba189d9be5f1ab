// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// varizez-file: shows, checks, exports and imports Varizez phrase files, so
// counts can be backed up and moved. It reads and writes them through the
// program's own phrase file code.

#include "commands.h"
#include "output.h"
#include "sync.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>

using namespace Output;

namespace {

int run(const QStringList &args, const DataLocation &here, bool off, const QString &days)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given; see --help"));
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (off && (command != QLatin1String("sync") || !rest.isEmpty()))
        return usageError(QStringLiteral("--off goes with sync alone; see --help"));
    if (!days.isNull() && command != QLatin1String("history"))
        return usageError(QStringLiteral("--days goes with history alone; see --help"));
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
        return command == QLatin1String("import") ? Commands::importCsv(rest.first(), target)
                                                  : Commands::restore(rest.first(), target);
    }
    if (rest.size() > 1)
        return usageError(QStringLiteral("too many arguments; see --help"));
    if (command == QLatin1String("history")) {
        if (!here.problem.isEmpty())
            return fail(here.file + QStringLiteral(": ") + here.problem);
        bool isNumber = true;
        const int n = days.isNull() ? 0 : days.toInt(&isNumber);
        if (!isNumber || (!days.isNull() && (n < 1 || n > 100000)))
            return usageError(QStringLiteral("--days takes a number of days from 1 to 100000"));
        return Commands::history(here, rest.value(0), n);
    }
    if (command == QLatin1String("path") && rest.isEmpty()) {
        if (!here.problem.isEmpty())
            return fail(here.file + QStringLiteral(": ") + here.problem);
        print(here.file + QLatin1Char('\n'));
        return 0;
    }
    if (command == QLatin1String("show"))
        return Commands::show(fileArg(0));
    if (command == QLatin1String("check"))
        return Commands::check(fileArg(0));
    if (command == QLatin1String("export"))
        return Commands::exportCsv(fileArg(0));
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
                       "  sync --off           stop sharing\n"
                       "  history [PHRASE]     what was said of each phrase, or of PHRASE, on\n"
                       "                       each day, as CSV (date,phrase,count); with\n"
                       "                       --days N, on the last N days only\n\n"
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
    const QCommandLineOption days(QStringLiteral("days"),
                                  QStringLiteral("with history: the last N days only"),
                                  QStringLiteral("N"));
    parser.addOption(days);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("show, check, export, import, restore, path, sync or history"));
    parser.addPositionalArgument(QStringLiteral("args"),
                                 QStringLiteral("[CSV|COPY|FOLDER|PHRASE] [FILE]"),
                                 QStringLiteral("[args...]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    parser.process(app); // --help and --version: prints and ends the program

    const int status = run(parser.positionalArguments(), here, parser.isSet(off),
                           parser.isSet(days) ? parser.value(days) : QString());
    // Output that never arrived (a full disk, a closed pipe) is a failure:
    // a backup made with export would be empty.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(QStringLiteral("cannot write the output: %1").arg(qt_error_string(errno)));
    return status;
}
