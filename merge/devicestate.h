// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DEVICESTATE_H
#define VARIZEZ_DEVICESTATE_H

#include "daycounts.h"
#include "filestamp.h"
#include "listmerge.h"

#include <QMap>
#include <QString>
#include <QVector>
#include <limits>

// The bounds of what a device's file holds. A file beyond them is damaged,
// so no sum of its numbers can overflow; and the merge keeps this device's
// own state within them, so that its own file is never one the others, or
// itself at its next start, refuse.
namespace DeviceBounds {
// Any number: what a device did to one phrase, what a reset saw of it, a
// count brought in. Far beyond any count made by hand, and one bound for
// all, so that a reset can always see the whole of what a device did.
constexpr qint64 kNumber = qint64(1) << 53;
// Devices one file can name, and devices the merge knows at most.
constexpr int kDevices = 1000;
// Sums of bounded numbers, kept from overflowing however many devices there
// are: past the ends they stay at the ends.
inline qint64 plus(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}
} // namespace DeviceBounds

// What one device did to one phrase. Each number only ever grows, so that a
// device's later file never undoes its earlier one, and no clock is needed
// to tell which is later.
struct Tally
{
    qint64 ups = 0;   // counted up by this much
    qint64 downs = 0; // counted down by this much
    qint64 adds = 0;  // how often the device added the phrase (or brought it in)

    bool isZero() const { return ups == 0 && downs == 0 && adds == 0; }
    // Whether every number is at most the other's.
    bool within(const Tally &o) const { return ups <= o.ups && downs <= o.downs && adds <= o.adds; }
    void raise(const Tally &o)
    {
        ups = qMax(ups, o.ups);
        downs = qMax(downs, o.downs);
        adds = qMax(adds, o.adds);
    }
    Tally lowered(const Tally &o) const
    {
        return Tally{qMin(ups, o.ups), qMin(downs, o.downs), qMin(adds, o.adds)};
    }
    bool operator==(const Tally &o) const
    {
        return ups == o.ups && downs == o.downs && adds == o.adds;
    }
};

// What a device's resets (or its removals) of one phrase saw, all together:
// of each device, the tally it had then, and the largest count brought in.
// A device's tally only grows, so what several resets saw is the most that
// any of them saw.
struct Seen
{
    qint64 base = 0;
    QMap<QString, Tally> tallies; // by device id

    bool isEmpty() const { return base == 0 && tallies.isEmpty(); }
    void raise(const Seen &o)
    {
        base = qMax(base, o.base);
        for (auto it = o.tallies.cbegin(); it != o.tallies.cend(); ++it)
            tallies[it.key()].raise(it.value());
    }
    bool operator==(const Seen &o) const { return base == o.base && tallies == o.tallies; }
};

// One phrase as a device's file holds it.
struct DeviceEntry
{
    PhraseKey key;
    Tally tally;
    bool hasBase = false; // the count this device brought when it began sharing
    qint64 base = 0;      // never below 0
    Seen reset;           // by its resets and removals: those counts no longer count
    Seen removed;         // by its removals: that no longer keeps the phrase shown
    // Whether the phrase is in the phrase file as this device last wrote
    // it, and with which count: what tells this device's own changes of
    // that file apart from the list it was given.
    bool listed = false;
    qint32 written = 0;

    bool isBlank() const { return tally.isZero() && !hasBase && reset.isEmpty() && !listed; }
};

// A target a device set for a phrase (0: it set none). Of all the settings
// of a phrase, the one made last by the order of events holds everywhere:
// a device stamps a setting one past every stamp it has seen, whatever its
// clock says; settings with one stamp, made apart, go to the larger device
// id, the same choice on every device.
struct TargetSetting
{
    qint32 target = 0;
    qint64 stamp = 0;
    bool operator==(const TargetSetting &o) const { return target == o.target && stamp == o.stamp; }
};

// Everything a device tells the others: what it did, phrase by phrase, in
// the order of its list; and for itself, the list it last wrote.
struct DeviceState
{
    QString id;
    QString name;
    qint64 lastCounted = 0; // milliseconds since 1970 by the device's clock: only shown
    // The phrase file as it was just before the device last wrote it: if
    // that write never reached the disk, this is the file found next time.
    FileStamp replaced;
    QVector<DeviceEntry> entries;
    QMap<PhraseKey, TargetSetting> targets; // the latest this device set, phrase by phrase
    // This device's own records only: one more with every record kept, and
    // whether the record read bore this device's seal, so that its copy in
    // the folder, which anyone can write, is taken for its own only then.
    qint64 generation = 0;
    bool sealed = false;
    // The phrase file's writes since its last durable one, which a power cut
    // may take back, newest last: the row each changed and its count before.
    // Such a write only ever changes one count.
    struct Undo
    {
        qint32 row = 0;
        qint32 count = 0;
        bool operator==(const Undo &o) const { return row == o.row && count == o.count; }
    };
    QVector<Undo> quickWrites;
    // What the device said on each day while it shared, and what it had said
    // before, brought in when it began sharing.
    DayCounts days;
    DayCounts daysBrought;
};

#endif // VARIZEZ_DEVICESTATE_H
