// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_ABOUTBOX_H
#define VARIZEZ_ABOUTBOX_H

#include <QString>

class QWidget;

namespace AboutBox {

// The program's notices, until the user closes them.
void exec(QWidget *parent, const QString &styleSheet);

} // namespace AboutBox

#endif // VARIZEZ_ABOUTBOX_H
