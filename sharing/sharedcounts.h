// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDCOUNTS_H
#define VARIZEZ_SHAREDCOUNTS_H

#include "devicestate.h"

#include <QHash>
#include <set>

// The list that devices sharing their counts all show: every device's file
// merged, whatever order the files arrive in and however often. A phrase's
// count is the count brought in when sharing began (the largest any device
// brought), plus every device's counting, less what each reset or removal
// saw; a phrase is shown while some device did something to it that no
// removal saw. Changes made on this device go into its own state, which is
// what its file tells the others.
class SharedCounts
{
public:
    explicit SharedCounts(const DeviceState &own);

    const DeviceState &own() const { return m_devices.first(); }
    // Other devices' latest states, each in place of what it said before.
    void setDevices(const QVector<DeviceState> &states);

    bool isShown(const PhraseKey &key) const { return m_standing.value(key).shown; }
    qint64 countOf(const PhraseKey &key) const { return m_standing.value(key).count; }
    // The phrases shown: those of `order` that are, in its order, then the
    // others in the order of the devices' lists, this device's first.
    QVector<PhraseKey> shown(const QVector<PhraseKey> &order) const;
    QVector<PhraseEntry> entriesOf(const QVector<PhraseKey> &keys) const;

    // This device's list went from `before` (whose keys are `keys`) to
    // `after`: by counting, a reset (a count that went to 0), adding or
    // removing phrases, or a new list put in place of the file. Returns the
    // keys of `after`; each phrase keeps its key, a new one takes the first
    // free key of its text.
    QVector<PhraseKey> apply(const QVector<PhraseKey> &keys, const QVector<PhraseEntry> &before,
                             const QVector<PhraseEntry> &after);
    // Brings this device's list in, once, when it begins sharing: each
    // phrase then shows the larger of its count here and its count among the
    // others, so a count that two devices hold from one history is not
    // doubled. Returns the keys of `list`.
    QVector<PhraseKey> join(const QVector<PhraseEntry> &list);
    // Puts this device's entries in the order of its list, for its file.
    void arrange(const QVector<PhraseKey> &keys);
    // Readies this device's state for its next save: a generation above
    // every one it had, and the stamp of its phrase file as now on the disk.
    void stamp(const FileStamp &list, qint64 generationAbove);
    // How many changes this device has made, so far: whether its file has
    // news for the others.
    qint64 changes() const { return m_changes; }

private:
    struct Standing
    {
        bool shown = false;
        qint64 count = 0;
    };
    struct Place
    {
        int device;
        int entry;
    };
    Standing standingOf(const PhraseKey &key) const;
    QMap<QString, Tally> talliesOf(const PhraseKey &key) const;
    qint64 baseOf(const PhraseKey &key, bool sighted) const;
    DeviceEntry &ownEntry(const PhraseKey &key);
    PhraseKey freshKey(const QString &text, const std::set<PhraseKey> &taken) const;
    void add(const PhraseKey &key, qint64 count);
    void change(const PhraseKey &key, qint64 by);
    void zero(const PhraseKey &key, bool remove);
    void counted(const PhraseKey &key); // after a change of this device's
    void reindex();

    QVector<DeviceState> m_devices;            // this device's first, the others by id
    QHash<PhraseKey, QVector<Place>> m_places; // where each device has each phrase
    QHash<PhraseKey, Standing> m_standing;     // every phrase any device has
    qint64 m_changes = 0;
};

#endif // VARIZEZ_SHAREDCOUNTS_H
