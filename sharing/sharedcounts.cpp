// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedcounts.h"

#include <QDateTime>

SharedCounts::SharedCounts(const DeviceState &own)
    : m_ownId(own.id)
{
    m_devices.insert(own.id, own);
    reindex(own.id);
    restand();
}

void SharedCounts::setDevice(const DeviceState &state)
{
    if (state.id == m_ownId)
        return; // only this device speaks for itself
    m_devices.insert(state.id, state);
    reindex(state.id);
    restand();
}

void SharedCounts::forgetDevice(const QString &id)
{
    if (id == m_ownId || !m_devices.remove(id))
        return;
    m_index.remove(id);
    restand();
}

void SharedCounts::reindex(const QString &device)
{
    QMap<PhraseKey, int> &index = m_index[device];
    index.clear();
    const QVector<DeviceEntry> &entries = m_devices[device].entries;
    for (int i = 0; i < entries.size(); ++i)
        index.insert(entries.at(i).key, i);
}

void SharedCounts::restand()
{
    m_standing.clear();
    for (const QMap<PhraseKey, int> &index : qAsConst(m_index))
        for (auto it = index.cbegin(); it != index.cend(); ++it)
            if (!m_standing.contains(it.key()))
                m_standing.insert(it.key(), standingOf(it.key()));
}

const DeviceEntry *SharedCounts::entryOf(const QString &device, const PhraseKey &key) const
{
    const QMap<PhraseKey, int> index = m_index.value(device);
    const auto at = index.constFind(key);
    return at == index.cend() ? nullptr : &m_devices.constFind(device)->entries.at(*at);
}

QMap<QString, Tally> SharedCounts::talliesOf(const PhraseKey &key) const
{
    QMap<QString, Tally> tallies;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        if (const DeviceEntry *entry = entryOf(it.key(), key))
            tallies.insert(it.key(), entry->tally);
    return tallies;
}

SharedCounts::Standing SharedCounts::standingOf(const PhraseKey &key) const
{
    // What every reset and every removal saw, device by device: each device
    // only adds to its tallies, so the most seen of one is the latest seen.
    QMap<QString, Tally> sighted, removedAt;
    bool hasBase = false;
    qint64 base = 0, sightedBase = 0;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it) {
        const DeviceEntry *entry = entryOf(it.key(), key);
        if (!entry)
            continue;
        if (entry->hasBase)
            base = hasBase ? qMax(base, entry->base) : entry->base, hasBase = true;
        if (!entry->hasSighting)
            continue;
        sightedBase = qMax(sightedBase, entry->sighting.base);
        for (auto seen = entry->sighting.tallies.cbegin(); seen != entry->sighting.tallies.cend();
             ++seen) {
            sighted[seen.key()].raise(seen.value());
            if (entry->sighting.removed)
                removedAt[seen.key()].raise(seen.value());
        }
    }
    // Only devices whose files are here count: one whose file is gone takes
    // its counting with it, and what resets saw of it no longer matters.
    Standing standing;
    standing.count = hasBase ? qMax<qint64>(0, base - sightedBase) : 0;
    const QMap<QString, Tally> tallies = talliesOf(key);
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        const Tally seen = sighted.value(it.key());
        standing.count += (it->ups - seen.ups) - (it->downs - seen.downs);
        standing.shown = standing.shown || it->activity() > removedAt.value(it.key()).activity();
    }
    return standing;
}

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
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        for (const DeviceEntry &entry : it->entries)
            place(entry.key);
    return keys;
}

QVector<PhraseEntry> SharedCounts::entriesOf(const QVector<PhraseKey> &keys) const
{
    QVector<PhraseEntry> entries;
    entries.reserve(keys.size());
    for (const PhraseKey &key : keys)
        entries.append(PhraseEntry{key.text, ListMerge::clamped(countOf(key))});
    return entries;
}

DeviceEntry &SharedCounts::ownEntry(const PhraseKey &key)
{
    DeviceState &own = m_devices[m_ownId];
    QMap<PhraseKey, int> &index = m_index[m_ownId];
    auto at = index.find(key);
    if (at == index.end()) {
        own.entries.append(DeviceEntry{key, Tally(), false, 0, false, Sighting()});
        at = index.insert(key, own.entries.size() - 1);
    }
    return own.entries[*at];
}

PhraseKey SharedCounts::freshKey(const QString &text, const std::set<PhraseKey> &taken) const
{
    PhraseKey key{text, 0};
    while (isShown(key) || taken.count(key))
        ++key.n;
    return key;
}

void SharedCounts::change(const PhraseKey &key, qint64 by)
{
    Tally &tally = ownEntry(key).tally;
    (by > 0 ? tally.ups : tally.downs) += qAbs(by);
    ++m_changes;
    m_devices[m_ownId].lastCounted = QDateTime::currentMSecsSinceEpoch();
    m_standing.insert(key, standingOf(key));
}

