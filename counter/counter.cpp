// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "counter.h"

#include "beads.h"
#include "counterui.h"
#include "desktopshell.h"
#include "notice.h"
#include "targetsignal.h"
#include "targetstrip.h"
#include "undooffer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLCDNumber>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

Counter::Counter(QWidget *parent)
    : QDialog(parent)
    , m_ui(new CounterUi)
{
    m_active = false;
    m_ui->setupUi(this);
    m_count = 0;
    // Made before anyone else connects to valueChanged(), so the record holds
    // the new count by the time later receivers (the save) run.
    connect(this, &Counter::valueChanged, this, &Counter::on_valueChanged);
    m_target = std::make_unique<TargetStrip>(m_ui->verticalLayout, m_ui->lcdNumber,
                                             std::make_unique<DesktopTargetSignal>());
    connect(m_target.get(), &TargetStrip::next, this, &Counter::nextPhrase);
}

Counter::~Counter()
{
    m_target.reset();
    delete m_ui;
}

void Counter::setBeads(Beads *record)
{
    withdrawUndo();
    m_beads = record;
    m_active = true;
    m_count = record ? record->count() : 0;
    // Whatever the last run left: a count above 0 can be counted down.
    m_ui->btnMinus->setEnabled(m_count > 0);
    emit valueChanged();
    m_target->start(record ? record->target() : 0, m_nextPhrase, m_count);
}

void Counter::countUp()
{
    // The count saturates at the largest value rather than wrapping negative.
    withdrawUndo();
    if (m_count < std::numeric_limits<int>::max())
        ++m_count;
    m_ui->btnMinus->setEnabled(true);
    emit valueChanged();
    m_target->counted(m_count, TargetStrip::Change::Up);
}

void Counter::countDown()
{
    withdrawUndo();
    if (m_count > 0) {
        --m_count;
        emit valueChanged();
        m_target->counted(m_count, TargetStrip::Change::Other);
    } else {
        m_ui->btnMinus->setEnabled(false);
    }
}

void Counter::on_btnBack_clicked()
{
    withdrawUndo();
    m_target->stop();
    m_active = false;
    close();
}

void Counter::on_btnPlus_clicked()
{
    countUp();
}

void Counter::on_btnMinus_clicked()
{
    countDown();
}

void Counter::on_btnReset_clicked()
{
    // Reset acts at once, as ever; a count it took away can be had back.
    if (m_count != 0)
        offerUndo(m_count);
    else
        withdrawUndo();
    m_count = 0;
    if (m_beads)
        m_beads->reset();
    emit valueChanged();
    m_target->counted(m_count, TargetStrip::Change::Other);
}

void Counter::offerUndo(int countBefore)
{
    m_countBeforeReset = countBefore;
    UndoOffer *offer =
        UndoOffer::offer(m_ui->verticalLayout,
                         QCoreApplication::translate("Counter", "Count reset from %1")
                             .arg(UndoOffer::number(countBefore)),
                         UndoOffer::By::Button);
    connect(offer, &UndoOffer::undo, this, [this] {
        withdrawUndo();
        m_count = m_countBeforeReset;
        if (m_count > 0)
            m_ui->btnMinus->setEnabled(true);
        emit valueChanged();
        m_target->counted(m_count, TargetStrip::Change::Other);
    });
}

void Counter::withdrawUndo()
{
    UndoOffer::withdraw(m_ui->verticalLayout);
}

void Counter::showNotice(const QString &text)
{
    Notice::show(m_ui->verticalLayout, text);
}

void Counter::takeInCount()
{
    if (!m_active)
        return;
    if (!m_beads) {
        on_btnBack_clicked();
        return;
    }
    if (m_beads->count() != m_count)
        withdrawUndo(); // counted elsewhere since the reset
    m_count = m_beads->count();
    m_ui->btnMinus->setEnabled(m_count > 0);
    on_valueChanged();
    m_target->counted(m_count, TargetStrip::Change::Other);
}

void Counter::on_valueChanged()
{
    // Five digits while the count fits in them; more only for one that
    // does not, a minus sign taking a digit: the display never shows a
    // number other than the count. Shown as text, since the display's own
    // conversion of the smallest int overflows whatever the digits.
    constexpr int kDigits = 5;
    const QString digits = QString::number(m_count);
    const int wanted = qMax(kDigits, int(digits.size()));
    if (m_ui->lcdNumber->digitCount() != wanted)
        m_ui->lcdNumber->setDigitCount(wanted);
    m_ui->lcdNumber->display(digits);
    if (m_beads)
        m_beads->setCount(m_count);
}

void Counter::keyPressEvent(QKeyEvent *event)
{
    // The base class is never asked: Escape must not close the dialog.
    if (!m_active)
        return;
    switch (m_keys.actionOf(*event)) {
    case CountingKeys::CountUp:
        countUp();
        break;
    case CountingKeys::CountDown:
        countDown();
        break;
    case CountingKeys::Nothing: // a modifier or a layout switch, alone
        break;
    case CountingKeys::Other:
        showMinimized();
        DesktopShell::sendExitAppView();
        break;
    }
}
