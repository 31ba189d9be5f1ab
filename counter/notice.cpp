// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notice.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QLabel>

void Notice::show(QBoxLayout *layout, const QString &text)
{
    QWidget *parent = layout->parentWidget();
    auto *label = parent->findChild<QLabel *>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
    if (text.isEmpty()) {
        delete label;
        return;
    }
    if (!label) {
        label = new QLabel(parent);
        label->setObjectName(QStringLiteral("notice"));
        label->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        // The path in it can be copied; selecting by mouse takes no focus.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->insertWidget(0, label);
    }
    label->setText(text);
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
