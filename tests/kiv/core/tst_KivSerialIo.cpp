#include "KivSerialIo.h"

#include "EmulatorProcess.h"
#include "PtyPair.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

constexpr int SignalWaitMs = 10000;
constexpr int ThreadStopMs = 2000;
// Short link time-out so that fault scenarios end quickly.
constexpr int FaultTimeoutMs = 300;
constexpr quint16 BootKey1 = 8603;
constexpr quint16 BootKey2 = 8519;
// A register range the emulator stores without side effects.
constexpr uint ScratchRegister = 4000;

QList<int> parameters(int timeoutMs, int retries)
{
    return {115200, 0, 8, 1, timeoutMs, retries};
}

} // namespace

// Signals are recorded in the worker thread and may fire before a wait starts, so wait on counts.
#define WAIT_FOR_COUNT(spy, n) QTRY_VERIFY_WITH_TIMEOUT((spy).count() >= (n), SignalWaitMs)

// The link set up exactly as the back end does: no parent, its own thread, queued calls only.
class LinkRig
{
public:
    LinkRig()
    {
        link = new KivSerialIo;
        link->moveToThread(thread.get());
        QObject::connect(thread.get(), &QThread::finished, link, &QObject::deleteLater);
        thread->start();
    }
    ~LinkRig()
    {
        thread->quit();
        if (!thread->wait(ThreadStopMs))
            qWarning("link thread did not end in time");
        emulator.stop();
        pty.stop();
    }

    bool startDevice(const QStringList &emulatorArgs = {})
    {
        if (!pty.start()) {
            qWarning() << "pty:" << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(),
                            QStringList{QStringLiteral("--parity"), QStringLiteral("none")} + emulatorArgs)) {
            qWarning() << "emulator:" << emulator.errorString() << emulator.output();
            return false;
        }
        return true;
    }

    template<typename... Args>
    void call(const char *method, Args... args)
    {
        QVERIFY(QMetaObject::invokeMethod(link, method, Qt::QueuedConnection, args...));
    }

    void open(const QString &port, int timeoutMs = 1000, int retries = 1)
    {
        call("setModbusId", Q_ARG(uchar, 1));
        call("setParameter", Q_ARG(QString, port), Q_ARG(QList<int>, parameters(timeoutMs, retries)));
    }

    void setMode(BluetoothIoEnums::OperationMode mode)
    {
        call("setOperationMode", Q_ARG(BluetoothIoEnums::OperationMode, mode));
    }

    // Returns once the worker has handled everything queued before.
    void sync()
    {
        QMetaObject::invokeMethod(
            link, [] {}, Qt::BlockingQueuedConnection);
    }

    PtyPair pty;
    EmulatorProcess emulator;
    std::unique_ptr<QThread> thread = std::make_unique<QThread>();
    KivSerialIo *link = nullptr;
};

class tst_KivSerialIo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answers_routedByRequestTypeAndSize_inQueueOrder();
    void writes_reachDevice_andAcknowledgeOncePerRequestWhenDrained();
    void bootLoader_rawEntryThenReadsAndWritesGoToBootLoader();
    void bootLoader_modbusErrorRepeatedFiveTimesThenDisconnects();
    void bootLoader_transportErrorDisconnectsAtOnce();
    void bootLoader_stateChangesStaySilent();
    void fault_endsInErrorTextAndDisconnect_data();
    void fault_endsInErrorTextAndDisconnect();
    void portUnavailable_errorTextAndUnconnected_data();
    void portUnavailable_errorTextAndUnconnected();
};

void tst_KivSerialIo::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivSerialIo::answers_routedByRequestTypeAndSize_inQueueOrder()
{
    LinkRig rig;
    QVERIFY(rig.startDevice());
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy single(rig.link, &KivSerialIo::newDataSl);
    QSignalSpy multi(rig.link, &KivSerialIo::newDataPl);
    QSignalSpy poll(rig.link, &KivSerialIo::newPoll);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);

    rig.open(rig.pty.appSide());
    WAIT_FOR_COUNT(connected, 1);
    QCOMPARE(connected.first().first().toBool(), true);

    // Queued back to back: each answer must still carry the type of its own request.
    rig.call("readPollReg", Q_ARG(uint, 1000), Q_ARG(uint, 50));
    rig.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 100));
    rig.call("readSingleReg", Q_ARG(uint, 0));
    rig.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 2));
    QTRY_COMPARE_WITH_TIMEOUT(single.count() + multi.count() + poll.count(), 4, SignalWaitMs);
    QCOMPARE(errors.count(), 0);

    QCOMPARE(poll.count(), 1);
    QCOMPARE(poll.first().at(0).toUInt(), 1000u);
    QCOMPARE(poll.first().at(1).value<QList<quint16>>().size(), 50);

    QCOMPARE(multi.count(), 2);
    QCOMPARE(multi.at(0).at(0).toUInt(), 0u);
    const auto image = multi.at(0).at(1).value<QList<quint16>>();
    QCOMPARE(image.size(), 100);
    QCOMPARE(multi.at(1).at(1).value<QList<quint16>>(), image.mid(0, 2));

    QCOMPARE(single.count(), 1);
    QCOMPARE(single.first().at(1).value<QList<quint16>>(), QList<quint16>{image.at(0)});
    // Register 0 is the number of data blocks of a real device.
    QVERIFY(image.at(0) >= 1 && image.at(0) <= 15);
}

