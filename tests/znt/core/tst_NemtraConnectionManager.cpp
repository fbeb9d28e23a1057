#include "NemtraConnectionManager.h"

#include "PtyPair.h"

#include <QModbusDataUnit>
#include <QModbusRtuSerialServer>
#include <QSerialPort>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QVariant>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kLinkTimeoutMs = 300;
constexpr uint kSetup = 0xC800;
constexpr uint kInfo = 0xC000;
constexpr uint kInfoB = 0xC100;
constexpr uint kChannel1Temperature = 0x8100;

using Task = NemtraConnectionManager::TaskMode;
using Range = NemtraConnectionManager::Range;

// A small ZNT device in this process: the whole register space, a log of every request it
// answered and registers it refuses with an exception.
class FakeDevice : public QModbusRtuSerialServer
{
public:
    explicit FakeDevice(quint16 identification)
    {
        setMap({{QModbusDataUnit::HoldingRegisters, QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0, 65535)}});
        setServerAddress(1);
        setValue(NemtraConnectionManager::kIdentificationRegister, identification);
        // Setup block: channel 1 has temperature (16) and humidity (17), channel 2 temperature.
        setValue(kSetup + 1, 0x0003);
        setValue(kSetup + 8 + 1, 0x0001);
        setValue(kChannel1Temperature, 215);
    }

    bool open(const QString &port)
    {
        setConnectionParameter(QModbusDevice::SerialPortNameParameter, port);
        setConnectionParameter(QModbusDevice::SerialBaudRateParameter, QSerialPort::Baud115200);
        setConnectionParameter(QModbusDevice::SerialParityParameter, QSerialPort::NoParity);
        setConnectionParameter(QModbusDevice::SerialDataBitsParameter, QSerialPort::Data8);
        setConnectionParameter(QModbusDevice::SerialStopBitsParameter, QSerialPort::OneStop);
        return connectDevice();
    }

    void setValue(uint reg, quint16 value) { setData(QModbusDataUnit::HoldingRegisters, quint16(reg), value); }
    quint16 value(uint reg) const
    {
        quint16 v = 0;
        data(QModbusDataUnit::HoldingRegisters, quint16(reg), &v);
        return v;
    }

    mutable QList<Range> reads; // (start, count)
    QSet<uint> refused;

protected:
    bool readData(QModbusDataUnit *unit) const override
    {
        const uint start = uint(unit->startAddress());
        for (uint r = start; r < start + unit->valueCount(); ++r) {
            if (refused.contains(r))
                return false;
        }
        // Writes read their registers back through here too; only whole reads are logged.
        if (unit->valueCount() > 0)
            reads.append({start, uint(unit->valueCount())});
        return QModbusRtuSerialServer::readData(unit);
    }
};

QList<Range> testRanges(NemtraConnectionManager::RangeKind kind)
{
    if (kind == NemtraConnectionManager::RangeKind::Container)
        return {{kSetup, kSetup + 15}, {kInfo, kInfo + 16}, {kInfoB, kInfoB + 11}};
    return {{kChannel1Temperature, kChannel1Temperature + 5}, {0x8110, 0x8115}};
}

struct Rig
{
    explicit Rig(quint16 identification = NemtraConnectionManager::kSupportedDeviceMark)
        : device(identification)
    {
        manager.setRangeProvider(testRanges);
    }

    bool start()
    {
        if (!pty.start()) {
            qWarning() << pty.errorString();
            return false;
        }
        return device.open(pty.deviceSide());
    }

    void connectLink(int connectionType = NemtraConnectionManager::Cable)
    {
        manager.connectToSerial({115200, 0, 8, 1, kLinkTimeoutMs, 1, connectionType}, pty.appSide());
    }

    bool waitForTask(Task task)
    {
        return QTest::qWaitFor([&] { return manager.currentTask() == task; }, kWaitMs);
    }

    PtyPair pty;
    FakeDevice device;
    NemtraConnectionManager manager;
};

