// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_LISTMERGE_H
#define VARIZEZ_LISTMERGE_H

#include "phrasekey.h"

#include <QVector>

namespace ListMerge {

// Each phrase's key by its place in the list.
QVector<PhraseKey> keysOf(const QVector<PhraseEntry> &list);
QVector<PhraseKey> keysOf(const QStringList &texts);

// Two sides changed one list: `ours` here, `theirs` elsewhere, both from
// `base`. The result is theirs with our changes made on top, phrase by
// phrase, so that neither side loses a count: a count changed on both sides
// is changed by both; a phrase added on both is one phrase with both counts;
// a phrase removed on one side stays with what the other side counted
// since, if it counted anything; new phrases of ours come last.
QVector<PhraseEntry> merge(const QVector<PhraseEntry> &base, const QVector<PhraseEntry> &ours,
                           const QVector<PhraseEntry> &theirs);

// A count as the phrase file holds it: sums beyond 32 bits stop at the ends.
qint32 clamped(qint64 count);

} // namespace ListMerge

#endif // VARIZEZ_LISTMERGE_H
