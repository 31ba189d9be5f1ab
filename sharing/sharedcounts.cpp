// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedcounts.h"

#include <QDateTime>
#include <algorithm>

SharedCounts::SharedCounts(const DeviceState &own)
{
    m_devices.append(own);
    setDevices({});
}

void SharedCounts::setDevices(const QVector<DeviceState> &states)
{
    // Each phrase is weighed again once, however many devices arrived.
    for (const DeviceState &state : states) {
        if (state.id == own().id)
            continue; // only this device speaks for itself
        const auto same = std::find_if(m_devices.begin() + 1, m_devices.end(),
                                       [&](const DeviceState &d) { return d.id == state.id; });
        if (same == m_devices.end())
            m_devices.append(state);
        else
            *same = state;
    }
    std::sort(m_devices.begin() + 1, m_devices.end(),
              [](const DeviceState &a, const DeviceState &b) { return a.id < b.id; });
    reindex();
    m_standing.clear();
    for (auto it = m_places.cbegin(); it != m_places.cend(); ++it)
        m_standing.insert(it.key(), standingOf(it.key()));
}

void SharedCounts::reindex()
{
    m_places.clear();
    for (int d = 0; d < m_devices.size(); ++d)
        for (int e = 0; e < m_devices.at(d).entries.size(); ++e)
            m_places[m_devices.at(d).entries.at(e).key].append(Place{d, e});
}

SharedCounts::Standing SharedCounts::standingOf(const PhraseKey &key) const
{
    // What every reset and every removal saw, device by device: each device
    // only adds to its tallies, so the most seen of one is the latest seen.
    const QVector<Place> places = m_places.value(key);
    QMap<QString, Tally> sighted, removedAt;
    bool hasBase = false;
    qint64 base = 0, sightedBase = 0;
    for (const Place &place : places) {
        const DeviceEntry &entry = m_devices.at(place.device).entries.at(place.entry);
        if (entry.hasBase)
            base = hasBase ? qMax(base, entry.base) : entry.base, hasBase = true;
        if (!entry.hasSighting)
            continue;
        sightedBase = qMax(sightedBase, entry.sighting.base);
        for (auto seen = entry.sighting.tallies.cbegin(); seen != entry.sighting.tallies.cend();
             ++seen) {
            sighted[seen.key()].raise(seen.value());
            if (entry.sighting.removed)
                removedAt[seen.key()].raise(seen.value());
        }
    }
    // Only devices whose files are here count: one whose file is gone takes
    // its counting with it, and what resets saw of it no longer matters.
    Standing standing;
    standing.count = hasBase ? qMax<qint64>(0, base - sightedBase) : 0;
    for (const Place &place : places) {
        const QString &device = m_devices.at(place.device).id;
        const Tally &tally = m_devices.at(place.device).entries.at(place.entry).tally;
        const Tally seen = sighted.value(device);
        standing.count += (tally.ups - seen.ups) - (tally.downs - seen.downs);
        standing.shown = standing.shown || tally.activity() > removedAt.value(device).activity();
    }
    return standing;
}

QMap<QString, Tally> SharedCounts::talliesOf(const PhraseKey &key) const
{
    QMap<QString, Tally> tallies;
    for (const Place &place : m_places.value(key))
        tallies.insert(m_devices.at(place.device).id,
                       m_devices.at(place.device).entries.at(place.entry).tally);
    return tallies;
}

qint64 SharedCounts::baseOf(const PhraseKey &key, bool sighted) const
{
    // The largest count brought in, or the largest a reset or removal saw.
    qint64 base = 0;
    for (const Place &place : m_places.value(key)) {
        const DeviceEntry &entry = m_devices.at(place.device).entries.at(place.entry);
        if (!sighted && entry.hasBase)
            base = qMax(base, entry.base);
        if (sighted && entry.hasSighting)
            base = qMax(base, entry.sighting.base);
    }
    return base;
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
        entries.append(PhraseEntry{key.text, ListMerge::clamped(countOf(key))});
    return entries;
}

