// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASEENTRY_H
#define VARIZEZ_PHRASEENTRY_H

#include <QString>

// One phrase of a list: its text and its count, as the phrase file holds it.
struct PhraseEntry
{
    QString name;
    qint32 count = 0;

    bool operator==(const PhraseEntry &o) const { return count == o.count && name == o.name; }
    bool operator!=(const PhraseEntry &o) const { return !(*this == o); }
};

#endif // VARIZEZ_PHRASEENTRY_H
