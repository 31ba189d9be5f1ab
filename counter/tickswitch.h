// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TICKSWITCH_H
#define VARIZEZ_TICKSWITCH_H

#include <QObject>

class QBoxLayout;
class QCheckBox;
class QWidget;

// A tick felt on each count, for counting without looking: feedbackd's
// event for a pressed button, which the phone's profile makes a short
// vibration, a sound or nothing. Off until the user asks for it with the
// check box that stands just above Reset and Back: touched, or reached
// with Tab and switched with Space.
class TickSwitch : public QObject
{
    Q_OBJECT

public:
    // The check box goes into layout at index at, and comes after the
    // widget `after` on the way Tab takes.
    TickSwitch(QWidget *dialog, QBoxLayout *layout, int at, QWidget *after);

    // As the user left it last time; nothing is told.
    void setOn(bool on);
    // A count was made: the tick, when it is on. Never waits.
    void counted() const;

signals:
    // The user switched it.
    void switched(bool on);

private:
    QCheckBox *m_box;
};

#endif // VARIZEZ_TICKSWITCH_H
