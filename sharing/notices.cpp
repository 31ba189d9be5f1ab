// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notices.h"

#include "printable.h"

#include <QCoreApplication>

QString Notices::ofPhraseFile(const Problem &problem)
{
    switch (problem.what) {
    case Problem::CannotRead:
        return QCoreApplication::translate(
                   "MainWindow", "Your phrases could not be read from %1: %2. The file is left "
                                 "as it is, and nothing will be saved in it.")
            .arg(problem.where, problem.why);
    case Problem::CannotSave:
        return ofSaving(problem.where, problem.why);
    case Problem::KeptAside:
        return QCoreApplication::translate("MainWindow",
                                           "%1 was damaged, so phrases or counts may be missing. "
                                           "The damaged file is kept as %2.")
            .arg(problem.where, problem.why);
    default:
        break;
    }
    return QString();
}

QString Notices::ofSaving(const QString &file, const QString &reason)
{
    return QCoreApplication::translate("MainWindow", "Your counts could not be saved in %1: %2.")
        .arg(file, reason);
}

QString Notices::ofFolder(const SharedFolder &folder)
{
    if (!folder.folderThere())
        return QCoreApplication::translate(
                   "MainWindow", "Your counts cannot be shared: %1 is not there. They are kept "
                                 "here and will be shared when it is back.")
            .arg(folder.folder());
    if (!folder.folderProblem().isEmpty())
        return QCoreApplication::translate(
                   "MainWindow", "Your counts could not be shared in %1: %2. They are kept here "
                                 "and will be shared as soon as that works again.")
            .arg(folder.folder(), folder.folderProblem());
    return QString();
}

QString Notices::ofMissing(const Problem &missing)
{
    // The name comes from another device's file, whatever it holds.
    const QString device = Printable::line(missing.whose, 64);
    switch (missing.what) {
    case Problem::Damaged:
        return QCoreApplication::translate(
                   "MainWindow", "The counts of %1 may be missing: its file %2 is damaged.")
            .arg(device, missing.where);
    case Problem::Newer:
        return QCoreApplication::translate("MainWindow", "The counts of %1 may be missing: its "
                                                         "file %2 was written by a newer Varizez.")
            .arg(device, missing.where);
    default:
        return QCoreApplication::translate("MainWindow", "The counts of %1 may be missing: its "
                                                         "file %2 could not be read (%3).")
            .arg(device, missing.where, missing.why);
    }
}

QString Notices::ofTargets(const Problem &problem)
{
    switch (problem.what) {
    case Problem::Damaged:
        return QCoreApplication::translate("MainWindow",
                                           "The targets in %1 are damaged, so they are left out. "
                                           "Your counts are not affected.")
            .arg(problem.where);
    case Problem::CannotRead:
    case Problem::CannotSave:
        return QCoreApplication::translate("MainWindow", "Your targets could not be read or saved "
                                                         "in %1: %2. Your counts are not affected.")
            .arg(problem.where, problem.why);
    default:
        break;
    }
    return QString();
}

QString Notices::ofDays(const Problem &problem)
{
    switch (problem.what) {
    case Problem::Damaged:
        return QCoreApplication::translate("MainWindow",
                                           "The days in %1 are damaged, so what was said on each "
                                           "day is left out. Your counts are not affected.")
            .arg(problem.where);
    case Problem::CannotRead:
    case Problem::CannotSave:
        return QCoreApplication::translate("MainWindow", "What was said on each day could not be "
                                                         "read or saved in %1: %2. Your counts "
                                                         "are not affected.")
            .arg(problem.where, problem.why);
    default:
        break;
    }
    return QString();
}