void tst_KivSerialIo::writes_reachDevice_andAcknowledgeOncePerRequestWhenDrained()
{
    LinkRig rig;
    QVERIFY(rig.startDevice());
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy written(rig.link, &KivSerialIo::allWritten);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);
    rig.open(rig.pty.appSide());
    WAIT_FOR_COUNT(connected, 1);

    rig.call("setDoWriteDoneSignal", Q_ARG(bool, true));
    rig.call("writeSingleReg", Q_ARG(uint, ScratchRegister), Q_ARG(ushort, 0x1234));
    rig.call("writeMultiReg", Q_ARG(uint, ScratchRegister + 1), Q_ARG(QList<quint16>, QList<quint16>({1, 2, 3})));
    rig.call("writeMultiReg", Q_ARG(uint, ScratchRegister + 10), Q_ARG(QList<quint16>, QList<quint16>(50, 0xBEEF)));
    WAIT_FOR_COUNT(written, 1);

    // Only the last write found the queue empty; a read afterwards must not acknowledge again.
    QSignalSpy multi(rig.link, &KivSerialIo::newDataPl);
    rig.call("readMultiReg", Q_ARG(uint, ScratchRegister), Q_ARG(uint, 60));
    WAIT_FOR_COUNT(multi, 1);
    QCOMPARE(written.count(), 1);
    QCOMPARE(errors.count(), 0);

    const auto values = multi.first().at(1).value<QList<quint16>>();
    QCOMPARE(values.mid(0, 4), QList<quint16>({0x1234, 1, 2, 3}));
    QCOMPARE(values.mid(10, 50), QList<quint16>(50, 0xBEEF));
    QTRY_COMPARE_WITH_TIMEOUT(rig.emulator.registers().mid(int(ScratchRegister), 4), QList<quint16>({0x1234, 1, 2, 3}),
                              SignalWaitMs);

    // A second acknowledgement request is answered by the next drained write.
    rig.call("setDoWriteDoneSignal", Q_ARG(bool, true));
    rig.call("writeSingleReg", Q_ARG(uint, ScratchRegister), Q_ARG(ushort, 7));
    WAIT_FOR_COUNT(written, 2);
    QCOMPARE(written.count(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(rig.emulator.registers().value(int(ScratchRegister)), quint16(7), SignalWaitMs);
}

void tst_KivSerialIo::bootLoader_rawEntryThenReadsAndWritesGoToBootLoader()
{
    LinkRig rig;
    QVERIFY(rig.startDevice());
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy bootAnswers(rig.link, &KivSerialIo::responseForBootLoader);
    QSignalSpy normalAnswers(rig.link, &KivSerialIo::newDataPl);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);
    rig.open(rig.pty.appSide());
    WAIT_FOR_COUNT(connected, 1);

    rig.call("writeRawBytes", Q_ARG(QByteArray, QByteArrayLiteral("StartBootloader")));
    rig.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 2));
    WAIT_FOR_COUNT(bootAnswers, 1);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(normalAnswers.count(), 0);
    QCOMPARE(bootAnswers.first().at(1).value<QList<quint16>>(), QList<quint16>({BootKey1, BootKey2}));
    // The port was handed over and back without the back end seeing a state change.
    QCOMPARE(connected.count(), 1);

    QCOMPARE(rig.link->operationMode(), BluetoothIoEnums::BootLoader);
    rig.call("onBootLoaderFinished");
    rig.sync();
    QCOMPARE(rig.link->operationMode(), BluetoothIoEnums::Normal);
}

void tst_KivSerialIo::bootLoader_modbusErrorRepeatedFiveTimesThenDisconnects()
{
    LinkRig rig;
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), QStringLiteral("exception:4")}));
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);
    QSignalSpy bootAnswers(rig.link, &KivSerialIo::responseForBootLoader);
    rig.open(rig.pty.appSide(), FaultTimeoutMs, 0);
    WAIT_FOR_COUNT(connected, 1);

    rig.setMode(BluetoothIoEnums::BootLoader);
    rig.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 2));
    WAIT_FOR_COUNT(connected, 2);
    QCOMPARE(connected.last().first().toBool(), false);
    // The first answer and five repeats, each reported; then the link gives up.
    QCOMPARE(errors.count(), 6);
    QVERIFY(errors.last().first().toString().contains(QStringLiteral("Ausnahme 4")));
    QCOMPARE(bootAnswers.count(), 0);
    QCOMPARE(rig.link->operationMode(), BluetoothIoEnums::Normal);
}

