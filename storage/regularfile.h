// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_REGULARFILE_H
#define VARIZEZ_REGULARFILE_H

#include <QByteArray>
#include <QString>

// Reading a file that someone else may have put there (another device, a
// sync engine): only a regular file, never through a link, never waiting on
// a pipe, never opening a device, never reading more than a bound, however
// the file grows meanwhile.
namespace RegularFile {

// The whole file, of at most `bound` bytes. False with the reason, in the
// user's language, otherwise; *absent when there is nothing under that name.
bool read(const QString &path, qint64 bound, QByteArray *bytes, QString *reason,
          bool *absent = nullptr);

} // namespace RegularFile

#endif // VARIZEZ_REGULARFILE_H
