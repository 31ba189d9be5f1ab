// Keys other than A and L minimize the counting dialog and broadcast
// "exit_app_view" to the desktop shell on the session bus.

#include "beads.h"
#include "counter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QtTest>

// Listens for the desktop signal on a connection of its own.
class ShellListener : public QObject
{
    Q_OBJECT

public:
    QList<QDBusMessage> received;

public slots:
    void onExitAppView(const QDBusMessage &message) { received << message; }
};

class TestDesktopSignal : public QObject
{
    Q_OBJECT

private slots:
    void signalOnSessionBus();
    void otherKeyWithoutBus();
};

void TestDesktopSignal::signalOnSessionBus()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("no session bus: run the suite under dbus-run-session");
    QDBusConnection listenerBus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("listener"));
    QVERIFY2(listenerBus.isConnected(), qPrintable(listenerBus.lastError().message()));
    ShellListener listener;
    QVERIFY(listenerBus.connect(
        QString(), QStringLiteral("/"), QStringLiteral("com.nokia.hildon_desktop"),
        QStringLiteral("exit_app_view"), &listener, SLOT(onExitAppView(QDBusMessage))));
    QVERIFY(QDBusConnection::sessionBus().isConnected());

    Beads record(QStringLiteral("AllahuAkbar"), 3, nullptr);
    Counter counter;
    counter.setBeads(&record);
    counter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&counter));

    const QList<Qt::Key> others = {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Q};
    for (int i = 0; i < others.size(); ++i) {
        QTest::keyClick(&counter, others.at(i));
        QTRY_COMPARE(listener.received.size(), i + 1);
        QTRY_VERIFY(counter.isMinimized());
        counter.showNormal();
    }
    // A and L count and send nothing.
    QTest::keyClick(&counter, Qt::Key_L);
    QTest::keyClick(&counter, Qt::Key_A);
    QTest::keyClick(&counter, Qt::Key_L);
    // A round trip through the bus: anything sent before it has arrived.
    QDBusMessage ping = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
    QCOMPARE(QDBusConnection::sessionBus().call(ping).type(), QDBusMessage::ReplyMessage);
    QTest::qWait(100);
    QCOMPARE(listener.received.size(), others.size());
    QCOMPARE(record.count(), 4);

    for (const QDBusMessage &message : qAsConst(listener.received)) {
        QCOMPARE(message.type(), QDBusMessage::SignalMessage);
        QCOMPARE(message.path(), QStringLiteral("/"));
        QCOMPARE(message.interface(), QStringLiteral("com.nokia.hildon_desktop"));
        QCOMPARE(message.member(), QStringLiteral("exit_app_view"));
        QVERIFY(message.arguments().isEmpty());
        QCOMPARE(message.service(), QDBusConnection::sessionBus().baseService());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
}

void TestDesktopSignal::otherKeyWithoutBus()
{
    QVERIFY2(!QDBusConnection::sessionBus().isConnected(),
             "this case must run with no session bus reachable");
    Beads record(QStringLiteral("AllahuAkbar"), 3, nullptr);
    Counter counter;
    counter.setBeads(&record);
    counter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&counter));
    QTest::keyClick(&counter, Qt::Key_Escape);
    QTRY_VERIFY(counter.isMinimized());
    QCOMPARE(record.count(), 3);
    QTest::keyClick(&counter, Qt::Key_L);
    QCOMPARE(record.count(), 4);
}

QTEST_MAIN(TestDesktopSignal)
#include "tst_desktopsignal.moc"
