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
    , ui(new MainWindowUi)
    , phraseStore(DataLocation::here(), this)
    , m_orientationAttribute(Orientation::NoRequest)
{
    ui->setupUi(this);
    ui->btnStart->setEnabled(false);
    ui->btnRemove->setEnabled(false);

    counter = new Counter(nullptr);

    // Waits for varizez-file to finish an import, and keeps it from
    // writing the file while the program runs.
    phraseStore.lock(kLockWaitMs);
    loadFromFile();
    populateList();
    showTrouble();

    // Must come after the dialog's own connection, which copies the new count
    // into the record before this save runs.
    connect(counter, &Counter::valueChanged, this, &MainWindow::saveToFile);
    connect(&phraseStore, &PhraseStore::changedOutside, this, &MainWindow::takeInChanges);

    // A phrase's target, from the list's context menu; and on from a phrase
    // whose target was reached to the next, as Back, choosing it and Start.
    connect(new TargetMenu(ui->listWidget), &TargetMenu::targetWanted, this, [this](int row) {
        if (!isValidRow(row))
            return;
        Beads *record = beadsList.at(row);
        if (const std::optional<int> target =
                TargetDialog::ask(this, record->name(), record->target())) {
            record->setTarget(*target);
            saveToFile();
        }
    });
    connect(counter, &Counter::nextPhrase, this, [this] {
        const int next = ui->listWidget->currentRow() + 1;
        if (!isValidRow(next))
            return;
        ui->listWidget->setCurrentRow(next);
        on_btnStart_clicked();
    });
}

MainWindow::~MainWindow()
{
    for (Beads *record : qAsConst(beadsList))
        delete record;
    delete ui;
    delete counter;
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
    phraseStore.open(&beadsList, Seeds::phrases());
}

void MainWindow::populateList()
{
    for (const Beads *record : qAsConst(beadsList))
        ui->listWidget->insertItem(ui->listWidget->count(), record->name());
}

bool MainWindow::isValidRow(int row) const
{
    return row >= 0 && row < beadsList.size();
}

void MainWindow::saveToFile()
{
    // What Remove took away can be had back until the list or a count
    // changes again.
    if (!m_starting)
        UndoOffer::withdraw(ui->verticalLayout);
    phraseStore.save();
    showTrouble();
}

void MainWindow::takeInChanges()
{
    QStringList shown, now;
    for (int i = 0; i < ui->listWidget->count(); ++i)
        shown << ui->listWidget->item(i)->text();
    for (const Beads *record : qAsConst(beadsList))
        now << record->name();
    if (shown != now) {
        // The chosen phrase stays chosen, where it still is.
        const int row = ui->listWidget->currentRow();
        const QString chosen = row >= 0 ? shown.at(row) : QString();
        ui->listWidget->clear();
        populateList();
        const int again = row < now.size() && row >= 0 && now.at(row) == chosen
                              ? row
                              : (row >= 0 ? int(now.indexOf(chosen)) : -1);
        ui->listWidget->setCurrentRow(again);
        ui->btnStart->setEnabled(again >= 0);
        ui->btnRemove->setEnabled(again >= 0);
    }
    counter->takeInCount();
    showTrouble();
}

void MainWindow::showTrouble()
{
    const QString text = phraseStore.notice();
    if (text == m_shownNotice)
        return;
    m_shownNotice = text;
    Notice::show(ui->verticalLayout, text);
    counter->showNotice(text);
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
    ui->btnStart->setEnabled(true);
    ui->btnRemove->setEnabled(true);
}

void MainWindow::on_listWidget_itemSelectionChanged()
{
    if (!ui->listWidget->selectedItems().isEmpty())
        on_listWidget_itemClicked(ui->listWidget->currentItem());
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
    ui->listWidget->insertItem(ui->listWidget->count(), text);
    beadsList.append(new Beads(text, 0, nullptr));
    saveToFile();
}

void MainWindow::on_btnRemove_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (!isValidRow(row))
        return;
    const QString name = beadsList.at(row)->name();
    const int count = beadsList.at(row)->count();
    const int target = beadsList.at(row)->target();
    delete ui->listWidget->takeItem(row);
    delete beadsList.at(row);
    beadsList.remove(row);
    if (ui->listWidget->count() < 1) {
        ui->btnRemove->setEnabled(false);
        ui->btnStart->setEnabled(false);
    }
    saveToFile();
    offerUndoRemove(row, name, count, target);
}

void MainWindow::offerUndoRemove(int row, const QString &name, int count, int target)
{
    UndoOffer *offer =
        UndoOffer::offer(ui->verticalLayout,
                         QCoreApplication::translate("MainWindow", "Removed “%1” (%2)")
                             .arg(isolated(name), UndoOffer::number(count)),
                         UndoOffer::By::ButtonAndKeys);
    // Back in its place, with its count, chosen; where the list has grown
    // shorter since, at its end.
    connect(offer, &UndoOffer::undo, this, [this, row, name, count, target] {
        const int at = qMin(row, int(beadsList.size()));
        beadsList.insert(at, new Beads(name, count, nullptr));
        beadsList.at(at)->setTarget(target);
        ui->listWidget->insertItem(at, name);
        ui->listWidget->setCurrentRow(at);
        on_listWidget_itemClicked(ui->listWidget->currentItem());
        saveToFile();
    });
}

void MainWindow::on_btnStart_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (!isValidRow(row))
        return;
    m_starting = true;
    counter->setNextPhrase(isValidRow(row + 1) ? beadsList.at(row + 1)->name() : QString());
    counter->setBeads(beadsList.at(row));
    m_starting = false;
    counter->showFullScreen();
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
