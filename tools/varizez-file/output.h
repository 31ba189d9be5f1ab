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

} // namespace Output

#endif // VARIZEZ_FILE_OUTPUT_H
