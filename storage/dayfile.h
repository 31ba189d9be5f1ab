// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DAYFILE_H
#define VARIZEZ_DAYFILE_H

#include "daycounts.h"
#include "problem.h"

#include <QByteArray>
#include <QString>

// What was said on each day, kept beside the phrase file as
// "varizezCount.days": the phrase file's bytes stay as every earlier version
// reads them. A damaged days file costs the days, never a count.
//
// Big-endian: the magic "VZDY", the version (1), the checkpoint (the counts
// of the journal that follows it, CountJournal, are not in the file), the
// number of phrases, each phrase (its text as a QDataStream string, its
// number of days, each day and what was said that day, days in order), the
// phrases in the order of their texts, and the SHA-1 of all before it.
namespace DayFile {

// Room for DayCounts::kDayBound days and for texts; a larger file is not
// read.
constexpr qint64 kSizeBound = 48 * 1024 * 1024;

struct Contents
{
    DayCounts days;
    quint64 checkpoint = 0;
};

QString pathFor(const QString &phraseFile);
QString journalPathFor(const QString &phraseFile);

QByteArray bytesOf(const Contents &contents);
// Only a file whole and within every bound is read: each day from 0 to
// DayCounts::kLastDay and in order, each number said from 1, no phrase
// twice, at most DayCounts::kDayBound days.
FileVerdict read(const QByteArray &bytes, Contents *contents);

} // namespace DayFile

#endif // VARIZEZ_DAYFILE_H