void tst_KivSerialIo::bootLoader_transportErrorDisconnectsAtOnce()
{
    LinkRig rig;
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), QStringLiteral("noreply")}));
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);
    rig.open(rig.pty.appSide(), FaultTimeoutMs, 0);
    WAIT_FOR_COUNT(connected, 1);

    rig.setMode(BluetoothIoEnums::BootLoader);
    rig.call("writeMultiReg", Q_ARG(uint, 0),
             Q_ARG(QList<quint16>, QList<quint16>({0, 0, BootKey1, BootKey2, 1, 0, 1})));
    WAIT_FOR_COUNT(connected, 2);
    QCOMPARE(connected.last().first().toBool(), false);
    QCOMPARE(errors.count(), 1);
    QVERIFY(!errors.first().first().toString().isEmpty());
}

void tst_KivSerialIo::bootLoader_stateChangesStaySilent()
{
    LinkRig rig;
    QVERIFY(rig.startDevice());
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    rig.open(rig.pty.appSide());
    WAIT_FOR_COUNT(connected, 1);

    rig.setMode(BluetoothIoEnums::BootLoader);
    rig.call("disconnectDevice");
    rig.open(rig.pty.appSide());
    rig.call("disconnectDevice");
    rig.sync();
    QCOMPARE(connected.count(), 1);

    // Back in normal operation the link speaks again.
    rig.setMode(BluetoothIoEnums::Normal);
    rig.open(rig.pty.appSide());
    WAIT_FOR_COUNT(connected, 2);
    QCOMPARE(connected.last().first().toBool(), true);
}

void tst_KivSerialIo::fault_endsInErrorTextAndDisconnect_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("okAnswersFirst");
    QTest::newRow("no reply") << QStringLiteral("noreply") << 0;
    QTest::newRow("bad crc") << QStringLiteral("badcrc") << 0;
    QTest::newRow("exception") << QStringLiteral("exception:2") << 0;
    QTest::newRow("reply after the time-out") << QStringLiteral("late:%1").arg(FaultTimeoutMs * 3) << 0;
    QTest::newRow("line dropped") << QStringLiteral("drop-after:2") << 2;
    QTest::newRow("garbage") << QStringLiteral("garbage") << 0;
}

void tst_KivSerialIo::fault_endsInErrorTextAndDisconnect()
{
    QFETCH(QString, fault);
    QFETCH(int, okAnswersFirst);

    LinkRig rig;
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), fault}));
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);
    QSignalSpy answers(rig.link, &KivSerialIo::newDataPl);
    rig.open(rig.pty.appSide(), FaultTimeoutMs, 1);
    WAIT_FOR_COUNT(connected, 1);

    for (int i = 0; i <= okAnswersFirst + 1; ++i)
        rig.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 10));

    QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 2, SignalWaitMs);
    QCOMPARE(connected.last().first().toBool(), false);
    QCOMPARE(errors.count(), 1);
    QVERIFY2(errors.first().first().toString().contains(rig.pty.appSide()),
             qPrintable(errors.first().first().toString()));
    QCOMPARE(answers.count(), okAnswersFirst);

    // A request after the loss is refused with a text, not lost silently or hung.
    rig.call("readMultiReg", Q_ARG(uint, 0), Q_ARG(uint, 10));
    WAIT_FOR_COUNT(errors, 2);
    QCOMPARE(answers.count(), okAnswersFirst);
}

void tst_KivSerialIo::portUnavailable_errorTextAndUnconnected_data()
{
    QTest::addColumn<bool>("heldByOther");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("missing") << false << QStringLiteral("existiert nicht");
    QTest::newRow("held by another program") << true << QStringLiteral("belegt");
}

void tst_KivSerialIo::portUnavailable_errorTextAndUnconnected()
{
    QFETCH(bool, heldByOther);
    QFETCH(QString, expectedText);

    LinkRig rig;
    QVERIFY(rig.pty.start());
    QString port = rig.pty.appSide() + QStringLiteral("-missing");
    QSerialPort other;
    if (heldByOther) {
        port = rig.pty.appSide();
        other.setPortName(port);
        QVERIFY(other.open(QIODevice::ReadWrite));
    }
    QSignalSpy connected(rig.link, &SerialIo::isConnected);
    QSignalSpy errors(rig.link, &KivSerialIo::errorAsString);
    rig.open(port);

    WAIT_FOR_COUNT(connected, 1);
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.first().first().toBool(), false);
    QCOMPARE(errors.count(), 1);
    const QString text = errors.first().first().toString();
    QVERIFY2(text.contains(port) && text.contains(expectedText), qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_KivSerialIo)
#include "tst_KivSerialIo.moc"
