// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DEVICESTATE_H
#define VARIZEZ_DEVICESTATE_H

#include "filestamp.h"
#include "listmerge.h"

#include <QMap>
#include <QString>
#include <QVector>

// What one device did to one phrase. Each only ever grows, so a device's
// newer file never undoes its older one, and no clock is needed to tell
// which is newer.
struct Tally
{
    qint64 ups = 0;   // counted up by this many
    qint64 downs = 0; // counted down by this many
    qint64 adds = 0;  // how often the device added the phrase (or brought it in)

    qint64 activity() const { return ups + downs + adds; }
    void raise(const Tally &o)
    {
        ups = qMax(ups, o.ups);
        downs = qMax(downs, o.downs);
        adds = qMax(adds, o.adds);
    }
    bool operator==(const Tally &o) const
    {
        return ups == o.ups && downs == o.downs && adds == o.adds;
    }
};

// What a device saw of a phrase when it last reset or removed it: every
// device's tally and the count brought in. A reset takes away what it saw,
// and no more: what others counted that it had not seen stays.
struct Sighting
{
    bool removed = false;
    qint64 base = 0;
    QMap<QString, Tally> tallies; // by device id
};

// One phrase as a device's file holds it.
struct DeviceEntry
{
    PhraseKey key;
    Tally tally;
    bool hasBase = false; // the count this device brought when it began sharing
    qint64 base = 0;
    bool hasSighting = false;
    Sighting sighting;
};

// Everything a device has to say to the others: its own changes, phrase by
// phrase, in the order of its list.
struct DeviceState
{
    QString id;
    QString name;
    qint64 generation = 0;  // one more with every save
    qint64 lastCounted = 0; // milliseconds since 1970 on the device's clock: only shown
    // The device's phrase file as it was on its disk when the device last
    // wrote this: whether the file found at start is still that one.
    FileStamp listStamp;
    QVector<DeviceEntry> entries;
};

#endif // VARIZEZ_DEVICESTATE_H
