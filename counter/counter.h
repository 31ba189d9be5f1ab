// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_COUNTER_H
#define VARIZEZ_COUNTER_H

#include "countingkeys.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class Beads;
class CounterUi;
class QKeyEvent;
class TargetStrip;

// The full-screen dialog that counts one phrase. The main window creates one
// and reuses it for every counting run. Every change of the count is
// announced through valueChanged(), which the main window turns into a save.
class Counter : public QDialog
{
    Q_OBJECT

public:
    explicit Counter(QWidget *parent = nullptr);
    ~Counter() override;

    // Attaches a record and starts a counting run. With a target, the run
    // offers the phrase set by setNextPhrase() once it is reached.
    void setBeads(Beads *record);
    void setNextPhrase(const QString &text) { m_nextPhrase = text; }
    // Tells what is wrong with the user's data; an empty text when all is well.
    void showNotice(const QString &text);
    // The record's count was changed elsewhere: shows it, without saving.
    // A run whose phrase is gone ends, as Back ends it.
    void takeInCount();

signals:
    void valueChanged();
    // The user takes the next phrase, its target reached.
    void nextPhrase();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_btnBack_clicked();
    void on_btnPlus_clicked();
    void on_btnMinus_clicked();
    void on_btnReset_clicked();
    void on_valueChanged();

private:
    void countUp();
    void countDown();
    void offerUndo(int countBefore);
    void withdrawUndo();

    CounterUi *m_ui;
    int m_count = 0;
    // Not owned. The main window may delete the record while the dialog is
    // minimized; the guarded pointer then reads null instead of dangling.
    QPointer<Beads> m_beads;
    // True from setBeads() until Back: the keys count only during a run.
    bool m_active = false;
    CountingKeys m_keys;
    int m_countBeforeReset = 0; // what Undo puts back while it is offered
    std::unique_ptr<TargetStrip> m_target;
    QString m_nextPhrase;
};

#endif // VARIZEZ_COUNTER_H
