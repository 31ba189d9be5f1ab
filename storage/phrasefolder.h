// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASEFOLDER_H
#define VARIZEZ_PHRASEFOLDER_H

#include <QString>
#include <memory>

class QLockFile;

// What the phrase file's folder holds besides the file: the lock that keeps
// two writers apart, copies of damaged files, and what killed saves leave.
namespace PhraseFolder {

// Takes the lock on file, waiting up to waitMs for one who has it. Null
// when someone else keeps it; a lock that cannot be made at all is none to
// heed, and then an empty lock is returned.
std::unique_ptr<QLockFile> lock(const QString &file, int waitMs);

// Copies the bytes of a damaged file aside, as "<file>.damaged", then
// "<file>.damaged-2"..., never over an earlier copy; a program started
// again on the same damaged file finds its copy. True with the copy's path
// in *where; false with the reason in *where.
bool keepDamagedCopy(const QString &file, const QByteArray &bytes, QString *where);

// A file the program keeps beside the phrase file: "varizezCount.sharing"
// and the like beside "varizezCount.bin", for suffix ".sharing".
QString beside(const QString &file, const char *suffix);

// Removes the temporary files that a process killed while it replaced file
// left beside it. Only names that the program makes are taken for such
// leftovers: never a copy that a person made, whatever its name.
void removeLeftovers(const QString &file);

} // namespace PhraseFolder

#endif // VARIZEZ_PHRASEFOLDER_H
