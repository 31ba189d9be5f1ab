// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASEMENU_H
#define VARIZEZ_PHRASEMENU_H

#include <QObject>

class QListView;
class QPoint;
class QWidget;

// The phrase list's context menu, "Target…" and "History…": from a right
// click on a phrase, a long press on a touch screen, the keyboard's Menu key
// or Shift+F10, for the phrase chosen.
class PhraseMenu : public QObject
{
    Q_OBJECT

public:
    explicit PhraseMenu(QListView *list);

signals:
    // The user asked to set the target of that row.
    void targetWanted(int row);
    // The user asked for what was said of that row on each day.
    void historyWanted(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The menu for the phrase at pos (in the viewport), or the current one.
    enum class For { PhraseAt, Current };
    void popUp(const QPoint &pos, For phrase);

    QListView *m_list;
    QWidget *m_viewport;
};

#endif // VARIZEZ_PHRASEMENU_H
