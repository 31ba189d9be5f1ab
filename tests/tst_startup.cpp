// What the entry point does with the main window: ask for automatic
// orientation without switching on any unrelated widget attribute, and show
// the window maximized.

#include "mainwindow.h"
#include "orientation.h"
#include "startup.h"

#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void modeTable_data();
    void modeTable();
    void presentsMaximizedWithAutomaticOrientation();
};

void TestStartup::modeTable_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("attribute");
    QTest::newRow("portrait") << 0 << 128;
    QTest::newRow("landscape") << 1 << 129;
    QTest::newRow("automatic") << 2 << 130;
    QTest::newRow("negative") << -1 << 130;
    QTest::newRow("large") << 1000 << 130;
}

void TestStartup::modeTable()
{
    QFETCH(int, mode);
    QFETCH(int, attribute);
    MainWindow window;
    QCOMPARE(window.requestedOrientationAttribute(), int(Orientation::NoRequest));
    window.applyOrientationMode(mode);
    QCOMPARE(window.requestedOrientationAttribute(), attribute);
    // On Qt 5 and 6 these numbers name other attributes: each must stay as
    // on an untouched window.
    QVERIFY(!Orientation::platformHasOrientationAttributes());
    const QMainWindow untouched;
    for (int reused = 128; reused <= 130; ++reused) {
        const auto attr = static_cast<Qt::WidgetAttribute>(reused);
        QVERIFY2(window.testAttribute(attr) == untouched.testAttribute(attr),
                 qPrintable(QString::number(reused)));
    }
}

void TestStartup::presentsMaximizedWithAutomaticOrientation()
{
    MainWindow window;
    presentMainWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.requestedOrientationAttribute(), int(Orientation::Automatic));
    QVERIFY(window.isMaximized());
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
