// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "beads.h"
#include "counter.h"
#include "mainwindowui.h"
#include "notice.h"
#include "orientation.h"
#include "seeds.h"
#include "targetdialog.h"
#include "targetmenu.h"
#include "undooffer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QListWidget>
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

// Where the program's source is published.
const char kSourceUrl[] = "https://varizez.org/";

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(new MainWindowUi)
    , m_phraseStore(DataLocation::here(), this)
    , m_orientationAttribute(Orientation::NoRequest)
{
    m_ui->setupUi(this);
    m_ui->btnStart->setEnabled(false);
    m_ui->btnRemove->setEnabled(false);

    m_counter = new Counter(nullptr);

    // Waits for varizez-file to finish an import, and keeps it from
    // writing the file while the program runs.
    m_phraseStore.lock(kLockWaitMs);
    loadFromFile();
    populateList();
    showTrouble();

    // Must come after the dialog's own connection, which copies the new count
    // into the record before this save runs.
    connect(m_counter, &Counter::valueChanged, this, &MainWindow::saveToFile);
    connect(&m_phraseStore, &PhraseStore::changedOutside, this, &MainWindow::takeInChanges);

    // A phrase's target, from the list's context menu; and on from a phrase
    // whose target was reached to the next, as Back, choosing it and Start.
    connect(new TargetMenu(m_ui->listWidget), &TargetMenu::targetWanted, this, [this](int row) {
        if (!isValidRow(row))
            return;
        Beads *record = m_beadsList.at(row);
        if (const std::optional<int> target =
                TargetDialog::ask(this, record->name(), record->target())) {
            record->setTarget(*target);
            saveToFile();
        }
    });
    connect(m_counter, &Counter::nextPhrase, this, [this] {
        const int next = m_ui->listWidget->currentRow() + 1;
        if (!isValidRow(next))
            return;
        m_ui->listWidget->setCurrentRow(next);
        on_btnStart_clicked();
    });
}

MainWindow::~MainWindow()
{
    for (Beads *record : qAsConst(m_beadsList))
        delete record;
    delete m_ui;
    delete m_counter;
}

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
    m_phraseStore.open(&m_beadsList, Seeds::phrases());
}

void MainWindow::populateList()
{
    for (const Beads *record : qAsConst(m_beadsList))
        m_ui->listWidget->insertItem(m_ui->listWidget->count(), record->name());
}

bool MainWindow::isValidRow(int row) const
{
    return row >= 0 && row < m_beadsList.size();
}

void MainWindow::saveToFile()
{
    // What Remove took away can be had back until the list or a count
    // changes again.
    if (!m_starting)
        UndoOffer::withdraw(m_ui->verticalLayout);
    m_phraseStore.save();
    showTrouble();
}

void MainWindow::takeInChanges()
{
    QStringList shown, now;
    for (int i = 0; i < m_ui->listWidget->count(); ++i)
        shown << m_ui->listWidget->item(i)->text();
    for (const Beads *record : qAsConst(m_beadsList))
        now << record->name();
    if (shown != now) {
        // The chosen phrase stays chosen, where it still is.
        const int row = m_ui->listWidget->currentRow();
        const QString chosen = row >= 0 ? shown.at(row) : QString();
        m_ui->listWidget->clear();
        populateList();
        const int again = row < now.size() && row >= 0 && now.at(row) == chosen
                              ? row
                              : (row >= 0 ? int(now.indexOf(chosen)) : -1);
        m_ui->listWidget->setCurrentRow(again);
        m_ui->btnStart->setEnabled(again >= 0);
        m_ui->btnRemove->setEnabled(again >= 0);
    }
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

void MainWindow::on_listWidget_itemClicked(QListWidgetItem *)
{
    m_ui->btnStart->setEnabled(true);
    m_ui->btnRemove->setEnabled(true);
}

void MainWindow::on_listWidget_itemSelectionChanged()
{
    if (!m_ui->listWidget->selectedItems().isEmpty())
        on_listWidget_itemClicked(m_ui->listWidget->currentItem());
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
    m_ui->listWidget->insertItem(m_ui->listWidget->count(), text);
    m_beadsList.append(new Beads(text, 0, nullptr));
    saveToFile();
}

void MainWindow::on_btnRemove_clicked()
{
    const int row = m_ui->listWidget->currentRow();
    if (!isValidRow(row))
        return;
    const QString name = m_beadsList.at(row)->name();
    const int count = m_beadsList.at(row)->count();
    const int target = m_beadsList.at(row)->target();
    delete m_ui->listWidget->takeItem(row);
    delete m_beadsList.at(row);
    m_beadsList.remove(row);
    if (m_ui->listWidget->count() < 1) {
        m_ui->btnRemove->setEnabled(false);
        m_ui->btnStart->setEnabled(false);
    }
    saveToFile();
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
        const int at = qMin(row, int(m_beadsList.size()));
        m_beadsList.insert(at, new Beads(name, count, nullptr));
        m_beadsList.at(at)->setTarget(target);
        m_ui->listWidget->insertItem(at, name);
        m_ui->listWidget->setCurrentRow(at);
        on_listWidget_itemClicked(m_ui->listWidget->currentItem());
        saveToFile();
    });
}

void MainWindow::on_btnStart_clicked()
{
    const int row = m_ui->listWidget->currentRow();
    if (!isValidRow(row))
        return;
    m_starting = true;
    m_counter->setNextPhrase(isValidRow(row + 1) ? m_beadsList.at(row + 1)->name() : QString());
    m_counter->setBeads(m_beadsList.at(row));
    m_starting = false;
    m_counter->showFullScreen();
}

void MainWindow::on_btnAbout_clicked()
{
    // The licence asks an interactive program to show its notices: what it
    // is, whose it is, under which licence, that there is no warranty, and
    // where its source is.
    QMessageBox box(this);
    box.setStyleSheet(QString::fromLatin1(kDialogButtonsPadding));
    // In a right-to-left window a line that begins with a Latin word (the
    // name, the copyright) would still run and align left to right, and the
    // address's last "/" would leave it: marks of direction keep both in place.
    const bool rtl = isRightToLeft();
    const QString line = rtl ? QStringLiteral("\u200f") : QString();
    const QString address =
        QString::fromLatin1(kSourceUrl) + (rtl ? QStringLiteral("\u200e") : QString());
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "About Varizez"));
    box.setText(line + QCoreApplication::translate("MainWindow", "Varizez %1")
                           .arg(QString::fromLatin1(VARIZEZ_VERSION)));
    const QStringList notices = {
        QCoreApplication::translate(
            "MainWindow",
            "Counts repetitions of devotional phrases, the way prayer beads are used."),
        line + QStringLiteral("\u00a9 2026 Varizez developers"),
        QCoreApplication::translate(
            "MainWindow",
            "This program is free software: you can share and change it under the terms of the "
            "GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It "
            "comes with NO WARRANTY, to the extent permitted by law."),
        QCoreApplication::translate("MainWindow", "Source code: %1").arg(address),
    };
    box.setInformativeText(notices.join(QStringLiteral("\n\n")));
    box.exec();
}

void MainWindow::on_btnMoreApps_clicked()
{
    QDesktopServices::openUrl(storePageUrl());
}
