// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedtargets.h"

void SharedTargets::agree(const QVector<DeviceState> &devices)
{
    m_agreed.clear();
    for (const DeviceState &device : devices)
        for (auto it = device.targets.cbegin(); it != device.targets.cend(); ++it)
            take(it.key(), it.value(), device.id);
}

TargetSetting SharedTargets::set(const PhraseKey &key, qint32 target, const QString &own)
{
    // A stamp at the bound (from a device that claims to have counted that
    // far ahead) is matched rather than passed: ties still go by device id.
    const TargetSetting setting{target, qMin(m_latest + 1, DeviceBounds::kNumber)};
    m_agreed.remove(key);
    take(key, setting, own);
    return setting;
}

void SharedTargets::take(const PhraseKey &key, const TargetSetting &setting, const QString &device)
{
    m_latest = qMax(m_latest, setting.stamp);
    const auto known = m_agreed.constFind(key);
    if (known == m_agreed.cend() || setting.stamp > known->stamp ||
        (setting.stamp == known->stamp && device > known->device))
        m_agreed.insert(key, Agreed{setting.target, setting.stamp, device});
}
