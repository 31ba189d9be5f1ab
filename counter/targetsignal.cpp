// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "targetsignal.h"

#include "desktopevents.h"

#include <QAccessible>
#include <QLabel>

namespace {

// Three short blinks: seen from the corner of an eye, over before the next
// count.
constexpr int kBlinks = 6;
constexpr int kBlinkMs = 90;

} // namespace

DesktopTargetSignal::DesktopTargetSignal()
{
    m_blink.setInterval(kBlinkMs);
    QObject::connect(&m_blink, &QTimer::timeout, [this] {
        if (!m_number || --m_left < 0)
            return m_blink.stop();
        const QLCDNumber::SegmentStyle other =
            m_own == QLCDNumber::Filled ? QLCDNumber::Outline : QLCDNumber::Filled;
        m_number->setSegmentStyle(m_left % 2 ? other : m_own);
    });
}

void DesktopTargetSignal::reached(QLCDNumber *number, QLabel *words)
{
    // A flash still running, begun by an earlier count, starts over; the
    // style it ends with stays the number's own.
    if (!m_blink.isActive() || m_number != number)
        m_own = number->segmentStyle();
    m_number = number;
    m_left = kBlinks - 1; // the first change is made here, the rest by the timer
    number->setSegmentStyle(m_own == QLCDNumber::Filled ? QLCDNumber::Outline : QLCDNumber::Filled);
    m_blink.start();
    QAccessibleEvent alert(words, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    DesktopEvents::taskComplete();
}
