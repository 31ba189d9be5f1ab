// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_MAINWINDOW_H
#define VARIZEZ_MAINWINDOW_H

#include "phrasestore.h"

#include <QMainWindow>
#include <QVector>

class Beads;
class Counter;
class MainWindowUi;
class QListWidgetItem;

// The phrase list. Owns the records, the counting dialog and its own widget
// holder, saves after every change, and shows what changed elsewhere.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Asks for a screen orientation: 0 portrait, 1 landscape, else automatic.
    void applyOrientationMode(int mode);
    // The orientation attribute last asked for, or Orientation::NoRequest.
    int requestedOrientationAttribute() const { return m_orientationAttribute; }

    // The page that More Apps! opens.
    static QUrl storePageUrl();

private slots:
    void on_btnExit_clicked();
    void on_listWidget_itemClicked(QListWidgetItem *item);
    void on_btnAdd_clicked();
    void on_btnRemove_clicked();
    void on_btnStart_clicked();
    void saveToFile();
    void on_btnAbout_clicked();
    void on_btnMoreApps_clicked();
    // Choosing a phrase from the keyboard (arrow keys, Space) as well as by
    // clicking it, so that every action can be reached without a mouse.
    void on_listWidget_itemSelectionChanged();
    void takeInChanges();

private:
    void loadFromFile();
    void populateList();
    bool isValidRow(int row) const;
    void showTrouble();
    void offerUndoRemove(int row, const QString &name, int count, int target);

    MainWindowUi *m_ui;
    Counter *m_counter = nullptr;
    QVector<Beads *> m_beadsList;
    PhraseStore m_phraseStore;
    QString m_shownNotice;
    bool m_starting = false; // Start saves too, but changes nothing
    int m_orientationAttribute;
};

#endif // VARIZEZ_MAINWINDOW_H
