// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TARGETMENU_H
#define VARIZEZ_TARGETMENU_H

#include <QObject>

class QListView;
class QPoint;
class QWidget;

// The phrase list's context menu, "Target…": from a right click on a
// phrase, a long press on a touch screen, the keyboard's Menu key or
// Shift+F10, for the phrase chosen.
class TargetMenu : public QObject
{
    Q_OBJECT

public:
    explicit TargetMenu(QListView *list);

signals:
    // The user asked to set the target of that row.
    void targetWanted(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The menu for the phrase at pos (in the viewport), or the current one.
    enum class For { PhraseAt, Current };
    void popUp(const QPoint &pos, For phrase);

    QListView *m_list;
    QWidget *m_viewport;
};

#endif // VARIZEZ_TARGETMENU_H
