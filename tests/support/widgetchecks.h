#ifndef VARIZEZ_TEST_WIDGETCHECKS_H
#define VARIZEZ_TEST_WIDGETCHECKS_H

#include <QSizePolicy>
#include <QWidget>
#include <QtTest>

// Checks shared by the tests of both windows' widget holders. They use the
// test macros, so a failure ends the helper; callers check
// QTest::currentTestFailed() when more follows.

// Exactly one object under root bears the name, of the class, under a
// parent of the given name.
inline void verifyObject(const QObject *root, const QString &name, const QString &className,
                         const QString &parentName)
{
    const QList<QObject *> found = root->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QVERIFY(found.first()->parent());
    QCOMPARE(found.first()->parent()->objectName(), parentName);
}

// A fresh size policy of the two policies with no stretch, and the limits.
inline void verifySizeLimits(const QWidget *widget, int horizontal, int vertical,
                             const QSize &minimum, const QSize &maximum)
{
    QVERIFY(widget);
    const QSizePolicy policy = widget->sizePolicy();
    QCOMPARE(int(policy.horizontalPolicy()), horizontal);
    QCOMPARE(int(policy.verticalPolicy()), vertical);
    QCOMPARE(policy.horizontalStretch(), 0);
    QCOMPARE(policy.verticalStretch(), 0);
    QCOMPARE(widget->minimumSize(), minimum);
    QCOMPARE(widget->maximumSize(), maximum);
}

#endif // VARIZEZ_TEST_WIDGETCHECKS_H
