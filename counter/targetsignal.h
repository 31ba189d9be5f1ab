// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TARGETSIGNAL_H
#define VARIZEZ_TARGETSIGNAL_H

#include <QLCDNumber>
#include <QPointer>
#include <QTimer>

class QLabel;

// How the user learns that a count reached its target, eyes closed or not.
// Each way is tried at once and none waits: a missing sound server or
// haptic service leaves the others.
class TargetSignal
{
public:
    virtual ~TargetSignal() = default;
    // The count shown by number reached the target (or a multiple of it);
    // the label says so in words, for a screen reader.
    virtual void reached(QLCDNumber *number, QLabel *words) = 0;
};

// The number flashes briefly, a screen reader announces the text, and the
// desktop plays its sound and gives its feedback for a finished task.
class DesktopTargetSignal : public TargetSignal
{
public:
    DesktopTargetSignal();
    void reached(QLCDNumber *number, QLabel *words) override;

private:
    QTimer m_blink;
    QPointer<QLCDNumber> m_number;
    QLCDNumber::SegmentStyle m_own = QLCDNumber::Outline; // the number's style between blinks
    int m_left = 0;                                       // style changes still to come
};

#endif // VARIZEZ_TARGETSIGNAL_H
