// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listmerge.h"

#include <QHash>
#include <QMap>
#include <QStringList>
#include <limits>

QVector<PhraseKey> ListMerge::keysOf(const QStringList &texts)
{
    QHash<QString, qint32> seen;
    QVector<PhraseKey> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts)
        keys.append(PhraseKey{text, seen[text]++});
    return keys;
}

QVector<PhraseKey> ListMerge::keysOf(const QVector<PhraseEntry> &list)
{
    QStringList texts;
    texts.reserve(list.size());
    for (const PhraseEntry &entry : list)
        texts.append(entry.name);
    return keysOf(texts);
}

qint32 ListMerge::clamped(qint64 count)
{
    constexpr qint64 least = std::numeric_limits<qint32>::min();
    constexpr qint64 most = std::numeric_limits<qint32>::max();
    return qint32(qBound(least, count, most));
}

namespace {

// A list's phrases by key, with their counts, and the keys in its order.
struct Keyed
{
    QVector<PhraseKey> order;
    QMap<PhraseKey, qint64> counts;

    explicit Keyed(const QVector<PhraseEntry> &list)
        : order(ListMerge::keysOf(list))
    {
        for (int i = 0; i < list.size(); ++i)
            counts.insert(order.at(i), list.at(i).count);
    }
};

} // namespace

QVector<PhraseEntry> ListMerge::merge(const QVector<PhraseEntry> &base,
                                      const QVector<PhraseEntry> &ours,
                                      const QVector<PhraseEntry> &theirs)
{
    const QMap<PhraseKey, qint64> was = Keyed(base).counts;
    const Keyed ourList(ours), theirList(theirs);
    QVector<PhraseEntry> merged;
    // What one side did to a phrase that the other removed: kept if it
    // counted since, with what it counted.
    const auto keepUnlessUntouched = [&](const PhraseKey &key, qint64 now) {
        if (now != was.value(key))
            merged.append(PhraseEntry{key.text, clamped(now - was.value(key))});
    };
    for (const PhraseKey &key : theirList.order) {
        const qint64 their = theirList.counts.value(key);
        if (ourList.counts.contains(key))
            merged.append(
                PhraseEntry{key.text, clamped(their + ourList.counts.value(key) - was.value(key))});
        else if (was.contains(key))
            keepUnlessUntouched(key, their);
        else
            merged.append(PhraseEntry{key.text, clamped(their)});
    }
    for (const PhraseKey &key : ourList.order) {
        if (theirList.counts.contains(key))
            continue;
        if (was.contains(key))
            keepUnlessUntouched(key, ourList.counts.value(key));
        else
            merged.append(PhraseEntry{key.text, clamped(ourList.counts.value(key))});
    }
    return merged;
}
