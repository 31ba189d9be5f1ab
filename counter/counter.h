// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_COUNTER_H
#define VARIZEZ_COUNTER_H

#include "countingkeys.h"
#include "idleinhibitor.h"
#include "phraseoperation.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class Beads;
class CounterUi;
class PhraseList;
class QKeyEvent;
class TargetStrip;
class TickSwitch;

// The full-screen dialog that counts one phrase of the list. The main window
// creates one and reuses it for every counting run. What the user does to
// the count is told through operation(), whose receiver applies it to the
// record; the dialog then shows the record's count.
class Counter : public QDialog
{
    Q_OBJECT

public:
    explicit Counter(const PhraseList *list, QWidget *parent = nullptr);
    ~Counter() override;

    // Attaches a record and starts a counting run. With a target, the run
    // offers the phrase set by setNextPhrase() once it is reached.
    void setBeads(Beads *record);
    void setNextPhrase(const QString &text) { m_nextPhrase = text; }
    // Where to learn what was said of a phrase today (-1: not known), shown
    // with a target's progress.
    void setSaidToday(std::function<qint64(const QString &)> saidToday)
    {
        m_saidToday = std::move(saidToday);
    }
    // Whether each count gives a tick, as the user left it.
    void setTick(bool on);
    // Tells what is wrong with the user's data; an empty text when all is well.
    void showNotice(const QString &text);
    // The record's count was changed elsewhere: shows it.
    // A run whose phrase is gone ends, as Back ends it.
    void takeInCount();

signals:
    // Applied to the list before the signal returns.
    void operation(const PhraseOperation &op);
    // The user takes the next phrase, its target reached.
    void nextPhrase();
    // The user switched the tick on each count on or off.
    void tickSwitched(bool on);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The screen is kept awake while the dialog is in front, counting.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A tap on the number counts up.
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_btnBack_clicked();
    void on_btnPlus_clicked();
    void on_btnMinus_clicked();
    void on_btnReset_clicked();

private:
    qint64 saidToday() const;
    void countUp();
    void countDown();
    // Tells what the user did to the record counted, and shows the count.
    void tell(PhraseOperation::Kind kind, qint32 value = 0);
    // The record's count on the display.
    void showCount();
    void offerUndo(int countBefore);
    void withdrawUndo();
    void keepAwake();

    std::unique_ptr<CounterUi> m_ui;
    const PhraseList *m_list;
    // Not owned. The record may go (another device removed it) while the
    // dialog is minimized; the guarded pointer then reads null.
    QPointer<Beads> m_beads;
    int m_shown = 0; // the count on the display
    // True from setBeads() until Back: the keys count only during a run.
    bool m_active = false;
    CountingKeys m_keys;
    int m_countBeforeReset = 0; // what Undo puts back while it is offered
    std::unique_ptr<TargetStrip> m_target;
    QString m_nextPhrase;
    std::function<qint64(const QString &)> m_saidToday;
    TickSwitch *m_tick;
    IdleInhibitor m_awake{this};
};

#endif // VARIZEZ_COUNTER_H
