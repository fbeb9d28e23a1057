#include "BaseSerialIo.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Signals are recorded in the worker thread and may fire before a wait starts: wait on counts.
namespace {
constexpr int SignalWaitMs = 5000;
constexpr int ThreadStopMs = 2000;
} // namespace

// The link in its worker thread, wired the way the device back ends do it.
class LinkInThread
{
public:
    LinkInThread()
    {
        link = new BaseSerialIo;
        link->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, link, &QObject::deleteLater);
        thread.start();
    }
    ~LinkInThread()
    {
        thread.quit();
        thread.wait(ThreadStopMs);
    }
    template<typename... Args>
    void call(const char *method, Args... args)
    {
        QMetaObject::invokeMethod(link, method, Qt::QueuedConnection, args...);
    }

    QThread thread;
    BaseSerialIo *link = nullptr;
};

class tst_SerialIo : public QObject
{
    Q_OBJECT

private slots:
    void connect_missingPort_errorNamesPortAndStateUnconnected();
    void connect_fileThatIsNoSerialPort_errorAndStateUnconnected();
    void connect_invalidParameters_errorAndStateUnconnected();
    void requests_beforeAnyConnection_eachReportedAsError();
    void operationMode_changesSignalledOnce_andBootLoaderEndReturnsToNormal();
    void thread_quitDeletesLinkWithItsClient();
};

void tst_SerialIo::connect_missingPort_errorNamesPortAndStateUnconnected()
{
    LinkInThread t;
    QSignalSpy connected(t.link, &SerialIo::isConnected);
    QSignalSpy errors(t.link, &SerialIo::error);
    const QString port = QStringLiteral("/dev/ttyDoesNotExist47");

    t.call("setParameter", Q_ARG(QString, port), Q_ARG(QList<int>, QList<int>({115200, 0, 8, 1, 1000, 3})));

    QTRY_VERIFY_WITH_TIMEOUT(connected.count() >= 1, SignalWaitMs);
    QCOMPARE(connected.first().first().toBool(), false);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().value<ModbusClientSerial::ModbusClientErrors>(),
             ModbusClientSerial::ConnectionError);
    const QString text = t.link->errorString();
    QVERIFY2(text.contains(port), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("existiert nicht")), qPrintable(text));
}

void tst_SerialIo::connect_fileThatIsNoSerialPort_errorAndStateUnconnected()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("plainfile"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    LinkInThread t;
    QSignalSpy connected(t.link, &SerialIo::isConnected);
    QSignalSpy errors(t.link, &SerialIo::error);
    t.call("setParameter", Q_ARG(QString, path), Q_ARG(QList<int>, QList<int>({115200, 0, 8, 1, 1000, 3})));

    QTRY_VERIFY_WITH_TIMEOUT(connected.count() >= 1, SignalWaitMs);
    QCOMPARE(connected.first().first().toBool(), false);
    QCOMPARE(errors.count(), 1);
    QVERIFY(t.link->errorString().contains(path));
}

void tst_SerialIo::connect_invalidParameters_errorAndStateUnconnected()
{
    LinkInThread t;
    QSignalSpy connected(t.link, &SerialIo::isConnected);
    QSignalSpy errors(t.link, &SerialIo::error);
    t.call("setParameter", Q_ARG(QString, QStringLiteral("/dev/ttyS0")), Q_ARG(QList<int>, QList<int>({115200, 7})));

    QTRY_VERIFY_WITH_TIMEOUT(connected.count() >= 1, SignalWaitMs);
    QCOMPARE(connected.first().first().toBool(), false);
    QCOMPARE(errors.first().first().value<ModbusClientSerial::ModbusClientErrors>(),
             ModbusClientSerial::ConfigurationError);
}

void tst_SerialIo::requests_beforeAnyConnection_eachReportedAsError()
{
    LinkInThread t;
    QSignalSpy errors(t.link, &SerialIo::error);
    t.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 2));
    t.call("writeSingleReg", Q_ARG(uint, 2), Q_ARG(ushort, 1));
    t.call("writeRawBytes", Q_ARG(QByteArray, QByteArrayLiteral("StartBootloader")));

    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 3, SignalWaitMs);
    for (const auto &e : std::as_const(errors))
        QCOMPARE(e.first().value<ModbusClientSerial::ModbusClientErrors>(), ModbusClientSerial::NotConnectedError);
}

void tst_SerialIo::operationMode_changesSignalledOnce_andBootLoaderEndReturnsToNormal()
{
    BaseSerialIo link;
    QSignalSpy modes(&link, &BaseSerialIo::operationModeChanged);
    QCOMPARE(link.operationMode(), BluetoothIoEnums::Normal);

    link.setOperationMode(BluetoothIoEnums::Identification);
    link.setOperationMode(BluetoothIoEnums::Identification);
    QCOMPARE(modes.count(), 1);

    link.setOperationMode(BluetoothIoEnums::BootLoader);
    link.onBootLoaderFinished();
    QCOMPARE(link.operationMode(), BluetoothIoEnums::Normal);
    QCOMPARE(modes.count(), 3);
}

void tst_SerialIo::thread_quitDeletesLinkWithItsClient()
{
    auto *thread = new QThread;
    auto *link = new BaseSerialIo;
    link->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, link, &QObject::deleteLater);
    QSignalSpy destroyed(link, &QObject::destroyed);
    thread->start();
    // Creates the client inside the worker thread.
    QMetaObject::invokeMethod(link, "setParameter", Qt::QueuedConnection,
                              Q_ARG(QString, QStringLiteral("/dev/ttyDoesNotExist47")),
                              Q_ARG(QList<int>, QList<int>{}));
    QTRY_VERIFY_WITH_TIMEOUT(link->modbusMaster() != nullptr, SignalWaitMs);
    QCOMPARE(link->modbusMaster()->thread(), thread);

    thread->quit();
    QVERIFY(thread->wait(ThreadStopMs));
    QTRY_COMPARE_WITH_TIMEOUT(destroyed.count(), 1, SignalWaitMs);
    delete thread;
}

QTEST_GUILESS_MAIN(tst_SerialIo)
#include "tst_SerialIo.moc"
