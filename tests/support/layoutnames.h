#ifndef VARIZEZ_TEST_LAYOUTNAMES_H
#define VARIZEZ_TEST_LAYOUTNAMES_H

#include <QLayout>
#include <QStringList>
#include <QWidget>

// The object names of a layout's items, in order, with their stretch and
// alignment folded in where they are not the defaults.
inline QStringList layoutItemNames(const QLayout *layout)
{
    QStringList names;
    const auto *box = qobject_cast<const QBoxLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        QString name;
        if (item->widget())
            name = item->widget()->objectName();
        else if (item->layout())
            name = item->layout()->objectName();
        else
            name = QStringLiteral("<spacer>");
        if (box && box->stretch(i) != 0)
            name += QStringLiteral(" stretch=%1").arg(box->stretch(i));
        if (item->alignment() != Qt::Alignment())
            name += QStringLiteral(" aligned");
        names << name;
    }
    return names;
}

#endif // VARIZEZ_TEST_LAYOUTNAMES_H
