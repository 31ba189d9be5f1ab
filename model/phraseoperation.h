// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASEOPERATION_H
#define VARIZEZ_PHRASEOPERATION_H

#include <QString>

// What the user did to one phrase of the list, as the windows tell the
// store: the store applies it to the list, and with sharing on to this
// device's record, without ever working it out again from two lists.
struct PhraseOperation
{
    enum class Kind {
        CountUp,    // one more
        CountDown,  // one less, never below 0
        Reset,      // to 0
        UndoReset,  // back to `value`, the count Reset took away
        Add,        // a new phrase `text` at the end, count 0
        Remove,     // the phrase at `row`
        UndoRemove, // `text` back at `row` with count `value` and `target`
        SetTarget,  // `value` as the phrase's target (0: none)
    };
    Kind kind = Kind::CountUp;
    int row = -1;
    QString text;
    qint32 value = 0;
    qint32 target = 0;

    // Whether it changes a count alone: every phrase keeps its place and its
    // target.
    bool isCounting() const
    {
        return kind == Kind::CountUp || kind == Kind::CountDown || kind == Kind::Reset ||
               kind == Kind::UndoReset;
    }

    static PhraseOperation on(Kind kind, int row, qint32 value = 0)
    {
        return PhraseOperation{kind, row, QString(), value, 0};
    }
    static PhraseOperation add(const QString &text)
    {
        return PhraseOperation{Kind::Add, -1, text, 0, 0};
    }
    static PhraseOperation undoRemove(int row, const QString &text, qint32 count, qint32 target)
    {
        return PhraseOperation{Kind::UndoRemove, row, text, count, target};
    }
};

#endif // VARIZEZ_PHRASEOPERATION_H
