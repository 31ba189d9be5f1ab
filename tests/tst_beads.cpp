#include "beads.h"

#include <QtTest>

class TestBeads : public QObject {
    Q_OBJECT

private slots:
    void keepsTextAndCount_data();
    void keepsTextAndCount();
    void countIsNeverClamped_data();
    void countIsNeverClamped();
};

void TestBeads::keepsTextAndCount_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::newRow("plain") << QStringLiteral("SubhannAllah") << 33;
    QTest::newRow("empty text") << QString::fromLatin1("") << 0;
    QTest::newRow("spaces only") << QStringLiteral("   ") << 1;
    QTest::newRow("arabic") << QString::fromUtf8(
                                   "\u0633\u0628\u062d\u0627\u0646 \u0627\u0644\u0644\u0647")
                            << 7;
    QTest::newRow("outside the BMP") << QString::fromUtf8("\U0001F4FF beads") << 2;
}

void TestBeads::keepsTextAndCount() {
    QFETCH(QString, name);
    QFETCH(int, count);
    const Beads record(name, count, nullptr);
    QCOMPARE(record.name(), name);
    QCOMPARE(record.count(), count);
    QCOMPARE(record.parent(), nullptr);
    QCOMPARE(record.metaObject()->className(), "Beads");
}

void TestBeads::countIsNeverClamped_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("negative") << -3;
    QTest::newRow("zero") << 0;
    QTest::newRow("largest") << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << std::numeric_limits<int>::min();
}

void TestBeads::countIsNeverClamped() {
    QFETCH(int, count);
    Beads record(QStringLiteral("x"), 0, nullptr);
    record.setCount(count);
    QCOMPARE(record.count(), count);
    QCOMPARE(record.name(), QStringLiteral("x"));
}

QTEST_APPLESS_MAIN(TestBeads)
#include "tst_beads.moc"
