// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASEKEY_H
#define VARIZEZ_PHRASEKEY_H

#include "phraseentry.h"

#include <QHash>
#include <QString>

// The most phrases one list holds: the phrase file's bound, which the merge
// keeps too, so that what the devices show together always fits the file.
constexpr qint32 kPhraseBound = 100000;

// A phrase's identity: its text and, as one text may stand in a list more
// than once, which row of that text it is: the first (0), the second (1)...
// Between two lists, the n-th phrase of a text in one is the n-th phrase of
// that text in the other.
struct PhraseKey
{
    QString text;
    qint32 n = 0;

    bool operator==(const PhraseKey &o) const { return n == o.n && text == o.text; }
    bool operator<(const PhraseKey &o) const
    {
        return text < o.text || (text == o.text && n < o.n);
    }
};

inline auto qHash(const PhraseKey &key, decltype(qHash(QString())) seed = 0)
{
    return qHash(key.text, seed) ^ decltype(seed)(key.n);
}

#endif // VARIZEZ_PHRASEKEY_H
