// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "targetdialog.h"

#include "printable.h"
#include "targetfile.h"
#include "undooffer.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString noTarget()
{
    return QCoreApplication::translate("MainWindow", "No target");
}

} // namespace

TargetDialog::TargetDialog(QWidget *parent, const QString &phrase, int current)
    : QInputDialog(parent)
    , m_label(QCoreApplication::translate("MainWindow", "Count \u201C%1\u201D to:")
                  .arg(Printable::line(phrase, 60)))
{
    setObjectName(QStringLiteral("targetDialog"));
    setWindowTitle(QCoreApplication::translate("MainWindow", "Target"));
    setLabelText(m_label);
    QStringList choices;
    for (int preset : {33, 34, 99, 100, 1000})
        choices << UndoOffer::number(preset);
    choices << noTarget();
    setComboBoxItems(choices);
    setComboBoxEditable(true);
    setTextValue(current > 0 ? UndoOffer::number(current) : choices.first());
}

std::optional<int> TargetDialog::targetOf(const QString &text) const
{
    const QString typed = text.trimmed();
    if (typed == noTarget())
        return 0;
    // As the user's language writes numbers, or plainly.
    bool ok = false;
    int n = locale().toInt(typed, &ok);
    if (!ok)
        n = QLocale::c().toInt(QString(typed).remove(QLatin1Char(',')), &ok);
    if (!ok || n < 1 || n > TargetFile::kTargetBound)
        return std::nullopt;
    return n;
}

void TargetDialog::done(int result)
{
    if (result == Accepted && !targetOf(textValue())) {
        setLabelText(
            m_label + QLatin1Char('\n') +
            QCoreApplication::translate("MainWindow", "A target is a whole number from 1 to %1.")
                .arg(UndoOffer::number(TargetFile::kTargetBound)));
        return; // stays open, the reason in sight
    }
    QInputDialog::done(result);
}

std::optional<int> TargetDialog::ask(QWidget *parent, const QString &phrase, int current)
{
    TargetDialog dialog(parent, phrase, current);
    if (dialog.exec() != Accepted)
        return std::nullopt;
    return dialog.targetOf(dialog.textValue());
}
