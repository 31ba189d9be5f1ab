// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "targetsignal.h"

#include <QAccessible>
#include <QLCDNumber>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

// Three short blinks: seen from the corner of an eye, over before the next
// count.
constexpr int kBlinks = 6;
constexpr int kBlinkMs = 90;

// The other segment style for a moment, then the number's own again.
void blink(QPointer<QLCDNumber> number, QLCDNumber::SegmentStyle own, int left)
{
    if (!number)
        return;
    const QLCDNumber::SegmentStyle other =
        own == QLCDNumber::Filled ? QLCDNumber::Outline : QLCDNumber::Filled;
    number->setSegmentStyle(left % 2 ? other : own);
    if (left > 0)
        QTimer::singleShot(kBlinkMs, number, [number, own, left] { blink(number, own, left - 1); });
}

} // namespace

void FlashAndAnnounce::reached(QLCDNumber *number, QLabel *words)
{
    // A blink begun by the last count may still run: its end is the own style.
    if (!number->property("blinking").toBool()) {
        number->setProperty("blinking", true);
        const QLCDNumber::SegmentStyle own = number->segmentStyle();
        blink(number, own, kBlinks);
        QTimer::singleShot(kBlinkMs * kBlinks + 1, number,
                           [number] { number->setProperty("blinking", false); });
    }
    QAccessibleEvent alert(words, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
