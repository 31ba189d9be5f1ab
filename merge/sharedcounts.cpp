// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedcounts.h"

#include <QSet>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

// Sums of bounded numbers, kept from overflowing however many devices there
// are: past the ends they stay at the ends.
qint64 plus(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

} // namespace

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
        view.count = plus(view.count, (tally.ups - reset.ups) - (tally.downs - reset.downs));
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
    side = qMin(plus(side, qAbs(by)), DeviceBounds::kNumber);
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
        entry.base = qBound<qint64>(0, plus(list.at(i).count - qMax<qint64>(0, now.count), above),
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
