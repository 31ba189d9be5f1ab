// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "historydialog.h"

#include "historychart.h"
#include "historystats.h"
#include "printable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QDate dateOf(qint32 day)
{
    return QDate(1970, 1, 1).addDays(day);
}

QLabel *caption(const char *text, QWidget *parent)
{
    auto *label = new QLabel(translated(text), parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

HistoryDialog::HistoryDialog(QWidget *parent, const DayCounts &days, const QVector<Phrase> &phrases,
                             int row, qint32 today)
    : QDialog(parent)
    , m_days(days)
    , m_phrases(phrases)
    , m_today(today)
{
    setObjectName(QStringLiteral("historyDialog"));
    setWindowTitle(translated("History"));
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_choice = new QComboBox(page);
    m_choice->setObjectName(QStringLiteral("historyPhrase"));
    m_choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_choice->setMinimumContentsLength(12);
    m_choice->addItem(translated("All phrases"));
    for (const Phrase &phrase : phrases)
        m_choice->addItem(Printable::line(phrase.text, 60));
    layout->addWidget(m_choice);
    for (QLabel **label : {&m_said, &m_best, &m_total, &m_streak}) {
        *label = new QLabel(page);
        (*label)->setWordWrap(true);
        layout->addWidget(*label);
    }
    m_week = new HistoryChart(HistoryChart::Kind::Bars, page);
    m_month = new HistoryChart(HistoryChart::Kind::Bars, page);
    m_year = new HistoryChart(HistoryChart::Kind::Calendar, page);
    const std::initializer_list<std::pair<const char *, HistoryChart *>> charts = {
        {QT_TRANSLATE_NOOP("MainWindow", "The last 7 days"), m_week},
        {QT_TRANSLATE_NOOP("MainWindow", "The last 30 days"), m_month},
        {QT_TRANSLATE_NOOP("MainWindow", "The last year"), m_year}};
    for (const auto &[text, chart] : charts) {
        QLabel *label = caption(text, page);
        chart->setAccessibleName(label->text());
        layout->addWidget(label);
        layout->addWidget(chart);
    }
    layout->addStretch();
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll);
    outer->addWidget(buttons);
    connect(m_choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &HistoryDialog::showChoice);
    m_choice->setCurrentIndex(row >= 0 && row < phrases.size() ? row + 1 : 0);
    showChoice(m_choice->currentIndex());
    // All of it at once where the screen has room; what does not fit scrolls.
    const QSize whole = page->sizeHint() + QSize(0, buttons->sizeHint().height() + 40);
    const QSize room = screen()->availableSize() * 9 / 10;
    resize(whole.boundedTo(room));
}

void HistoryDialog::showChoice(int choice)
{
    const bool all = choice <= 0 || choice > m_phrases.size();
    const Phrase phrase = all ? Phrase() : m_phrases.at(choice - 1);
    const HistoryStats stats =
        HistoryStats::of(m_days, all ? QString() : phrase.text, phrase.target, m_today);
    const QLocale here = locale();
    m_said->setText(translated("Today: %1").arg(here.toString(stats.saidToday)));
    m_best->setText(stats.bestDay < 0
                        ? translated("Best day: none yet")
                        : translated("Best day: %1, on %2")
                              .arg(here.toString(stats.best),
                                   here.toString(dateOf(stats.bestDay), QLocale::ShortFormat)));
    m_total->setText(stats.firstDay < 0
                         ? translated("Total: %1").arg(here.toString(0))
                         : translated("Total: %1, since %2")
                               .arg(here.toString(stats.total),
                                    here.toString(dateOf(stats.firstDay), QLocale::ShortFormat)));
    m_streak->setText((phrase.target > 0 ? translated("Days in a row with the target reached: %1")
                                         : translated("Days in a row with a count: %1"))
                          .arg(here.toString(stats.streak)));
    const QDate today = dateOf(m_today);
    m_week->setDays(today, stats.lastDays(7));
    m_month->setDays(today, stats.lastDays(30));
    m_year->setDays(today, stats.lastDays(365));
}