int largestRead(const QList<Range> &reads, uint from, uint to)
{
    int largest = 0;
    for (const Range &r : reads) {
        if (r.first >= from && r.first < to)
            largest = qMax(largest, int(r.second));
    }
    return largest;
}

} // namespace

class tst_NemtraConnectionManager : public QObject
{
    Q_OBJECT

private slots:
    void connect_identifiesReadsSetupAndEveryRange_thenPollsLive();
    void radioBridge_smallRequestsAndKeepAliveOnly();
    void wrongDevice_refusedWithTextAndDisconnected();
    void write_sentReadBackAndMarkedUntilSaved();
    void singleRead_duringPollingServedAtOnce();
    void refusedRegisters_fullReadReportsThemAndGoesOn();
    void refusedIdentification_reportedNotCompleted();
    void disconnect_emptiesQueuesSoNothingReachesNextDevice();
};

void tst_NemtraConnectionManager::connect_identifiesReadsSetupAndEveryRange_thenPollsLive()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy tasks(&rig.manager, &NemtraConnectionManager::currentTaskChanged);
    QSignalSpy all(&rig.manager, &NemtraConnectionManager::allDataReceived);
    QSignalSpy live(&rig.manager, &NemtraConnectionManager::allLiveDataReceived);
    QSignalSpy progress(&rig.manager, &NemtraConnectionManager::progressValueChanged);
    rig.connectLink();
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(live.count() >= 2, kWaitMs);

    QList<int> order;
    for (const auto &args : std::as_const(tasks))
        order.append(args.first().toInt());
    QCOMPARE(order.mid(0, 4),
             (QList<int>{NemtraConnectionManager::IdTheDevice, NemtraConnectionManager::IdDeviceSetup,
                         NemtraConnectionManager::GetAllData, NemtraConnectionManager::Polling}));
    QCOMPARE(rig.manager.deviceSetupWords().size(), 16);

    // Container ranges 2 + 3 + 2 requests of at most 8; three announced blocks of 16 in one each.
    QCOMPARE(rig.manager.progressMax(), 10);
    QCOMPARE(rig.manager.progressValue(), 10);
    QCOMPARE(progress.first().first().toInt(), 0);
    const QList<Range> reads = rig.device.reads;
    QCOMPARE(reads.first(), Range(NemtraConnectionManager::kIdentificationRegister, 1));
    // The setup block is read whole first, then again with the containers in eights.
    QCOMPARE(reads.at(1), Range(kSetup, 16));
    QCOMPARE(reads.count(Range(kSetup + 8, 8)), 1);
    QCOMPARE(largestRead(reads, kInfo, kInfoB + 12), 8);
    QVERIFY(reads.contains(Range(kChannel1Temperature, 16)));
    QVERIFY(reads.contains(Range(0x8110, 16)));
    QVERIFY(reads.contains(Range(0x9100, 16)));
    QVERIFY(!reads.contains(Range(0x9110, 16)));
    // Live values: only the channel ranges, in requests of at most 8, cycle after cycle.
    const int liveReads = int(reads.count(Range(kChannel1Temperature, 6)));
    QVERIFY(liveReads >= 2);
    rig.manager.doDisconnect();
    QCOMPARE(rig.manager.currentTask(), NemtraConnectionManager::NothingToDo);
}

void tst_NemtraConnectionManager::radioBridge_smallRequestsAndKeepAliveOnly()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy all(&rig.manager, &NemtraConnectionManager::allDataReceived);
    rig.connectLink(NemtraConnectionManager::RadioBridge);
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(rig.device.reads.contains(Range(0, 8)), kWaitMs);
    QCOMPARE(largestRead(rig.device.reads, 0x8000, 0xD000), 8);
    QVERIFY(!rig.device.reads.contains(Range(kChannel1Temperature, 6)));
    QVERIFY(rig.manager.pollTimerActive() || rig.manager.currentTask() == NemtraConnectionManager::Polling);
}

