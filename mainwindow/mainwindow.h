// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_MAINWINDOW_H
#define VARIZEZ_MAINWINDOW_H

#include "phraselist.h"
#include "phrasestore.h"

#include <QMainWindow>
#include <QVector>
#include <memory>
#include <tuple>

class Counter;
class MainWindowUi;
class QModelIndex;

// The phrase list. Owns the list of phrases, the counting dialog and its
// own widget holder; tells the store what the user did, and shows what
// changed elsewhere.
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
    void on_listWidget_clicked(const QModelIndex &index);
    void on_btnAdd_clicked();
    void on_btnRemove_clicked();
    void on_btnStart_clicked();
    void apply(const PhraseOperation &op);
    void on_btnAbout_clicked();
    void on_btnMoreApps_clicked();
    void takeInChanges();

private:
    void loadFromFile();
    bool isValidRow(int row) const;
    int currentRow() const;
    void choose(int row);
    void showTrouble();
    void offerUndoRemove(int row, const QString &name, int count, int target);

    std::unique_ptr<MainWindowUi> m_ui;
    PhraseList m_phrases;
    std::unique_ptr<Counter> m_counter;
    PhraseStore m_phraseStore;
    QString m_shownNotice;
    // While the list is made anew: the phrase the list was at, its row and
    // text, and whether the user had chosen it.
    std::tuple<int, QString, bool> m_chosenBefore{-1, QString(), false};
    int m_orientationAttribute;
    bool m_tickRead = false; // the tick's setting, read at the first Start
};

#endif // VARIZEZ_MAINWINDOW_H