void SharedCounts::zero(const PhraseKey &key, bool remove)
{
    const QMap<QString, Tally> tallies = talliesOf(key);
    qint64 base = 0;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        if (const DeviceEntry *entry = entryOf(it.key(), key); entry && entry->hasBase)
            base = qMax(base, entry->base);
    DeviceEntry &entry = ownEntry(key);
    entry.hasSighting = true;
    entry.sighting = Sighting{remove, base, tallies};
    ++m_changes;
    m_devices[m_ownId].lastCounted = QDateTime::currentMSecsSinceEpoch();
    m_standing.insert(key, standingOf(key));
}

void SharedCounts::add(const PhraseKey &key, qint64 count)
{
    // A phrase added again starts from its new count, whatever its history.
    if (m_standing.contains(key))
        zero(key, false);
    ownEntry(key).tally.adds += 1;
    change(key, count);
}

QVector<PhraseKey> SharedCounts::apply(const QVector<PhraseKey> &keys,
                                       const QVector<PhraseEntry> &before,
                                       const QVector<PhraseEntry> &after)
{
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
        const qint64 was = before.at(i).count, now = after.at(j).count;
        if (now == 0 && was != 0)
            zero(keys.at(i), false);
        else if (now != was)
            change(keys.at(i), now - was);
    }
    for (int i = 0; i < before.size(); ++i)
        if (!kept.at(i))
            zero(keys.at(i), true);
    std::set<PhraseKey> taken(newKeys.cbegin(), newKeys.cend());
    for (const int j : qAsConst(added)) {
        newKeys[j] = freshKey(after.at(j).name, taken);
        taken.insert(newKeys.at(j));
        add(newKeys.at(j), after.at(j).count);
    }
    return newKeys;
}

QVector<PhraseKey> SharedCounts::join(const QVector<PhraseEntry> &list)
{
    // Should this device's own record have been lost, its counting goes on
    // from what the others saw of it, so their resets take away no more.
    QVector<QPair<PhraseKey, Tally>> seenOfThis;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        for (const DeviceEntry &entry : it->entries)
            if (entry.hasSighting && entry.sighting.tallies.contains(m_ownId))
                seenOfThis.append({entry.key, entry.sighting.tallies.value(m_ownId)});
    for (const auto &[key, tally] : qAsConst(seenOfThis))
        ownEntry(key).tally.raise(tally);
    restand();

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
        const Standing now = m_standing.value(key);
        if (now.shown && list.at(i).count <= now.count)
            continue;
        // The base that makes the count list's count: above every base and
        // every base a reset saw, by what the list has more.
        qint64 base = 0, sightedBase = 0;
        for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
            if (const DeviceEntry *entry = entryOf(it.key(), key)) {
                base = entry->hasBase ? qMax(base, entry->base) : base;
                sightedBase =
                    entry->hasSighting ? qMax(sightedBase, entry->sighting.base) : sightedBase;
            }
        DeviceEntry &entry = ownEntry(key);
        entry.hasBase = true;
        entry.base = list.at(i).count - now.count + qMax(base, sightedBase);
        if (!now.shown)
            entry.tally.adds += 1;
        ++m_changes;
        m_standing.insert(key, standingOf(key));
    }
    return keys;
}

void SharedCounts::arrange(const QVector<PhraseKey> &keys)
{
    // The phrases no longer shown keep their place, after the phrase before
    // them, so that one shown again can come back there.
    DeviceState &own = m_devices[m_ownId];
    const std::set<PhraseKey> listed(keys.cbegin(), keys.cend());
    QMap<PhraseKey, QVector<DeviceEntry>> hidden;
    QVector<DeviceEntry> arranged;
    const PhraseKey *before = nullptr;
    for (const DeviceEntry &entry : qAsConst(own.entries)) {
        if (listed.count(entry.key))
            before = &entry.key;
        else if (entry.tally.activity() > 0 || entry.hasBase || entry.hasSighting)
            (before ? hidden[*before] : arranged).append(entry);
    }
    for (const PhraseKey &key : keys) {
        // A phrase this device did nothing to is listed for its place only.
        const DeviceEntry *entry = entryOf(m_ownId, key);
        arranged.append(entry ? *entry : DeviceEntry{key, Tally(), false, 0, false, Sighting()});
        arranged += hidden.value(key);
    }
    own.entries = arranged;
    reindex(m_ownId);
}

void SharedCounts::stamp(quint64 listBefore, quint64 listAfter)
{
    DeviceState &own = m_devices[m_ownId];
    ++own.generation;
    own.listDigests[0] = listBefore;
    own.listDigests[1] = listAfter;
}
