// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "counter.h"

#include "beads.h"
#include "counterui.h"
#include "desktopshell.h"
#include "notice.h"
#include "phraselist.h"
#include "targetsignal.h"
#include "targetstrip.h"
#include "tickswitch.h"
#include "undooffer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLCDNumber>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

Counter::Counter(const PhraseList *list, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<CounterUi>())
    , m_list(list)
{
    m_ui->setupUi(this);
    m_target = std::make_unique<TargetStrip>(m_ui->verticalLayout, m_ui->lcdNumber,
                                             std::make_unique<DesktopTargetSignal>());
    connect(m_target.get(), &TargetStrip::next, this, &Counter::nextPhrase);
    // Just above Reset and Back, within reach of a thumb.
    m_tick = new TickSwitch(this, m_ui->verticalLayout,
                            m_ui->verticalLayout->indexOf(m_ui->horizontalLayout), m_ui->btnMinus);
    connect(m_tick, &TickSwitch::switched, this, &Counter::tickSwitched);
    m_ui->lcdNumber->installEventFilter(this);
}

Counter::~Counter()
{
    m_target.reset();
}

void Counter::setBeads(Beads *record)
{
    withdrawUndo();
    m_beads = record;
    m_active = true;
    showCount();
    // Whatever the last run left: a count above 0 can be counted down.
    m_ui->btnMinus->setEnabled(m_shown > 0);
    m_target->start(record ? record->target() : 0, m_nextPhrase, m_shown, saidToday());
}

qint64 Counter::saidToday() const
{
    // Shown with a target alone: without one, counting asks nothing more.
    const bool targeted = m_target->isShown() || (m_beads && m_beads->target() > 0);
    return targeted && m_beads && m_saidToday ? m_saidToday(m_beads->name()) : -1;
}

void Counter::tell(PhraseOperation::Kind kind, qint32 value)
{
    using Kind = PhraseOperation::Kind;
    emit operation(PhraseOperation::on(kind, m_list->rowOf(m_beads), value));
    // A phrase removed while it was counted is counted on here alone, and
    // never comes back into the list.
    if (!m_beads) {
        if (kind == Kind::CountUp && m_shown < std::numeric_limits<int>::max())
            ++m_shown;
        else if (kind == Kind::CountDown)
            --m_shown;
        else if (kind == Kind::Reset || kind == Kind::UndoReset)
            m_shown = kind == Kind::Reset ? 0 : value;
    }
    showCount();
}

void Counter::countUp()
{
    withdrawUndo();
    m_tick->counted();
    tell(PhraseOperation::Kind::CountUp);
    m_ui->btnMinus->setEnabled(true);
    m_target->counted(m_shown, TargetStrip::Change::Up, saidToday());
}

void Counter::countDown()
{
    withdrawUndo();
    if (m_shown > 0) {
        m_tick->counted();
        tell(PhraseOperation::Kind::CountDown);
        m_target->counted(m_shown, TargetStrip::Change::Other, saidToday());
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
    if (m_shown != 0)
        offerUndo(m_shown);
    else
        withdrawUndo();
    tell(PhraseOperation::Kind::Reset);
    m_target->counted(m_shown, TargetStrip::Change::Other, saidToday());
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
        tell(PhraseOperation::Kind::UndoReset, m_countBeforeReset);
        if (m_shown > 0)
            m_ui->btnMinus->setEnabled(true);
        m_target->counted(m_shown, TargetStrip::Change::Other, saidToday());
    });
}

void Counter::withdrawUndo()
{
    UndoOffer::withdraw(m_ui->verticalLayout);
}

void Counter::setTick(bool on)
{
    m_tick->setOn(on);
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
    if (m_beads->count() != m_shown)
        withdrawUndo(); // counted elsewhere since the reset
    showCount();
    m_ui->btnMinus->setEnabled(m_shown > 0);
    m_target->counted(m_shown, TargetStrip::Change::Other, saidToday());
}

void Counter::showCount()
{
    if (m_beads)
        m_shown = m_beads->count();
    // Five digits while the count fits in them; more only for one that
    // does not, a minus sign taking a digit: the display never shows a
    // number other than the count. Shown as text, since the display's own
    // conversion of the smallest int overflows whatever the digits.
    constexpr int kDigits = 5;
    const QString digits = QString::number(m_shown);
    const int wanted = qMax(kDigits, int(digits.size()));
    if (m_ui->lcdNumber->digitCount() != wanted)
        m_ui->lcdNumber->setDigitCount(wanted);
    m_ui->lcdNumber->display(digits);
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

void Counter::keepAwake()
{
    if (m_active && isVisible() && !isMinimized())
        m_awake.hold(QCoreApplication::translate("Counter", "Counting"));
    else
        m_awake.release();
}

void Counter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    keepAwake();
}

void Counter::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    m_awake.release();
}

void Counter::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        keepAwake(); // minimized, or back from it
}

bool Counter::eventFilter(QObject *watched, QEvent *event)
{
    // A finger lifted from the number, as from Plus; the number shows
    // nothing of it.
    if (watched == m_ui->lcdNumber && event->type() == QEvent::MouseButtonRelease && m_active) {
        const auto *release = static_cast<QMouseEvent *>(event);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const QPoint at = release->position().toPoint();
#else
        const QPoint at = release->pos();
#endif
        if (release->button() == Qt::LeftButton && m_ui->lcdNumber->rect().contains(at)) {
            countUp();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
