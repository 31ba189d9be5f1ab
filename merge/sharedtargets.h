// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SHAREDTARGETS_H
#define VARIZEZ_SHAREDTARGETS_H

#include "devicestate.h"

#include <QHash>

// The targets the devices agree on, from the settings each device made
// (TargetSetting): of each phrase, the setting with the latest stamp, ties
// to the larger device id. Every device that has read the same files agrees,
// whatever order they came in.
class SharedTargets
{
public:
    struct Agreed
    {
        qint32 target = 0;
        qint64 stamp = 0;
        QString device;
    };

    void agree(const QVector<DeviceState> &devices);
    // The target agreed on, 0 for none; whether any device set one at all.
    qint32 targetOf(const PhraseKey &key) const { return m_agreed.value(key).target; }
    bool isSet(const PhraseKey &key) const { return m_agreed.contains(key); }
    // This device (own) sets a phrase's target: a setting later than every
    // one seen, within the bound of a stamp.
    TargetSetting set(const PhraseKey &key, qint32 target, const QString &own);

private:
    void take(const PhraseKey &key, const TargetSetting &setting, const QString &device);

    QHash<PhraseKey, Agreed> m_agreed;
    qint64 m_latest = 0; // the latest stamp seen
};

#endif // VARIZEZ_SHAREDTARGETS_H
