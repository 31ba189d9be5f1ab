// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tickswitch.h"

#include "desktopevents.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QSignalBlocker>

TickSwitch::TickSwitch(QWidget *dialog, QBoxLayout *layout, int at, QWidget *after)
    : QObject(dialog)
    , m_box(new QCheckBox(dialog))
{
    m_box->setObjectName(QStringLiteral("tickSwitch"));
    m_box->setText(QCoreApplication::translate("Counter", "Tick on each count"));
    // Big enough for a thumb, as the buttons around it.
    m_box->setStyleSheet(QStringLiteral("QCheckBox { min-height: 40px; }"));
    // As wide as its text: a tap beside it switches nothing.
    layout->insertWidget(at, m_box, 0, Qt::AlignHCenter);
    QWidget::setTabOrder(after, m_box);
    connect(m_box, &QCheckBox::toggled, this, &TickSwitch::switched);
}

void TickSwitch::setOn(bool on)
{
    const QSignalBlocker quiet(m_box);
    m_box->setChecked(on);
}

void TickSwitch::counted() const
{
    if (m_box->isChecked())
        DesktopEvents::buttonPressed();
}
