// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDCOUNTS_H
#define VARIZEZ_SHAREDCOUNTS_H

#include "devicestate.h"

#include <QHash>
#include <set>

// The merge: the list that devices sharing their counts all show, from what
// each device did, whatever order their files arrive in and however often.
// It reads no file and no clock: it is given this device's own state and
// the other devices' states, and it is told the changes made here.
//
// Every count and every add is an element of its own; a device's tally of a
// phrase is how far it got, so "seen" is a tally too. A reset takes away
// the counts of the phrase that its device had seen; a removal takes away
// the phrase as its device saw it. So a phrase's count is the count brought
// in when sharing began (the largest any device brought, less what resets
// saw of it), plus each device's counting that no reset or removal saw; and
// a phrase is shown while some device did something to it that no removal
// saw. What a reset claims to have seen of a device counts only as far as
// that device's own file goes, so a file cannot take away counts that
// their device has not made yet; and a device that others claim to have
// seen beyond what it did goes on as a new one, so none is ever silenced.
class SharedCounts
{
public:
    explicit SharedCounts(const DeviceState &own);

    const DeviceState &own() const { return m_devices.first(); }
    // Every device's state, this device's first.
    const QVector<DeviceState> &devices() const { return m_devices; }
    // This device set a phrase's target (SharedTargets makes the setting).
    void setOwnTarget(const PhraseKey &key, const TargetSetting &setting);
    // The other devices' latest states, each in place of what it said before.
    // A state under this device's own id is never taken: only this device
    // speaks for itself.
    void setDevices(const QVector<DeviceState> &states);
    // Whether some device claims to have seen more of this device than it
    // did: its record was lost, or the claim is forged. Its counts from here
    // on would not show; it goes on as a new device (becomeNew).
    bool overclaimed() const;
    // This device goes on as fresh, a device with nothing done yet: what it
    // did so far stays, as the state of another device, whose file stays
    // where it is. Returns that state.
    DeviceState becomeNew(const DeviceState &fresh);

    bool isShown(const PhraseKey &key) const { return m_views.value(key).shown; }
    // Below 0 when the devices counted down more than resets left them.
    qint64 countOf(const PhraseKey &key) const { return m_views.value(key).count; }
    // The phrases shown: those of `order` that are, in its order, then the
    // others in the order of the devices' lists, this device's first.
    QVector<PhraseKey> shown(const QVector<PhraseKey> &order) const;
    // The phrases with their counts as shown: never below 0.
    QVector<PhraseEntry> entriesOf(const QVector<PhraseKey> &keys) const;
    // The list this device last wrote in its phrase file, and its keys.
    QVector<PhraseEntry> written(QVector<PhraseKey> *keys) const;
    // Whether list is what some other device last wrote in its phrase file:
    // one home used by two machines in turn (two systems on one disk).
    bool writtenElsewhere(const QVector<PhraseEntry> &list) const;

    // What the user did here, phrase by phrase. A count changed from below
    // 0 (shown as 0) starts with a reset: the user counts from what they see.
    void count(const PhraseKey &key, qint64 by);
    void reset(const PhraseKey &key);
    void remove(const PhraseKey &key);
    // A phrase added with that count: the first key of its text that is
    // neither shown nor taken.
    PhraseKey add(const QString &text, qint64 count, const std::set<PhraseKey> &taken);
    // This device's list went from `before` (whose keys are `keys`) to
    // `after`, a new list put in its place (an import, or another program's
    // change of the phrase file): what is told apart is done as the user's
    // operations above. Returns the keys of `after`; each phrase keeps its
    // key.
    QVector<PhraseKey> apply(const QVector<PhraseKey> &keys, const QVector<PhraseEntry> &before,
                             const QVector<PhraseEntry> &after);
    // Brings this device's list in, once, when it begins sharing: each
    // phrase then shows the larger of its count here and its count among the
    // others, so a count that two devices hold from one history is not
    // doubled. Returns the keys of `list`.
    QVector<PhraseKey> join(const QVector<PhraseEntry> &list);
    // This device is about to write its phrase file with the phrases of
    // `keys` and their counts: its entries take that order and remember it.
    void arrange(const QVector<PhraseKey> &keys);
    // The same, when only the counts of those phrases changed.
    void setWritten(const QVector<PhraseEntry> &rows);
    void setReplaced(const FileStamp &stamp);
    // The phrase file's quick writes since its last durable one: one more,
    // or none now that it is durable.
    void addQuickWrite(const DeviceState::Undo &undo);
    void clearQuickWrites();
    void setLastCounted(qint64 msecs);
    // This device said a phrase once more, or once less (by -1), on that day.
    void countOnDay(const QString &text, qint32 day, int by);
    // What this device had said on each day before it began sharing.
    void bringInDays(const DayCounts &days);
    // Days older than DayCounts::kWholeDays before today kept by the month.
    void foldDays(qint32 today);
    // What all the devices said on each day: of each, what it said while
    // sharing; and of what they brought in, the most any brought, so that
    // one history that two devices hold is not doubled.
    DayCounts days() const { return daysOf(m_devices); }
    // Of days(), what was said of one phrase on one day.
    qint64 saidOn(const QString &text, qint32 day) const;
    static DayCounts daysOf(const QVector<DeviceState> &devices);
    // Readies this device's state to be kept again: one generation on.
    void nextGeneration() { ++m_devices.first().generation; }
    // How many changes this device has made so far, counting and the like.
    qint64 changes() const { return m_changes; }
    // How often this device's state changed in any way: whether it must be
    // kept again.
    qint64 revision() const { return m_revision; }

private:
    struct View
    {
        bool shown = false;
        qint64 count = 0;
    };
    struct Place
    {
        int device;
        int entry;
    };
    View viewOf(const PhraseKey &key) const;
    Seen everythingKnownOf(const PhraseKey &key) const;
    DeviceEntry &ownEntry(const PhraseKey &key);
    PhraseKey freshKey(const QString &text, const std::set<PhraseKey> &taken) const;
    void change(const PhraseKey &key, qint64 by);
    // What zero() takes away: the counts alone, or the phrase too.
    enum class Zero { Counts, Phrase };
    void zero(const PhraseKey &key, Zero what);
    void changed(const PhraseKey &key);
    void keepWithinBounds();
    void reindex();
    void reviewAll();

    QVector<DeviceState> m_devices;            // this device's first, the others by id
    QHash<PhraseKey, QVector<Place>> m_places; // where each device has each phrase
    QHash<PhraseKey, View> m_views;            // every phrase any device has
    qint64 m_changes = 0;
    qint64 m_revision = 0;
};

#endif // VARIZEZ_SHAREDCOUNTS_H
