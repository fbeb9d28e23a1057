#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <atomic>
#include <thread>

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondInstance_handsArgumentsToFirst_andIsConfirmed();
    void noRunningInstance_sendFails_andListenSucceeds();
    void staleSocketFile_isReplacedByNewInstance();
    void malformedMessage_isDroppedWithoutSignal();

private:
    static QString uniqueName() { return "OrvaneTest-" + QUuid::createUuid().toString(QUuid::Id128); }
};

void tst_SingleInstance::secondInstance_handsArgumentsToFirst_andIsConfirmed()
{
    const QString name = uniqueName();
    SingleInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy spy(&first, &SingleInstance::argumentsReceived);

    const QStringList arguments{"Orvane", "--open-plugin", "KivApp", "--language", "en"};
    // The second instance blocks while it hands over; our event loop must keep serving it.
    std::atomic<bool> done = false;
    bool sent = false;
    std::thread sender([&] {
        sent = SingleInstance(name).sendToRunning(arguments, 5000);
        done = true;
    });
    QTRY_VERIFY(done.load());
    sender.join();
    QVERIFY(sent);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.constFirst().constFirst().toStringList(), arguments);
}

void tst_SingleInstance::noRunningInstance_sendFails_andListenSucceeds()
{
    const QString name = uniqueName();
    SingleInstance alone(name);
    QVERIFY(!alone.sendToRunning({"Orvane"}, 500));
    QVERIFY(alone.listen());
    QVERIFY(alone.isListening());
    QVERIFY(alone.listen());
}

void tst_SingleInstance::staleSocketFile_isReplacedByNewInstance()
{
    const QString name = uniqueName();
    {
        // A server that dies without cleaning up leaves its socket file behind on Unix.
        QLocalServer crashed;
        crashed.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY(crashed.listen(name));
        const QString path = crashed.fullServerName();
        crashed.close();
        QFile stale(path);
        if (!stale.exists()) {
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.close();
        }
    }
    SingleInstance next(name);
    QVERIFY(!next.sendToRunning({"Orvane"}, 500));
    QVERIFY(next.listen());
}

void tst_SingleInstance::malformedMessage_isDroppedWithoutSignal()
{
    const QString name = uniqueName();
    SingleInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy spy(&first, &SingleInstance::argumentsReceived);

    QLocalSocket socket;
    socket.connectToServer(name);
    QVERIFY(socket.waitForConnected(2000));
    // A frame whose payload promises five strings and then ends.
    socket.write(QByteArray::fromHex("0000000400000005"));
    socket.flush();
    QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(spy.count(), 0);
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
