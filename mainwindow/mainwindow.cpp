// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "beads.h"
#include "counter.h"
#include "mainwindowui.h"
#include "notice.h"
#include "orientation.h"

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

QString troubleText(const PhraseFileTrouble &trouble, const QString &file)
{
    switch (trouble.kind) {
    case PhraseFileTrouble::CannotRead:
        return QCoreApplication::translate(
                   "MainWindow", "Your phrases could not be read from %1: %2. The file is left "
                                 "as it is, and nothing will be saved in it.")
            .arg(file, trouble.reason);
    case PhraseFileTrouble::CannotSave:
        return QCoreApplication::translate("MainWindow",
                                           "Your counts could not be saved in %1: %2.")
            .arg(file, trouble.reason);
    case PhraseFileTrouble::KeptAside:
        return QCoreApplication::translate("MainWindow",
                                           "%1 was damaged, so phrases or counts may be missing. "
                                           "The damaged file is kept as %2.")
            .arg(file, trouble.reason);
    case PhraseFileTrouble::None:
        break;
    }
    return QString();
}

// The window's buttons reach their dialogs too, with the text up to their
// rounded border; the dialogs' buttons get room around it.
const char kDialogButtonsPadding[] = "QPushButton { padding: 3px 10px; }";

// Where the program's source is published.
const char kSourceUrl[] = "https://varizez.org/";

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new MainWindowUi)
    , phraseFile(DataLocation::here())
    , m_orientationAttribute(Orientation::NoRequest)
{
    ui->setupUi(this);
    ui->btnStart->setEnabled(false);
    ui->btnRemove->setEnabled(false);

    counter = new Counter(nullptr);

    // Waits for varizez-file to finish an import, and keeps it from
    // writing the file while the program runs.
    phraseFile.lock(kLockWaitMs);
    if (phraseFile.exists()) {
        loadFromFile();
    } else {
        // First start: seed the list. The seeds reach the file with the first
        // change, not before.
        beadsList.append(new Beads(QStringLiteral("AllahuAkbar"), 0, nullptr));
        beadsList.append(new Beads(QStringLiteral("SubhannAllah"), 0, nullptr));
    }
    populateList();
    showTrouble();

    // Must come after the dialog's own connection, which copies the new count
    // into the record before this save runs.
    connect(counter, &Counter::valueChanged, this, &MainWindow::saveToFile);
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
    // Records are built straight from the stream; nothing else of the
    // result matters here, since a damaged file loads as far as it goes.
    phraseFile.load(beadsList);
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
    phraseFile.save(beadsList);
    showTrouble();
}

void MainWindow::showTrouble()
{
    if (phraseFile.trouble() == m_shownTrouble)
        return;
    m_shownTrouble = phraseFile.trouble();
    const QString text = troubleText(m_shownTrouble, phraseFile.path());
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
    delete ui->listWidget->takeItem(row);
    delete beadsList.at(row);
    beadsList.remove(row);
    if (ui->listWidget->count() < 1) {
        ui->btnRemove->setEnabled(false);
        ui->btnStart->setEnabled(false);
    }
    saveToFile();
}

void MainWindow::on_btnStart_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (!isValidRow(row))
        return;
    counter->setBeads(beadsList.at(row));
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
