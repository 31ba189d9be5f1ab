// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedcounts.h"

#include <QSet>
#include <algorithm>

SharedCounts::SharedCounts(const DeviceState &own)
{
    m_devices.append(own);
    reindex();
    reviewAll();
}

void SharedCounts::setDevices(const QVector<DeviceState> &states)
{
    if (states.isEmpty())
        return;
    for (const DeviceState &state : states) {
        if (state.id == own().id)
            continue;
        const auto same = std::find_if(m_devices.begin() + 1, m_devices.end(),
                                       [&](const DeviceState &d) { return d.id == state.id; });
        if (same != m_devices.end())
            *same = state;
        else if (m_devices.size() < DeviceBounds::kDevices)
            m_devices.append(state);
    }
    std::sort(m_devices.begin() + 1, m_devices.end(),
              [](const DeviceState &a, const DeviceState &b) { return a.id < b.id; });
    keepWithinBounds();
    reindex();
    reviewAll();
}

void SharedCounts::setOwnTarget(const PhraseKey &key, const TargetSetting &setting)
{
    m_devices.first().targets.insert(key, setting);
    ++m_revision;
}

void SharedCounts::keepWithinBounds()
{
    // However many phrases the other devices bring, this device's own state,
    // which takes in those it shows, stays one its file can hold: other
    // devices' phrases beyond the phrase file's bound are not taken in, the
    // same ones on every device.
    int all = 0;
    for (int d = 1; d < m_devices.size(); ++d)
        all += int(m_devices.at(d).entries.size());
    QSet<PhraseKey> taken;
    if (all > kPhraseBound)
        for (const DeviceEntry &entry : own().entries)
            taken.insert(entry.key);
    int others = 0;
    for (int d = 1; d < m_devices.size(); ++d) {
        QVector<DeviceEntry> &entries = m_devices[d].entries;
        const auto beyond = [&](const DeviceEntry &entry) {
            if (entry.key.n >= kPhraseBound)
                return true;
            if (all <= kPhraseBound || taken.contains(entry.key))
                return false;
            if (others >= kPhraseBound)
                return true;
            ++others;
            taken.insert(entry.key);
            return false;
        };
        entries.erase(std::remove_if(entries.begin(), entries.end(), beyond), entries.end());
    }
}

bool SharedCounts::overclaimed() const
{
    const QString &self = own().id;
    for (auto it = m_places.cbegin(); it != m_places.cend(); ++it) {
        const bool ownHere = it.value().first().device == 0;
        const Tally mine = ownHere ? own().entries.at(it.value().first().entry).tally : Tally();
        for (const Place &place : it.value()) {
            const DeviceEntry &entry = m_devices.at(place.device).entries.at(place.entry);
            if (!entry.reset.tallies.value(self).within(mine) ||
                !entry.removed.tallies.value(self).within(mine))
                return true;
        }
    }
    return false;
}

DeviceState SharedCounts::becomeNew(const DeviceState &fresh)
{
    const DeviceState old = own();
    m_devices.first() = fresh;
    // Only this device speaks for itself, under its new id too.
    m_devices.erase(std::remove_if(m_devices.begin() + 1, m_devices.end(),
                                   [&](const DeviceState &d) { return d.id == fresh.id; }),
                    m_devices.end());
    if (m_devices.size() < DeviceBounds::kDevices)
        m_devices.append(old);
    std::sort(m_devices.begin() + 1, m_devices.end(),
              [](const DeviceState &a, const DeviceState &b) { return a.id < b.id; });
    reindex();
    reviewAll();
    ++m_revision;
    return old;
}

void SharedCounts::reindex()
{
    m_places.clear();
    for (int d = 0; d < m_devices.size(); ++d)
        for (int e = 0; e < m_devices.at(d).entries.size(); ++e)
            m_places[m_devices.at(d).entries.at(e).key].append(Place{d, e});
}

void SharedCounts::reviewAll()
{
    m_views.clear();
    for (auto it = m_places.cbegin(); it != m_places.cend(); ++it)
        m_views.insert(it.key(), viewOf(it.key()));
}

