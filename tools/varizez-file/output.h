// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FILE_OUTPUT_H
#define VARIZEZ_FILE_OUTPUT_H

#include <QString>

// What varizez-file tells, and with which exit status.
namespace Output {

// A failure on standard error, "varizez-file: " first; returns 1.
int fail(const QString &message);
// The same for a wrong option, command or argument; returns 2.
int usageError(const QString &message);
// Text on standard output, as UTF-8.
void print(const QString &text);
// "1 phrase", "2 phrases".
QString phrases(int n);

// Text from a file, the command line or another device, as a message or a
// table quotes it: on one line, its control characters shown as escapes
// (Printable::line), so that it cannot work the terminal or pass for a
// line of ours. Each is cut to a length that still tells it apart.
QString shownPath(const QString &path);     // PATH_MAX: never a real path
QString shownName(const QString &name);     // a device's name or id
QString shownPhrase(const QString &phrase); // long enough for a long dua

} // namespace Output

#endif // VARIZEZ_FILE_OUTPUT_H
