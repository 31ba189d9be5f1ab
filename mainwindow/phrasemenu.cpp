// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasemenu.h"

#include <QCoreApplication>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QTapAndHoldGesture>

PhraseMenu::PhraseMenu(QListView *list)
    : QObject(list)
    , m_list(list)
    , m_viewport(list->viewport())
{
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popUp(pos, For::PhraseAt); });
    m_list->installEventFilter(this);
    m_viewport->grabGesture(Qt::TapAndHoldGesture);
    m_viewport->installEventFilter(this);
}

bool PhraseMenu::eventFilter(QObject *watched, QEvent *event)
{
    // The viewport's events reach here while the list is being destroyed
    // too: only the pointers kept are compared, the list is not asked.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            const QRect current = m_list->visualRect(m_list->currentIndex());
            popUp(current.isValid() ? current.center() : QPoint(), For::Current);
            return true;
        }
    } else if (watched == m_viewport && event->type() == QEvent::Gesture) {
        auto *gestures = static_cast<QGestureEvent *>(event);
        auto *hold = static_cast<QTapAndHoldGesture *>(gestures->gesture(Qt::TapAndHoldGesture));
        if (hold && hold->state() == Qt::GestureFinished) {
            popUp(m_viewport->mapFromGlobal(hold->position().toPoint()), For::PhraseAt);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PhraseMenu::popUp(const QPoint &pos, For phrase)
{
    // A right click or a long press chooses the phrase it is on, as a click does.
    if (phrase == For::PhraseAt) {
        const QModelIndex index = m_list->indexAt(pos);
        if (!index.isValid())
            return;
        m_list->setCurrentIndex(index);
        emit m_list->clicked(index);
    }
    const int row = m_list->currentIndex().row();
    if (row < 0)
        return;
    QMenu menu(m_list);
    menu.setObjectName(QStringLiteral("phraseMenu"));
    QAction *target = menu.addAction(QCoreApplication::translate("MainWindow", "Target\u2026"));
    target->setObjectName(QStringLiteral("actionTarget"));
    QAction *history = menu.addAction(QCoreApplication::translate("MainWindow", "History\u2026"));
    history->setObjectName(QStringLiteral("actionHistory"));
    const QAction *chosen = menu.exec(m_viewport->mapToGlobal(pos));
    if (chosen == target)
        emit targetWanted(row);
    else if (chosen == history)
        emit historyWanted(row);
}
