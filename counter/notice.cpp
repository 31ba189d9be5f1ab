// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notice.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QResizeEvent>

Notice::Notice(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("notice"));
    setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    // The path in it can be copied; selecting by mouse takes no focus.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void Notice::show(QBoxLayout *layout, const QString &text)
{
    QWidget *parent = layout->parentWidget();
    auto *notice = parent->findChild<Notice *>(QString(), Qt::FindDirectChildrenOnly);
    if (text.isEmpty()) {
        delete notice;
        return;
    }
    if (!notice) {
        notice = new Notice(parent);
        // As wide as the window from the first: a narrow new label would ask
        // for so many lines that the window grew, out of full screen.
        notice->resize(parent->width(), notice->height());
        layout->insertWidget(0, notice);
    }
    notice->setText(text);
    QAccessibleEvent alert(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QSize Notice::sizeHint() const
{
    return QSize(QLabel::sizeHint().width(), heightForWidth(width()));
}

void Notice::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (event->oldSize().width() != width())
        updateGeometry();
}