DeviceEntry &SharedCounts::ownEntry(const PhraseKey &key)
{
    QVector<DeviceEntry> &entries = m_devices.first().entries;
    QVector<Place> &places = m_places[key];
    if (places.isEmpty() || places.first().device != 0) {
        entries.append(DeviceEntry{key, Tally(), false, 0, false, Sighting()});
        places.prepend(Place{0, int(entries.size()) - 1});
    }
    return entries[places.first().entry];
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
    counted(key);
}

void SharedCounts::zero(const PhraseKey &key, bool remove)
{
    const Sighting seen{remove, baseOf(key, false), talliesOf(key)};
    DeviceEntry &entry = ownEntry(key);
    entry.hasSighting = true;
    entry.sighting = seen;
    counted(key);
}

void SharedCounts::counted(const PhraseKey &key)
{
    ++m_changes;
    m_devices.first().lastCounted = QDateTime::currentMSecsSinceEpoch();
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
    const auto countChanged = [this](const PhraseKey &key, qint64 was, qint64 now) {
        if (now == 0 && was != 0)
            zero(key, false);
        else if (now != was)
            change(key, now - was);
    };
    // Most often one count changed, and every phrase kept its place.
    bool samePlaces = before.size() == after.size();
    for (int i = 0; samePlaces && i < before.size(); ++i)
        samePlaces = before.at(i).name == after.at(i).name;
    if (samePlaces) {
        for (int i = 0; i < before.size(); ++i)
            countChanged(keys.at(i), before.at(i).count, after.at(i).count);
        return keys;
    }
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
        countChanged(keys.at(i), before.at(i).count, after.at(j).count);
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
    for (const DeviceState &device : qAsConst(m_devices))
        for (const DeviceEntry &entry : device.entries)
            if (entry.hasSighting && entry.sighting.tallies.contains(own().id))
                seenOfThis.append({entry.key, entry.sighting.tallies.value(own().id)});
    for (const auto &[key, tally] : qAsConst(seenOfThis)) {
        ownEntry(key).tally.raise(tally);
        m_standing.insert(key, standingOf(key));
    }

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
        // The base that makes the count the list's count: above every base
        // and every base a reset saw, by what the list has more.
        const qint64 above = qMax(baseOf(key, false), baseOf(key, true));
        DeviceEntry &entry = ownEntry(key);
        entry.hasBase = true;
        entry.base = list.at(i).count - now.count + above;
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
    QVector<DeviceEntry> &entries = m_devices.first().entries;
    QHash<PhraseKey, int> at;
    for (int i = 0; i < entries.size(); ++i)
        at.insert(entries.at(i).key, i);
    const std::set<PhraseKey> listed(keys.cbegin(), keys.cend());
    QHash<PhraseKey, QVector<DeviceEntry>> hidden;
    QVector<DeviceEntry> arranged;
    const PhraseKey *before = nullptr;
    for (const DeviceEntry &entry : qAsConst(entries)) {
        if (listed.count(entry.key))
            before = &entry.key;
        else if (entry.tally.activity() > 0 || entry.hasBase || entry.hasSighting)
            (before ? hidden[*before] : arranged).append(entry);
    }
    for (const PhraseKey &key : keys) {
        // A phrase this device did nothing to is listed for its place only.
        const int i = at.value(key, -1);
        arranged.append(i >= 0 ? entries.at(i)
                               : DeviceEntry{key, Tally(), false, 0, false, Sighting()});
        arranged += hidden.value(key);
    }
    entries = arranged;
    reindex();
}

void SharedCounts::stamp(const FileStamp &list, qint64 generationAbove)
{
    DeviceState &own = m_devices.first();
    own.generation = qMax(own.generation, generationAbove) + 1;
    own.listStamp = list;
}
