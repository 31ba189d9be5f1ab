// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_NOTICE_H
#define VARIZEZ_NOTICE_H

#include <QLabel>

class QBoxLayout;

// A line at the top of a window that tells what is wrong with the user's
// data, for as long as it is wrong: warnings on standard error reach nobody
// who started the program from a menu. It exists only while there is
// something to tell, takes no focus and blocks nothing, so counting by keys
// goes on, and screen readers are told of it as an alert.
class Notice : public QLabel
{
    Q_OBJECT

public:
    // Shows text as the first item of layout, or removes the notice for an
    // empty text.
    static void show(QBoxLayout *layout, const QString &text);

    // Exactly as tall as its lines at its width: a wrapped label's own hint
    // is for a narrower one, and would leave empty space around the text.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    explicit Notice(QWidget *parent);
};

#endif // VARIZEZ_NOTICE_H
