// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "targetstrip.h"

#include "printable.h"
#include "targetsignal.h"
#include "undooffer.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>

TargetStrip::TargetStrip(QBoxLayout *layout, QLCDNumber *number,
                         std::unique_ptr<TargetSignal> signal)
    : m_layout(layout)
    , m_number(number)
    , m_signal(std::move(signal))
{}

TargetStrip::~TargetStrip() = default;

void TargetStrip::start(int target, const QString &next, int count, qint64 saidToday)
{
    stop();
    m_target = target;
    m_nextText = next;
    if (target <= 0)
        return;
    QWidget *window = m_layout->parentWidget();
    m_strip = new QWidget(window);
    m_strip->setObjectName(QStringLiteral("targetStrip"));
    m_strip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_progress = new QLabel(m_strip);
    m_progress->setObjectName(QStringLiteral("targetProgress"));
    m_progress->setTextFormat(Qt::PlainText);
    // On a phone's narrow screen the progress and the way on share a line.
    m_progress->setWordWrap(true);
    m_next = new QPushButton(m_strip);
    m_next->setObjectName(QStringLiteral("btnNext"));
    m_next->setStyleSheet(QStringLiteral("padding: 3px 10px;"));
    m_next->hide();
    auto *row = new QHBoxLayout(m_strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_progress, 1);
    row->addWidget(m_next);
    connect(m_next, &QPushButton::clicked, this, &TargetStrip::next);
    // Below the notice and the undo offer, which are about what went wrong.
    int below = 0;
    for (const char *name : {"notice", "undoOffer"})
        below +=
            window->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly) ? 1 : 0;
    m_layout->insertWidget(below, m_strip);
    counted(count, Change::Other, saidToday);
}

void TargetStrip::counted(int count, Change change, qint64 saidToday)
{
    if (!m_strip)
        return;
    const bool reached = count > 0 && count % m_target == 0;
    const QString of = UndoOffer::number(count), target = UndoOffer::number(m_target),
                  today = UndoOffer::number(saidToday);
    m_progress->setText(
        saidToday < 0
            ? QCoreApplication::translate("Counter", "%1 of %2").arg(of, target)
            : QCoreApplication::translate("Counter", "%1 of %2 · %3 today").arg(of, target, today));
    // The way on shows from the moment the target is reached, as long as
    // the count stays at or above it; the last phrase offers none.
    m_next->setVisible(count >= m_target && !m_nextText.isEmpty());
    m_next->setText(
        QCoreApplication::translate("Counter", "Next: %1").arg(Printable::line(m_nextText, 40)));
    if (reached && change == Change::Up) {
        m_progress->setText(
            saidToday < 0
                ? QCoreApplication::translate("Counter", "%1 of %2: target reached").arg(of, target)
                : QCoreApplication::translate("Counter", "%1 of %2: target reached · %3 today")
                      .arg(of, target, today));
        m_signal->reached(m_number, m_progress);
    }
}

void TargetStrip::stop()
{
    if (m_strip) {
        m_strip->hide();
        m_strip->setParent(nullptr);
        m_strip->deleteLater();
    }
    m_target = 0;
}
