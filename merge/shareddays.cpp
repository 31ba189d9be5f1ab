// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The merge of what the devices said on each day.

#include "sharedcounts.h"

void SharedCounts::countOnDay(const QString &text, qint32 day, int by)
{
    DayCounts &days = m_devices.first().days;
    if (by > 0)
        days.countUp(text, day);
    else
        days.countDown(text, day);
    ++m_revision;
}

void SharedCounts::bringInDays(const DayCounts &days)
{
    m_devices.first().daysBrought.raiseTo(days);
    ++m_revision;
}

void SharedCounts::foldDays(qint32 today)
{
    DeviceState &own = m_devices.first();
    const bool folded = own.days.foldBefore(today);
    if (own.daysBrought.foldBefore(today) || folded)
        ++m_revision;
}

DayCounts SharedCounts::daysOf(const QVector<DeviceState> &devices)
{
    DayCounts said, brought;
    for (const DeviceState &device : devices) {
        said.addAll(device.days);
        brought.raiseTo(device.daysBrought);
    }
    said.addAll(brought);
    return said;
}

qint64 SharedCounts::saidOn(const QString &text, qint32 day) const
{
    qint64 said = 0, brought = 0;
    for (const DeviceState &device : m_devices) {
        said += device.days.said(text, day);
        brought = qMax<qint64>(brought, device.daysBrought.said(text, day));
    }
    return said + brought;
}
