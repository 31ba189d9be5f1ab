// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "undooffer.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>

UndoOffer::UndoOffer(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel(this))
    , m_button(new QPushButton(this))
{
    setObjectName(QStringLiteral("undoOffer"));
    m_text->setObjectName(QStringLiteral("undoText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setStyleSheet(QStringLiteral("color: rgb(0, 170, 0);"));
    m_button->setObjectName(QStringLiteral("btnUndo"));
    m_button->setText(QCoreApplication::translate("UndoOffer", "Undo"));
    m_button->setStyleSheet(QStringLiteral("padding: 3px 10px;"));
    // As tall as its line, as the notice is: the window keeps its room.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_text, 1);
    row->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &UndoOffer::undo);
}

UndoOffer *UndoOffer::offer(QBoxLayout *layout, const QString &text, By by)
{
    withdraw(layout);
    QWidget *window = layout->parentWidget();
    auto *offer = new UndoOffer(window);
    offer->resize(window->width(), offer->height()); // as the notice: see Notice::show
    offer->m_text->setText(text);
    offer->m_button->setAccessibleDescription(text);
    if (by == By::ButtonAndKeys) {
        auto *keys = new QShortcut(QKeySequence::Undo, offer);
        connect(keys, &QShortcut::activated, offer, &UndoOffer::undo);
    }
    // Below the notice of a failure, which stays in sight.
    const bool notice =
        window->findChild<QWidget *>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
    layout->insertWidget(notice ? 1 : 0, offer);
    QAccessibleEvent alert(offer->m_text, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    return offer;
}

void UndoOffer::withdraw(QBoxLayout *layout)
{
    // Out of the window at once; deleted once its Undo, which may be what
    // withdraws it, has returned.
    if (auto *offer =
            layout->parentWidget()->findChild<UndoOffer *>(QString(), Qt::FindDirectChildrenOnly)) {
        offer->hide();
        offer->setParent(nullptr);
        offer->deleteLater();
    }
}

QString UndoOffer::number(int count)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(count);
}
