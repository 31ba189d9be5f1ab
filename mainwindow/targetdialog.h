// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TARGETDIALOG_H
#define VARIZEZ_TARGETDIALOG_H

#include <QInputDialog>
#include <optional>

// Asks for the target of a phrase: one of the counts people count to (33,
// 34, 99, 100, 1,000), any whole number from 1 to the bound, or none. What
// is not such a number is refused in the dialog, with the reason, and the
// dialog stays open.
class TargetDialog : public QInputDialog
{
    Q_OBJECT

public:
    // The target chosen (0 for none), or nothing when the user cancelled.
    static std::optional<int> ask(QWidget *parent, const QString &phrase, int current);

    void done(int result) override;

private:
    TargetDialog(QWidget *parent, const QString &phrase, int current);
    // The target a text stands for: 0 for "No target"; nothing when it is
    // no target at all.
    std::optional<int> targetOf(const QString &text) const;

    QString m_label;
};

#endif // VARIZEZ_TARGETDIALOG_H
