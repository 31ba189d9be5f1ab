// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SIZEPOLICY_H
#define VARIZEZ_SIZEPOLICY_H

#include <QSizePolicy>
#include <QWidget>

// Gives a widget a fresh size policy with no stretch, keeping only its
// height-for-width flag: the way both windows set every size policy.
inline void applySizePolicy(QWidget *widget, QSizePolicy::Policy horizontal,
                            QSizePolicy::Policy vertical)
{
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(widget->sizePolicy().hasHeightForWidth());
    widget->setSizePolicy(policy);
}

#endif // VARIZEZ_SIZEPOLICY_H