void tst_NemtraConnectionManager::wrongDevice_refusedWithTextAndDisconnected()
{
    Rig rig(0);
    QVERIFY(rig.start());
    QSignalSpy errors(&rig.manager, &ConnectionManagerBase::errorPlainText);
    QSignalSpy connected(&rig.manager, &ConnectionManagerBase::connectedChanged);
    rig.connectLink();
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, kWaitMs);
    QCOMPARE(errors.first().first().toString(), QStringLiteral("Nicht unterstützer Gerätetyp erkannt!"));
    QVERIFY(!rig.manager.connected());
    QCOMPARE(connected.last().first().toBool(), false);
    QCOMPARE(rig.manager.currentTask(), NemtraConnectionManager::NothingToDo);
    QCOMPARE(rig.device.reads, (QList<Range>{{NemtraConnectionManager::kIdentificationRegister, 1}}));
}

void tst_NemtraConnectionManager::write_sentReadBackAndMarkedUntilSaved()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy written(&rig.manager, &NemtraConnectionManager::allDataWritten);
    QSignalSpy modified(&rig.manager, &NemtraConnectionManager::valuesModifiedChanged);
    QSignalSpy all(&rig.manager, &NemtraConnectionManager::allDataReceived);
    rig.connectLink();
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);

    rig.manager.attemptToWriteSingle(kInfoB + 8, 1234);
    rig.manager.attemptToWriteMulti(kInfo + 4, {5, 6});
    QVERIFY(rig.manager.valuesModified());
    QTRY_COMPARE_WITH_TIMEOUT(written.count(), 1, kWaitMs);
    QCOMPARE(rig.device.value(kInfoB + 8), quint16(1234));
    QCOMPARE(rig.device.value(kInfo + 4), quint16(5));
    QCOMPARE(rig.device.value(kInfo + 5), quint16(6));
    // Each write is read back from its first register.
    QVERIFY(rig.device.reads.contains(Range(kInfoB + 8, 1)));
    QVERIFY(rig.device.reads.contains(Range(kInfo + 4, 1)));
    QVERIFY(rig.manager.writeQueue().isEmpty());

    rig.manager.onSaveCommand();
    QVERIFY(!rig.manager.valuesModified());
    QCOMPARE(modified.count(), 2);
}

void tst_NemtraConnectionManager::singleRead_duringPollingServedAtOnce()
{
    Rig rig(NemtraConnectionManager::kSupportedDeviceMark);
    QVERIFY(rig.start());
    QSignalSpy ready(&rig.manager, &ConnectionManagerBase::readyRead);
    rig.connectLink(NemtraConnectionManager::RadioBridge);
    QVERIFY(rig.waitForTask(NemtraConnectionManager::Polling));
    QTRY_VERIFY_WITH_TIMEOUT(rig.manager.pollTimerActive(), kWaitMs);
    rig.device.setValue(0xD000, 77);
    rig.manager.attemptToReadSingle(0xD000);
    // Served long before the one-second keep-alive would have come.
    QTRY_VERIFY_WITH_TIMEOUT(rig.device.reads.contains(Range(0xD000, 1)), 900);
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(ready.begin(), ready.end(), [](const QList<QVariant> &a) { return a.first().toUInt() == 0xD000; }),
        kWaitMs);
    // The register joins later full reads.
    // Seven container requests, three blocks in two requests each, and the new register.
    QCOMPARE(rig.manager.getAllQueue().size(), 7 + 6 + 1);

    // The last address is outside the device's registers: refused, reported, and polling goes on.
    QSignalSpy errors(&rig.manager, &ConnectionManagerBase::errorPlainText);
    rig.manager.attemptToReadSingle(0xFFFF);
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, kWaitMs);
    QVERIFY(errors.first().first().toString().contains(QStringLiteral("65535")));
    QVERIFY(rig.manager.connected());
    QVERIFY(rig.waitForTask(NemtraConnectionManager::Polling));
    QVERIFY(rig.manager.singleReadQueue().isEmpty());
}

