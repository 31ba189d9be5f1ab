// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TARGETFILE_H
#define VARIZEZ_TARGETFILE_H

#include "phrasekey.h"
#include "problem.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The number a phrase is counted to.
struct PhraseTarget
{
    PhraseKey phrase;
    qint32 target = 0;

    bool operator==(const PhraseTarget &o) const
    {
        return phrase == o.phrase && target == o.target;
    }
};

// The targets the user set, kept beside the phrase file as
// "varizezCount.targets": the phrase file's bytes stay as every earlier
// version reads them. A damaged targets file costs the targets, never a
// count.
//
// Big-endian: the magic "VZTG", the version (1), the number of targets,
// each target (the text as a QDataStream string, which row of that text
// it is, the target), and the SHA-1 of all before it, so that a file cut short is
// never taken for whole.
namespace TargetFile {

// The largest target a phrase may have; 0 is none.
constexpr qint32 kTargetBound = 1000000;
// Room for a target on every phrase of the largest list, phrases of 40
// characters; a larger file is not read.
constexpr qint64 kSizeBound = 16 * 1024 * 1024;

QString pathFor(const QString &phraseFile);

QByteArray bytesOf(const QVector<PhraseTarget> &targets);
// Only a file whole and within every bound is read: each target from 1 to
// kTargetBound, no phrase twice, at most the phrase file's bound of them.
FileVerdict read(const QByteArray &bytes, QVector<PhraseTarget> *targets);

} // namespace TargetFile

#endif // VARIZEZ_TARGETFILE_H
