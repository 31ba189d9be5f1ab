// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listmerge.h"

#include <QHash>
#include <QMap>
#include <limits>

QVector<PhraseKey> ListMerge::keysOf(const QVector<PhraseEntry> &list)
{
    QHash<QString, qint32> seen;
    QVector<PhraseKey> keys;
    keys.reserve(list.size());
    for (const PhraseEntry &entry : list)
        keys.append(PhraseKey{entry.name, seen[entry.name]++});
    return keys;
}

qint32 ListMerge::clamped(qint64 count)
{
    constexpr qint64 least = std::numeric_limits<qint32>::min();
    constexpr qint64 most = std::numeric_limits<qint32>::max();
    return qint32(qBound(least, count, most));
}

namespace {

QMap<PhraseKey, qint64> countsByKey(const QVector<PhraseEntry> &list)
{
    QMap<PhraseKey, qint64> counts;
    const QVector<PhraseKey> keys = ListMerge::keysOf(list);
    for (int i = 0; i < list.size(); ++i)
        counts.insert(keys.at(i), list.at(i).count);
    return counts;
}

} // namespace

QVector<PhraseEntry> ListMerge::merge(const QVector<PhraseEntry> &base,
                                      const QVector<PhraseEntry> &ours,
                                      const QVector<PhraseEntry> &theirs)
{
    const QMap<PhraseKey, qint64> was = countsByKey(base), ourCounts = countsByKey(ours),
                                  theirCounts = countsByKey(theirs);
    QVector<PhraseEntry> merged;
    // What one side did to a phrase that the other removed: kept if it
    // counted since, with what it counted.
    const auto keepUnlessUntouched = [&](const PhraseKey &key, qint64 now) {
        if (now != was.value(key))
            merged.append(PhraseEntry{key.text, clamped(now - was.value(key))});
    };
    for (const PhraseKey &key : keysOf(theirs)) {
        const qint64 their = theirCounts.value(key);
        if (ourCounts.contains(key))
            merged.append(
                PhraseEntry{key.text, clamped(their + ourCounts.value(key) - was.value(key))});
        else if (was.contains(key))
            keepUnlessUntouched(key, their);
        else
            merged.append(PhraseEntry{key.text, clamped(their)});
    }
    for (const PhraseKey &key : keysOf(ours)) {
        if (theirCounts.contains(key))
            continue;
        if (was.contains(key))
            keepUnlessUntouched(key, ourCounts.value(key));
        else
            merged.append(PhraseEntry{key.text, clamped(ourCounts.value(key))});
    }
    return merged;
}