SharedCounts::View SharedCounts::viewOf(const PhraseKey &key) const
{
    const QVector<Place> places = m_places.value(key);
    const auto entryAt = [this](const Place &p) -> const DeviceEntry & {
        return m_devices.at(p.device).entries.at(p.entry);
    };
    bool hasBase = false;
    qint64 base = 0;
    for (const Place &place : places)
        if (entryAt(place).hasBase)
            base = hasBase ? qMax(base, entryAt(place).base) : entryAt(place).base, hasBase = true;
    View view;
    if (hasBase) {
        qint64 resetBase = 0;
        for (const Place &place : places)
            resetBase = qMax(resetBase, qMin(entryAt(place).reset.base, base));
        view.count = base - resetBase;
    }
    for (const Place &place : places) {
        // What all resets, and all removals, saw of this device: no more than
        // it did, as far as its file tells.
        const QString &device = m_devices.at(place.device).id;
        const Tally &tally = entryAt(place).tally;
        Tally reset, removed;
        for (const Place &other : places) {
            reset.raise(entryAt(other).reset.tallies.value(device).lowered(tally));
            removed.raise(entryAt(other).removed.tallies.value(device).lowered(tally));
        }
        view.count =
            DeviceBounds::plus(view.count, (tally.ups - reset.ups) - (tally.downs - reset.downs));
        view.shown = view.shown || !tally.within(removed);
    }
    return view;
}

Seen SharedCounts::everythingKnownOf(const PhraseKey &key) const
{
    Seen seen;
    for (const Place &place : m_places.value(key)) {
        const DeviceEntry &entry = m_devices.at(place.device).entries.at(place.entry);
        if (entry.hasBase)
            seen.base = qMax(seen.base, entry.base);
        if (!entry.tally.isZero())
            seen.tallies.insert(m_devices.at(place.device).id, entry.tally);
    }
    return seen;
}

DeviceEntry &SharedCounts::ownEntry(const PhraseKey &key)
{
    QVector<DeviceEntry> &entries = m_devices.first().entries;
    QVector<Place> &places = m_places[key];
    if (places.isEmpty() || places.first().device != 0) {
        DeviceEntry entry;
        entry.key = key;
        entries.append(entry);
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
    qint64 &side = by > 0 ? tally.ups : tally.downs;
    side = qMin(DeviceBounds::plus(side, qAbs(by)), DeviceBounds::kNumber);
    changed(key);
}

void SharedCounts::zero(const PhraseKey &key, Zero what)
{
    const Seen seen = everythingKnownOf(key);
    DeviceEntry &entry = ownEntry(key);
    entry.reset.raise(seen);
    if (what == Zero::Phrase)
        entry.removed.raise(seen);
    changed(key);
}

void SharedCounts::count(const PhraseKey &key, qint64 by)
{
    if (by == 0)
        return;
    if (countOf(key) < 0)
        zero(key, Zero::Counts);
    change(key, by);
}

void SharedCounts::reset(const PhraseKey &key)
{
    zero(key, Zero::Counts);
}

void SharedCounts::remove(const PhraseKey &key)
{
    zero(key, Zero::Phrase);
}

void SharedCounts::changed(const PhraseKey &key)
{
    ++m_changes;
    ++m_revision;
    m_views.insert(key, viewOf(key));
}

void SharedCounts::setReplaced(const FileStamp &stamp)
{
    m_devices.first().replaced = stamp;
    ++m_revision;
}

void SharedCounts::addQuickWrite(const DeviceState::Undo &undo)
{
    m_devices.first().quickWrites.append(undo);
    ++m_revision;
}

void SharedCounts::clearQuickWrites()
{
    if (m_devices.first().quickWrites.isEmpty())
        return;
    m_devices.first().quickWrites.clear();
    ++m_revision;
}

void SharedCounts::setLastCounted(qint64 msecs)
{
    m_devices.first().lastCounted = msecs;
    ++m_revision;
}

PhraseKey SharedCounts::add(const QString &text, qint64 count, const std::set<PhraseKey> &taken)
{
    const PhraseKey key = freshKey(text, taken);
    Tally &tally = ownEntry(key).tally;
    tally.adds = qMin(tally.adds + 1, DeviceBounds::kNumber);
    changed(key);
    if (count != 0)
        change(key, count);
    return key;
}
