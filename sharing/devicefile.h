// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DEVICEFILE_H
#define VARIZEZ_DEVICEFILE_H

#include "devicestate.h"
#include "problem.h"

#include <QByteArray>

// A device's file: what it tells the devices it shares its counts with.
// Only that device ever writes it, so a file-sync engine never meets two
// writers of one file; but any device in the share could put anything under
// its name, so reading trusts nothing: every length, count and number is
// bounded, and a file ends with a digest of all it holds, so that a file cut
// short or damaged on its way is never taken for whole.
//
// Big-endian throughout (ByteWriter): the magic "VZDC", the version, the
// device's id and name, when it last counted, the stamp of the phrase file
// its last write replaced, the ids of the devices its resets and removals
// saw, its entries, sections (the targets it set; the phrase file's quick
// writes since its last durable one; what it said on each day; a device's
// seal on its own record, which covers the three before it too; those a later version adds, which
// this one skips, as the versions before skip these), and the digest: of
// the SHA-1 of all before the sections, and the sections.
namespace DeviceFile {

// The most a device file may hold: room for the phrase file's bound of
// 100,000 phrases at 160 bytes each (a phrase of 40 characters, its numbers
// and what the resets and removals of a few devices saw). A larger one is
// not read at all.
constexpr qint64 kSizeBound = 16 * 1024 * 1024;

// With a key, the file is sealed with it: its generation, and a code
// that only the key makes, of all the rest.
QByteArray bytesOf(const DeviceState &state, const QByteArray &key = QByteArray());
// Reads a file that bytes holds whole; the state is only set when Whole,
// and is sealed only when the file bears key's seal.
FileVerdict read(const QByteArray &bytes, DeviceState *state, const QByteArray &key = QByteArray());

// "varizez-<id>.counts"; the id of such a name, or an empty one.
QString nameFor(const QString &id);
QString idOf(const QString &fileName);

} // namespace DeviceFile

#endif // VARIZEZ_DEVICEFILE_H
