// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The list as the merge shows it, in this device's order, and as this
// device last wrote it in its phrase file; a new list told apart from the
// one it replaced.

#include "sharedcounts.h"

#include <QSet>
#include <algorithm>
#include <optional>

QVector<PhraseKey> SharedCounts::shown(const QVector<PhraseKey> &order) const
{
    // A phrase shown again (removed here, counted elsewhere) comes back where
    // it was, after the phrase before it in this device's list.
    const std::set<PhraseKey> listed(order.cbegin(), order.cend());
    QMap<PhraseKey, QVector<PhraseKey>> back;
    QVector<PhraseKey> first;
    const PhraseKey *before = nullptr;
    for (const DeviceEntry &entry : own().entries) {
        if (listed.count(entry.key))
            before = &entry.key;
        else if (isShown(entry.key))
            (before ? back[*before] : first).append(entry.key);
    }
    QVector<PhraseKey> keys;
    std::set<PhraseKey> placed;
    const auto place = [&](const PhraseKey &key) {
        if (isShown(key) && placed.insert(key).second)
            keys.append(key);
    };
    for (const PhraseKey &key : first)
        place(key);
    for (const PhraseKey &key : order) {
        place(key);
        for (const PhraseKey &again : back.value(key))
            place(again);
    }
    for (const DeviceState &device : m_devices)
        for (const DeviceEntry &entry : device.entries)
            place(entry.key);
    return keys;
}

QVector<PhraseEntry> SharedCounts::entriesOf(const QVector<PhraseKey> &keys) const
{
    QVector<PhraseEntry> entries;
    entries.reserve(keys.size());
    for (const PhraseKey &key : keys)
        entries.append(PhraseEntry{key.text, ListMerge::clamped(qMax<qint64>(0, countOf(key)))});
    return entries;
}

namespace {

QVector<PhraseEntry> writtenBy(const DeviceState &device, QVector<PhraseKey> *keys = nullptr)
{
    QVector<PhraseEntry> list;
    for (const DeviceEntry &entry : device.entries)
        if (entry.listed) {
            if (keys)
                keys->append(entry.key);
            list.append(PhraseEntry{entry.key.text, entry.written});
        }
    return list;
}

} // namespace

QVector<PhraseEntry> SharedCounts::written(QVector<PhraseKey> *keys) const
{
    keys->clear();
    return writtenBy(own(), keys);
}

bool SharedCounts::writtenElsewhere(const QVector<PhraseEntry> &list) const
{
    return std::any_of(m_devices.cbegin() + 1, m_devices.cend(),
                       [&](const DeviceState &device) { return writtenBy(device) == list; });
}

QVector<PhraseKey> SharedCounts::apply(const QVector<PhraseKey> &keys,
                                       const QVector<PhraseEntry> &before,
                                       const QVector<PhraseEntry> &after)
{
    // The n-th phrase of a text before is the n-th of that text after; the
    // rest were removed or added.
    QHash<QString, QVector<int>> rowsOfText;
    for (int i = 0; i < before.size(); ++i)
        rowsOfText[before.at(i).name].append(i);
    QHash<QString, int> used;
    QVector<PhraseKey> newKeys(after.size());
    QVector<bool> kept(before.size(), false);
    QVector<int> added;
    for (int j = 0; j < after.size(); ++j) {
        const QVector<int> rows = rowsOfText.value(after.at(j).name);
        int &n = used[after.at(j).name];
        if (n >= rows.size()) {
            added.append(j);
            continue;
        }
        const int i = rows.at(n++);
        kept[i] = true;
        newKeys[j] = keys.at(i);
        count(keys.at(i), qint64(after.at(j).count) - before.at(i).count);
    }
    for (int i = 0; i < before.size(); ++i)
        if (!kept.at(i))
            remove(keys.at(i));
    std::set<PhraseKey> taken(newKeys.cbegin(), newKeys.cend());
    for (const int j : qAsConst(added)) {
        newKeys[j] = add(after.at(j).name, after.at(j).count, taken);
        taken.insert(newKeys.at(j));
    }
    return newKeys;
}

QVector<PhraseKey> SharedCounts::join(const QVector<PhraseEntry> &list)
{
    // The n-th phrase of a text here is the n-th of that text shown there.
    QHash<QString, QVector<PhraseKey>> shownOfText;
    for (const PhraseKey &key : shown({}))
        shownOfText[key.text].append(key);
    QHash<QString, int> used;
    QVector<PhraseKey> keys;
    std::set<PhraseKey> taken;
    for (const PhraseEntry &entry : list) {
        const QVector<PhraseKey> there = shownOfText.value(entry.name);
        int &n = used[entry.name];
        keys.append(n < there.size() ? there.at(n++) : freshKey(entry.name, taken));
        taken.insert(keys.last());
    }
    for (int i = 0; i < list.size(); ++i) {
        const PhraseKey &key = keys.at(i);
        const View now = m_views.value(key);
        if (now.shown && list.at(i).count <= now.count)
            continue;
        // The base that makes the count the list's count: above every base
        // and every base a reset saw, by what the list has more.
        qint64 above = 0;
        for (const Place &place : m_places.value(key)) {
            const DeviceEntry &entry = m_devices.at(place.device).entries.at(place.entry);
            above = qMax(above, qMax(entry.hasBase ? entry.base : 0, entry.reset.base));
        }
        DeviceEntry &entry = ownEntry(key);
        entry.hasBase = true;
        entry.base = qBound<qint64>(
            0, DeviceBounds::plus(list.at(i).count - qMax<qint64>(0, now.count), above),
            DeviceBounds::kNumber);
        if (!now.shown)
            entry.tally.adds = qMin(entry.tally.adds + 1, DeviceBounds::kNumber);
        m_views.insert(key, viewOf(key)); // brought in, not counted
        ++m_revision;
    }
    return keys;
}

void SharedCounts::arrange(const QVector<PhraseKey> &keys)
{
    // The phrases no longer listed keep their place, after the phrase before
    // them, so that one shown again can come back there.
    QVector<DeviceEntry> &entries = m_devices.first().entries;
    QHash<PhraseKey, int> at;
    for (int i = 0; i < entries.size(); ++i)
        at.insert(entries.at(i).key, i);
    const std::set<PhraseKey> listed(keys.cbegin(), keys.cend());
    QHash<PhraseKey, QVector<DeviceEntry>> hidden;
    QVector<DeviceEntry> arranged;
    std::optional<PhraseKey> before;
    for (DeviceEntry entry : qAsConst(entries)) {
        entry.listed = false;
        if (listed.count(entry.key))
            before = entry.key;
        else if (!entry.isBlank())
            (before ? hidden[*before] : arranged).append(entry);
    }
    const QVector<PhraseEntry> counts = entriesOf(keys);
    for (int k = 0; k < keys.size(); ++k) {
        DeviceEntry entry;
        if (const int i = at.value(keys.at(k), -1); i >= 0)
            entry = entries.at(i);
        entry.key = keys.at(k);
        entry.listed = true;
        entry.written = counts.at(k).count;
        arranged.append(entry);
        arranged += hidden.value(keys.at(k));
    }
    entries = arranged;
    reindex();
    ++m_revision;
}

void SharedCounts::setWritten(const QVector<PhraseEntry> &rows)
{
    int row = 0;
    for (DeviceEntry &entry : m_devices.first().entries)
        if (entry.listed && row < rows.size())
            entry.written = rows.at(row++).count;
    ++m_revision;
}
