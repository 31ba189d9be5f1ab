// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_UNDOOFFER_H
#define VARIZEZ_UNDOOFFER_H

#include <QWidget>

class QBoxLayout;
class QLabel;
class QPushButton;

// A way back after a slip of the finger: what was just done, and an Undo
// button, in the strip at the top of a window where its notices are. It
// exists only while there is something to undo, blocks nothing, and is told
// to screen readers as an alert, as the notices are.
class UndoOffer : public QWidget
{
    Q_OBJECT

public:
    // How the user can take the offer: by its button alone, or by the
    // window's Undo keys (Ctrl+Z) too.
    enum class By { Button, ButtonAndKeys };

    // Offers to undo what text tells, below the window's notice; it replaces
    // an earlier offer.
    static UndoOffer *offer(QBoxLayout *layout, const QString &text, By by);
    // Takes the window's offer back, if it has one.
    static void withdraw(QBoxLayout *layout);

    // A count as the user reads it, its digits grouped.
    static QString number(int count);

signals:
    void undo();

private:
    explicit UndoOffer(QWidget *parent);

    QLabel *m_text;
    QPushButton *m_button;
};

#endif // VARIZEZ_UNDOOFFER_H
