// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands.h"

#include "csv.h"
#include "daybook.h"
#include "output.h"
#include "phrasefile.h"
#include "sharedcounts.h"
#include "sharingsettings.h"
#include "sync.h"
#include "targetlist.h"

#include <QDate>
#include <QFile>
#include <algorithm>

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

} // namespace

int Commands::show(const QString &path)
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

int Commands::check(const QString &path)
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

int Commands::exportCsv(const QString &path)
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
int Commands::restore(const QString &copy, const DataLocation &target)
{
    PhraseFileContents contents;
    QString error;
    if (!readFile(copy, &contents, &error))
        return fail(error);
    contents.entries.resize(contents.damaged() ? contents.wholeRecords : contents.entries.size());
    return Sync::replaceList(target, contents.entries);
}

int Commands::importCsv(const QString &csvPath, const DataLocation &target)
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

int Commands::history(const DataLocation &here, const QString &phrase, int days)
{
    Problem problem;
    const QString folder = SharingSettings::folderFor(here.file);
    DayCounts kept;
    if (folder.isEmpty()) {
        // The list tells whether the journal's last count was made; a list
        // that cannot be read leaves that count in.
        PhraseFileContents contents;
        QString error;
        readFile(here.file, &contents, &error);
        kept = DayBook::read(here.file, contents.entries, &problem);
    } else {
        SharedFolder shared(here, folder);
        kept = SharedCounts::daysOf(Sync::devicesKnown(shared));
    }
    static const QDate epoch(1970, 1, 1);
    const qint64 first = days > 0 ? epoch.daysTo(QDate::currentDate()) - days + 1 : 0;
    QMap<qint32, QString> rows; // by day, phrases in the order of their texts
    for (auto each = kept.phrases().cbegin(); each != kept.phrases().cend(); ++each) {
        if (!phrase.isNull() && each.key() != phrase)
            continue;
        // What came from elsewhere is printed as show prints it.
        const QString field = Csv::quoteField(shownPhrase(each.key()));
        for (auto day = each->lowerBound(qint32(qMax<qint64>(first, 0))); day != each->cend();
             ++day)
            rows[day.key()] += epoch.addDays(day.key()).toString(Qt::ISODate) + QLatin1Char(',') +
                               field + QLatin1Char(',') + QString::number(day.value()) +
                               QLatin1String("\r\n");
    }
    QString csv = QStringLiteral("date,phrase,count\r\n");
    for (const QString &day : qAsConst(rows))
        csv += day;
    print(csv);
    if (problem.what == Problem::None)
        return 0;
    return fail(QStringLiteral("the days in %1 are left out: %2")
                    .arg(shownPath(problem.where), problem.what == Problem::Damaged
                                                       ? QStringLiteral("the file is damaged")
                                                       : shownPhrase(problem.why)));
}
