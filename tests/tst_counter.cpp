// Counting one record: buttons, keys, the active gate, the enabled state of
// Minus, and what valueChanged() carries to its receivers.

#include "beads.h"
#include "counter.h"

#include <QLCDNumber>
#include <QPushButton>
#include <QtTest>
#include <limits>

class TestCounter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void runs_data();
    void runs();
    void recordHoldsCountBeforeLaterReceivers();
    void minusStateCarriesOverToNextRun();
    void autoRepeatedKeysEachCount();
    void escapeDoesNotClose();
    void largestCountDoesNotWrap_data();
    void largestCountDoesNotWrap();
    void deletedRecordIsNotWrittenTo();

private:
    // Plays a script: S start, P plus, M minus, R reset, B back, L and A keys.
    void play(const QString &script);
    QPushButton *button(const char *name) const
    {
        return counter->findChild<QPushButton *>(QLatin1String(name));
    }
    QLCDNumber *display() const { return counter->findChild<QLCDNumber *>(); }

    Counter *counter = nullptr;
    Beads *record = nullptr;
};

void TestCounter::init()
{
    counter = new Counter;
    record = new Beads(QStringLiteral("SubhannAllah"), 0, nullptr);
}

void TestCounter::cleanup()
{
    delete counter;
    delete record;
}

void TestCounter::play(const QString &script)
{
    for (const QChar step : script) {
        switch (step.toLatin1()) {
        case 'S':
            counter->setBeads(record);
            counter->show();
            QVERIFY(QTest::qWaitForWindowExposed(counter));
            break;
        case 'P':
            QTest::mouseClick(button("btnPlus"), Qt::LeftButton);
            break;
        case 'M':
            // A click on a disabled button does nothing, as for a user.
            QTest::mouseClick(button("btnMinus"), Qt::LeftButton);
            break;
        case 'R':
            QTest::mouseClick(button("btnReset"), Qt::LeftButton);
            break;
        case 'B':
            QTest::mouseClick(button("btnBack"), Qt::LeftButton);
            break;
        case 'L':
            QTest::keyClick(counter, Qt::Key_L);
            break;
        case 'A':
            QTest::keyClick(counter, Qt::Key_A);
            break;
        default:
            QFAIL("unknown step");
        }
    }
}

void TestCounter::runs_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<bool>("minusEnabled");

    QTest::newRow("start at 0") << 0 << "S" << 0 << 1 << false;
    QTest::newRow("start at 5 keeps minus") << 5 << "S" << 5 << 1 << true;
    QTest::newRow("plus three times") << 0 << "SPPP" << 3 << 4 << true;
    QTest::newRow("L three times") << 0 << "SLLL" << 3 << 4 << true;
    QTest::newRow("minus at 0 stays, no emission") << 0 << "SM" << 0 << 1 << false;
    QTest::newRow("A at 0 disables minus") << 1 << "SAA" << 0 << 2 << false;
    QTest::newRow("A at 0 then L") << 0 << "SAL" << 1 << 2 << true;
    QTest::newRow("minus from 1 keeps it enabled") << 1 << "SM" << 0 << 2 << true;
    QTest::newRow("second minus disables without saving") << 1 << "SMM" << 0 << 2 << false;
    QTest::newRow("reset keeps minus enabled") << 7 << "SR" << 0 << 2 << true;
    QTest::newRow("reset keeps minus disabled") << 0 << "SPAAR" << 0 << 4 << false;
    QTest::newRow("negative stored count") << -4 << "SP" << -3 << 2 << true;
    QTest::newRow("negative count, minus stays") << -4 << "SA" << -4 << 1 << false;
    QTest::newRow("back emits nothing") << 2 << "SLB" << 3 << 2 << true;
    QTest::newRow("keys after back do nothing") << 2 << "SBLLA" << 2 << 1 << true;
}

void TestCounter::runs()
{
    QFETCH(int, stored);
    QFETCH(QString, script);
    QFETCH(int, expected);
    QFETCH(int, emissions);
    QFETCH(bool, minusEnabled);
    record->setCount(stored);
    QSignalSpy changes(counter, &Counter::valueChanged);
    play(script);
    QCOMPARE(record->count(), expected);
    QCOMPARE(display()->intValue(), expected);
    QCOMPARE(changes.count(), emissions);
    QCOMPARE(button("btnMinus")->isEnabled(), minusEnabled);
    QCOMPARE(counter->isVisible(), !script.contains(QLatin1Char('B')));
}

void TestCounter::recordHoldsCountBeforeLaterReceivers()
{
    QList<int> seen;
    connect(counter, &Counter::valueChanged, this, [&] { seen << record->count(); });
    record->setCount(10);
    play(QStringLiteral("SPLAR"));
    QCOMPARE(seen, (QList<int>{10, 11, 12, 11, 0}));
}

void TestCounter::minusStateCarriesOverToNextRun()
{
    // The run ends with Minus disabled; the next Start on a count of 5 does
    // not enable it again until Plus or L is used.
    play(QStringLiteral("SAB"));
    QVERIFY(!button("btnMinus")->isEnabled());
    Beads other(QStringLiteral("AllahuAkbar"), 5, nullptr);
    counter->setBeads(&other);
    QVERIFY(!button("btnMinus")->isEnabled());
    QCOMPARE(display()->intValue(), 5);
    QTest::keyClick(counter, Qt::Key_L);
    QVERIFY(button("btnMinus")->isEnabled());
    QCOMPARE(other.count(), 6);
    QCOMPARE(record->count(), 0);
    counter->setBeads(nullptr);
}

void TestCounter::autoRepeatedKeysEachCount()
{
    play(QStringLiteral("S"));
    for (int i = 0; i < 4; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_L, Qt::NoModifier, QStringLiteral("l"),
                        i > 0 /* auto-repeat */);
        QCoreApplication::sendEvent(counter, &press);
    }
    QCOMPARE(record->count(), 4);
}

void TestCounter::escapeDoesNotClose()
{
    play(QStringLiteral("SL"));
    QSignalSpy rejected(counter, &QDialog::rejected);
    QSignalSpy finished(counter, &QDialog::finished);
    QTest::keyClick(counter, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(finished.count(), 0);
    QVERIFY(counter->isVisible());
    QTRY_VERIFY(counter->isMinimized());
    QCOMPARE(record->count(), 1);
    // Still counting while minimized.
    QTest::keyClick(counter, Qt::Key_L);
    QCOMPARE(record->count(), 2);
}

void TestCounter::largestCountDoesNotWrap_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("plus") << "P";
    QTest::newRow("L") << "L";
}

void TestCounter::largestCountDoesNotWrap()
{
    QFETCH(QString, step);
    const int largest = std::numeric_limits<int>::max();
    record->setCount(largest - 1);
    play(QStringLiteral("S") + step + step + step);
    QCOMPARE(record->count(), largest);
    play(QStringLiteral("A"));
    QCOMPARE(record->count(), largest - 1);
}

void TestCounter::deletedRecordIsNotWrittenTo()
{
    play(QStringLiteral("SL"));
    QSignalSpy changes(counter, &Counter::valueChanged);
    delete record;
    record = nullptr;
    // Counting goes on on the display alone; nothing touches freed memory
    // (the sanitizer build checks that).
    QTest::keyClick(counter, Qt::Key_L);
    QTest::mouseClick(button("btnPlus"), Qt::LeftButton);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(display()->intValue(), 3);
}

QTEST_MAIN(TestCounter)
#include "tst_counter.moc"
