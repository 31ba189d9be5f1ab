// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FILE_COMMANDS_H
#define VARIZEZ_FILE_COMMANDS_H

#include "datalocation.h"

#include <QString>

// The commands that read and write phrase files, each returning the
// program's exit status.
namespace Commands {

int show(const QString &path);
int check(const QString &path);
int exportCsv(const QString &path);
// Replaces target with the whole records of copy.
int restore(const QString &copy, const DataLocation &target);
int importCsv(const QString &csvPath, const DataLocation &target);
// What was said of each phrase (or of that one alone) on each day, the last
// days of them only where days > 0, as CSV: date,phrase,count. With sharing
// on, what every device known said.
int history(const DataLocation &here, const QString &phrase, int days);

} // namespace Commands

#endif // VARIZEZ_FILE_COMMANDS_H
