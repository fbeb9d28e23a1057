#include "ModbusClientSerial.h"

#include <QSignalSpy>
#include <QTest>

class tst_ModbusClientSerial : public QObject
{
    Q_OBJECT

private slots:
    void parameterList_fullList_takenInOrder();
    void parameterList_shortList_missingEntriesTakeDefaults();
    void parameterList_parityNumbering_matchesSerialPortAndBusRegisters_data();
    void parameterList_parityNumbering_matchesSerialPortAndBusRegisters();
    void parameterList_outOfRange_refused_data();
    void parameterList_outOfRange_refused();
    void errorCodes_exceptionAnswersTellFromTransportFailures();
    void requestWithoutPort_reportsNotConnectedLaterAndNeverQueues();
    void connectWithInvalidParameters_reportsErrorAndUnconnected();
};

void tst_ModbusClientSerial::parameterList_fullList_takenInOrder()
{
    const auto s =
        ModbusClientSerial::settingsFromParameters(QStringLiteral(" /dev/ttyUSB0 "), {19200, 2, 7, 2, 500, 1});
    QVERIFY(s.has_value());
    QCOMPARE(s->port, QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(s->baudRate, 19200);
    QCOMPARE(s->parity, 2);
    QCOMPARE(s->dataBits, 7);
    QCOMPARE(s->stopBits, 2);
    QCOMPARE(s->timeoutMs, 500);
    QCOMPARE(s->retries, 1);
}

void tst_ModbusClientSerial::parameterList_shortList_missingEntriesTakeDefaults()
{
    const auto s = ModbusClientSerial::settingsFromParameters(QStringLiteral("COM3"), {9600});
    QVERIFY(s.has_value());
    QCOMPARE(s->baudRate, 9600);
    QCOMPARE(s->parity, 0);
    QCOMPARE(s->dataBits, 8);
    QCOMPARE(s->stopBits, 1);
    QCOMPARE(s->timeoutMs, 1000);
    QCOMPARE(s->retries, 3);

    // The ZNT pages append a seventh entry; it must not spoil the list.
    QVERIFY(ModbusClientSerial::settingsFromParameters(QStringLiteral("COM3"), {115200, 0, 8, 1, 500, 1, 1}));
}

void tst_ModbusClientSerial::parameterList_parityNumbering_matchesSerialPortAndBusRegisters_data()
{
    QTest::addColumn<int>("parity");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("none") << 0 << true;
    QTest::newRow("odd as on the bus registers") << 1 << true;
    QTest::newRow("even") << 2 << true;
    QTest::newRow("odd") << 3 << true;
    QTest::newRow("space") << 4 << true;
    QTest::newRow("mark") << 5 << true;
    QTest::newRow("unknown") << 6 << false;
    QTest::newRow("negative") << -1 << false;
}

void tst_ModbusClientSerial::parameterList_parityNumbering_matchesSerialPortAndBusRegisters()
{
    QFETCH(int, parity);
    QFETCH(bool, accepted);
    QCOMPARE(ModbusClientSerial::settingsFromParameters(QStringLiteral("p"), {115200, parity}).has_value(), accepted);
}

void tst_ModbusClientSerial::parameterList_outOfRange_refused_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QList<int>>("parameters");
    QTest::newRow("no port") << QString() << QList<int>{115200};
    QTest::newRow("blank port") << QStringLiteral("  ") << QList<int>{115200};
    QTest::newRow("zero baud") << QStringLiteral("p") << QList<int>{0};
    QTest::newRow("nine data bits") << QStringLiteral("p") << QList<int>{115200, 0, 9};
    QTest::newRow("three stop bits") << QStringLiteral("p") << QList<int>{115200, 0, 8, 3};
    QTest::newRow("zero timeout") << QStringLiteral("p") << QList<int>{115200, 0, 8, 1, 0};
    QTest::newRow("negative retries") << QStringLiteral("p") << QList<int>{115200, 0, 8, 1, 1000, -1};
}

void tst_ModbusClientSerial::parameterList_outOfRange_refused()
{
    QFETCH(QString, port);
    QFETCH(QList<int>, parameters);
    QVERIFY(!ModbusClientSerial::settingsFromParameters(port, parameters).has_value());
}

void tst_ModbusClientSerial::errorCodes_exceptionAnswersTellFromTransportFailures()
{
    QVERIFY(ModbusClientSerial::isModbusException(ModbusClientSerial::IllegalDataAddress));
    QVERIFY(ModbusClientSerial::isModbusException(ModbusClientSerial::ServerDeviceFailure));
    QVERIFY(ModbusClientSerial::isModbusException(ModbusClientSerial::ExceptionBase + 0x2A));
    QVERIFY(!ModbusClientSerial::isModbusException(ModbusClientSerial::TimeoutError));
    QVERIFY(!ModbusClientSerial::isModbusException(ModbusClientSerial::ProtocolError));
    QVERIFY(!ModbusClientSerial::isModbusException(ModbusClientSerial::ConnectionError));
    QVERIFY(!ModbusClientSerial::isModbusException(ModbusClientSerial::NoError));
}

void tst_ModbusClientSerial::requestWithoutPort_reportsNotConnectedLaterAndNeverQueues()
{
    ModbusClientSerial client;
    QSignalSpy errors(&client, &ModbusClientSerial::errorOccurred);
    QSignalSpy sent(&client, &ModbusClientSerial::requestSent);

    client.enqueue(Datagram::readRequest(0, 2, 1));
    // Reported from the event loop, never inside the caller's request.
    QCOMPARE(errors.count(), 0);
    QVERIFY(errors.wait(2000));
    QCOMPARE(errors.first().first().value<ModbusClientSerial::ModbusClientErrors>(),
             ModbusClientSerial::NotConnectedError);
    QVERIFY(client.queueIsEmpty());
    QVERIFY(!client.isBusy());
    QCOMPARE(sent.count(), 0);
    QVERIFY(!client.errorString().isEmpty());
}

void tst_ModbusClientSerial::connectWithInvalidParameters_reportsErrorAndUnconnected()
{
    ModbusClientSerial client;
    QSignalSpy errors(&client, &ModbusClientSerial::errorOccurred);
    QSignalSpy states(&client, &ModbusClientSerial::stateChanged);

    QVERIFY(!client.connectPort(QStringLiteral("/dev/null-port"), {115200, 9}));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().value<ModbusClientSerial::ModbusClientErrors>(),
             ModbusClientSerial::ConfigurationError);
    QVERIFY(client.errorString().contains(QStringLiteral("/dev/null-port")));
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.first().first().toInt(), 0);
    QVERIFY(!client.isConnected());
}

QTEST_GUILESS_MAIN(tst_ModbusClientSerial)
#include "tst_ModbusClientSerial.moc"