void tst_NemtraConnectionManager::refusedRegisters_fullReadReportsThemAndGoesOn()
{
    Rig rig;
    rig.device.refused = {kInfo + 3};
    QVERIFY(rig.start());
    QSignalSpy errors(&rig.manager, &ConnectionManagerBase::errorPlainText);
    QSignalSpy all(&rig.manager, &NemtraConnectionManager::allDataReceived);
    rig.connectLink();
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.first().first().toString().contains(QStringLiteral("1 Register")));
    // The requests around the refused register were still read.
    QVERIFY(rig.device.reads.contains(Range(kInfo + 4, 4)));
    QVERIFY(rig.device.reads.contains(Range(0x9100, 16)));
    QVERIFY(rig.manager.connected());
    QVERIFY(rig.waitForTask(NemtraConnectionManager::LiveValues));

    // The last register of the whole plan refused: the read ends, reported, not silently complete.
    Rig last;
    last.device.refused = {0x9100 + 15};
    QVERIFY(last.start());
    QSignalSpy lastErrors(&last.manager, &ConnectionManagerBase::errorPlainText);
    QSignalSpy lastAll(&last.manager, &NemtraConnectionManager::allDataReceived);
    last.connectLink();
    QTRY_COMPARE_WITH_TIMEOUT(lastAll.count(), 1, kWaitMs);
    QCOMPARE(lastErrors.count(), 1);
    QVERIFY(last.manager.connected());
}

void tst_NemtraConnectionManager::refusedIdentification_reportedNotCompleted()
{
    Rig rig;
    rig.device.refused = {NemtraConnectionManager::kIdentificationRegister};
    QVERIFY(rig.start());
    QSignalSpy errors(&rig.manager, &ConnectionManagerBase::errorPlainText);
    QSignalSpy all(&rig.manager, &NemtraConnectionManager::allDataReceived);
    rig.connectLink();
    QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.manager.connected(), kWaitMs);
    QCOMPARE(all.count(), 0);
    QCOMPARE(rig.manager.currentTask(), NemtraConnectionManager::NothingToDo);
}

void tst_NemtraConnectionManager::disconnect_emptiesQueuesSoNothingReachesNextDevice()
{
    Rig first;
    QVERIFY(first.start());
    first.connectLink();
    QVERIFY(first.waitForTask(NemtraConnectionManager::GetAllData));
    // Single writes and reads are queued during a full read; then the device goes away.
    first.manager.attemptToWriteSingle(kInfoB + 2, 4321);
    first.manager.attemptToReadSingle(0xD001);
    QVERIFY(!first.manager.writeQueue().isEmpty());
    first.manager.doDisconnect();
    QVERIFY(first.manager.writeQueue().isEmpty());
    QVERIFY(first.manager.singleReadQueue().isEmpty());
    QVERIFY(!first.manager.pollTimerActive());
    QVERIFY(!first.manager.valuesModified());

    // The same manager on another device: the old write never arrives there.
    FakeDevice second(NemtraConnectionManager::kSupportedDeviceMark);
    PtyPair pty;
    QVERIFY(pty.start());
    QVERIFY(second.open(pty.deviceSide()));
    QSignalSpy all(&first.manager, &NemtraConnectionManager::allDataReceived);
    first.manager.connectToSerial({115200, 0, 8, 1, kLinkTimeoutMs, 1}, pty.appSide());
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);
    QVERIFY(first.waitForTask(NemtraConnectionManager::LiveValues));
    QCOMPARE(second.value(kInfoB + 2), quint16(0));
    QVERIFY(!second.reads.contains(Range(0xD001, 1)));
}

QTEST_GUILESS_MAIN(tst_NemtraConnectionManager)
#include "tst_NemtraConnectionManager.moc"
