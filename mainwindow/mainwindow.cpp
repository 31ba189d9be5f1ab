// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "aboutbox.h"
#include "counter.h"
#include "countingsettings.h"
#include "daybook.h"
#include "historydialog.h"
#include "mainwindowui.h"
#include "notice.h"
#include "orientation.h"
#include "phrasemenu.h"
#include "seeds.h"
#include "targetdialog.h"
#include "undooffer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The maker's page in the handheld's application store.
const char kStorePageUrl[] = "http://store.ovi.com/publisher/Razarezar";

// How long the program waits at start for varizez-file to finish writing
// the file; that takes far less.
constexpr int kLockWaitMs = 2000;

// The window's buttons reach their dialogs too, with the text up to their
// rounded border; the dialogs' buttons get room around it.
const char kDialogButtonsPadding[] = "QPushButton { padding: 3px 10px; }";

// A phrase within a sentence of another direction (a Latin phrase in an
// Arabic sentence, or the reverse) keeps its own direction and leaves the
// sentence's quotes and numbers where they belong.
QString isolated(const QString &phrase)
{
    return QChar(0x2068) + phrase + QChar(0x2069);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<MainWindowUi>())
    , m_counter(std::make_unique<Counter>(&m_phrases))
    , m_phraseStore(DataLocation::here(), this)
    , m_orientationAttribute(Orientation::NoRequest)
{
    m_ui->setupUi(this);
    m_ui->btnStart->setEnabled(false);
    m_ui->btnRemove->setEnabled(false);

    // Waits for varizez-file to finish an import, and keeps it from
    // writing the file while the program runs.
    m_phraseStore.lock(kLockWaitMs);
    loadFromFile();
    m_ui->listWidget->setModel(&m_phrases);
    showTrouble();

    // Choosing a phrase from the keyboard (arrow keys, Space) as well as by
    // clicking it, so that every action can be reached without a mouse.
    connect(m_ui->listWidget->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] {
                if (m_ui->listWidget->selectionModel()->hasSelection())
                    on_listWidget_clicked(m_ui->listWidget->currentIndex());
            });
    // The chosen phrase stays chosen where it still is when the list is made
    // anew (as another device's list makes it), or else where it went.
    connect(&m_phrases, &PhraseList::modelAboutToBeReset, this, [this] {
        const Beads *chosen = m_phrases.record(currentRow());
        m_chosenBefore = {currentRow(), chosen ? chosen->name() : QString(),
                          m_ui->listWidget->selectionModel()->hasSelection()};
    });
    connect(&m_phrases, &PhraseList::modelReset, this, [this] {
        const auto [row, name, selected] = m_chosenBefore;
        if (row < 0)
            return;
        const Beads *there = m_phrases.record(row);
        int again = there && there->name() == name ? row : -1;
        for (int r = 0; again < 0 && r < m_phrases.rowCount(); ++r)
            if (m_phrases.record(r)->name() == name)
                again = r;
        // A phrase only looked at, not chosen, enables nothing.
        if (selected)
            choose(again);
        else
            m_ui->listWidget->selectionModel()->setCurrentIndex(m_phrases.index(again),
                                                                QItemSelectionModel::NoUpdate);
    });

    connect(m_counter.get(), &Counter::operation, this, &MainWindow::apply);
    m_counter->setSaidToday([this](const QString &text) { return m_phraseStore.saidToday(text); });
    connect(m_counter.get(), &Counter::tickSwitched, this, [this](bool on) {
        QString error;
        if (CountingSettings::setTick(m_phraseStore.path(), on, &error))
            return;
        qWarning("varizez: cannot save the tick's setting: %s", qPrintable(error));
        m_counter->showNotice(
            QCoreApplication::translate("Counter", "Your choice could not be saved: %1.")
                .arg(error));
    });
    connect(&m_phraseStore, &PhraseStore::changedOutside, this, &MainWindow::takeInChanges);

    // A phrase's target and history, from the list's context menu; and on
    // from a phrase whose target was reached to the next, as Back, choosing
    // it and Start.
    auto *menu = new PhraseMenu(m_ui->listWidget);
    connect(menu, &PhraseMenu::targetWanted, this, [this](int row) {
        const Beads *record = m_phrases.record(row);
        if (!record)
            return;
        if (const std::optional<int> target =
                TargetDialog::ask(this, record->name(), record->target()))
            apply(PhraseOperation::on(PhraseOperation::Kind::SetTarget, row, *target));
    });
    connect(menu, &PhraseMenu::historyWanted, this, [this](int row) {
        QVector<HistoryDialog::Phrase> phrases;
        for (const Beads *record : m_phrases.records())
            phrases.append({record->name(), record->target()});
        HistoryDialog(this, m_phraseStore.days(), phrases, row, DayBook::today()).exec();
    });
    connect(m_counter.get(), &Counter::nextPhrase, this, [this] {
        const int next = currentRow() + 1;
        if (!isValidRow(next))
            return;
        choose(next);
        on_btnStart_clicked();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::applyOrientationMode(int mode)
{
    const Orientation::Attribute attribute = Orientation::attributeForMode(mode);
    m_orientationAttribute = attribute;
    if constexpr (Orientation::platformHasOrientationAttributes())
        setAttribute(static_cast<Qt::WidgetAttribute>(attribute), true);
}

QUrl MainWindow::storePageUrl()
{
    return QUrl(QString::fromLatin1(kStorePageUrl));
}

void MainWindow::loadFromFile()
{
    // On the first start the list is seeded; the seeds reach the file with
    // the first change, not before.
    m_phraseStore.open(&m_phrases, Seeds::phrases());
}

bool MainWindow::isValidRow(int row) const
{
    return row >= 0 && row < m_phrases.rowCount();
}

int MainWindow::currentRow() const
{
    return m_ui->listWidget->currentIndex().row();
}

void MainWindow::choose(int row)
{
    m_ui->listWidget->setCurrentIndex(m_phrases.index(row));
    m_ui->btnStart->setEnabled(isValidRow(row));
    m_ui->btnRemove->setEnabled(isValidRow(row));
}

void MainWindow::apply(const PhraseOperation &op)
{
    // What Remove took away can be had back until the list or a count
    // changes again.
    UndoOffer::withdraw(m_ui->verticalLayout);
    m_phraseStore.apply(op);
    showTrouble();
}

void MainWindow::takeInChanges()
{
    m_counter->takeInCount();
    showTrouble();
}

void MainWindow::showTrouble()
{
    const QString text = m_phraseStore.notice();
    if (text == m_shownNotice)
        return;
    m_shownNotice = text;
    Notice::show(m_ui->verticalLayout, text);
    m_counter->showNotice(text);
}

void MainWindow::on_btnExit_clicked()
{
    // Everything is saved already. Leaving the event loop lets the entry
    // point destroy this window and the application in the ordinary order,
    // with exit status 0.
    QCoreApplication::exit(0);
}

void MainWindow::on_listWidget_clicked(const QModelIndex &index)
{
    m_ui->btnStart->setEnabled(index.isValid());
    m_ui->btnRemove->setEnabled(index.isValid());
}

void MainWindow::on_btnAdd_clicked()
{
    // QInputDialog::getText() as it is, with room around the buttons' texts.
    QInputDialog input(this, Qt::WindowFlags());
    input.setWindowTitle(QCoreApplication::translate("MainWindow", "Enter varizez"));
    input.setLabelText(QCoreApplication::translate("MainWindow", "Enter varizez"));
    input.setStyleSheet(QString::fromLatin1(kDialogButtonsPadding));
    const bool ok = input.exec() == QDialog::Accepted;
    const QString text = input.textValue();
    if (!ok || text.isEmpty())
        return;
    apply(PhraseOperation::add(text));
}

void MainWindow::on_btnRemove_clicked()
{
    const int row = currentRow();
    const Beads *record = m_phrases.record(row);
    if (!record)
        return;
    const QString name = record->name();
    const int count = record->count();
    const int target = record->target();
    apply(PhraseOperation::on(PhraseOperation::Kind::Remove, row));
    // The phrase after it is chosen, or the one before at the end.
    choose(qMin(row, m_phrases.rowCount() - 1));
    offerUndoRemove(row, name, count, target);
}

void MainWindow::offerUndoRemove(int row, const QString &name, int count, int target)
{
    UndoOffer *offer =
        UndoOffer::offer(m_ui->verticalLayout,
                         QCoreApplication::translate("MainWindow", "Removed “%1” (%2)")
                             .arg(isolated(name), UndoOffer::number(count)),
                         UndoOffer::By::ButtonAndKeys);
    // Back in its place, with its count, chosen; where the list has grown
    // shorter since, at its end.
    connect(offer, &UndoOffer::undo, this, [this, row, name, count, target] {
        apply(PhraseOperation::undoRemove(row, name, count, target));
        int at = qMin(row, m_phrases.rowCount() - 1);
        if (!m_phrases.record(at) || m_phrases.record(at)->name() != name)
            for (at = 0; at < m_phrases.rowCount() && m_phrases.record(at)->name() != name;)
                ++at;
        choose(at);
    });
}

void MainWindow::on_btnStart_clicked()
{
    const int row = currentRow();
    if (!isValidRow(row))
        return;
    const Beads *next = m_phrases.record(row + 1);
    // The tick on each count, as the user left it on this device: read at
    // the first run, not at start-up.
    if (!m_tickRead)
        m_counter->setTick(CountingSettings::tick(m_phraseStore.path()));
    m_tickRead = true;
    m_counter->setNextPhrase(next ? next->name() : QString());
    m_counter->setBeads(m_phrases.record(row));
    // A run begins with a save, as ever: a file another program replaced
    // meanwhile is put right before the first count.
    m_phraseStore.save();
    showTrouble();
    m_counter->showFullScreen();
}

void MainWindow::on_btnAbout_clicked()
{
    AboutBox::exec(this, QString::fromLatin1(kDialogButtonsPadding));
}

void MainWindow::on_btnMoreApps_clicked()
{
    QDesktopServices::openUrl(storePageUrl());
}
