#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "Functions.h"
#include "KivBackend.h"
#include "KivDeviceSetup.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "PtyPair.h"
#include "SaveAndLoad.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {
// The save/load back end the plugin publishes; a load reaches the back end through its signal.
SaveAndLoad *saveLoad(const KivBackend &backend)
{
    return qobject_cast<SaveAndLoad *>(backend.saveLoadBackend().value<QObject *>());
}

constexpr int kReadWaitMs = 20000;
constexpr int kWriteWaitMs = 10000;
// A short link time-out so that lost-link scenarios end quickly.
constexpr int kLinkTimeoutMs = 400;
// Registers the emulator stores without side effects.
constexpr uint kScratch = 4000;
constexpr uint kBlockCountReg = 0;
constexpr uint kNameReg = 4;
constexpr uint kSerialReg = 24;
constexpr uint kUnitReg = 26;
constexpr uint kAltitudeReg = 30;
constexpr uint kMinVoltageReg = 32;
constexpr uint kMaxVoltageReg = 34;
constexpr uint kFactoryDateReg = 36;
constexpr uint kHoursToMaintenanceReg = 40;
constexpr uint kMaintenanceIntervalReg = 44;
constexpr uint kHardwareReg = 48;
constexpr uint kResetReg = 60;
constexpr uint kStoreReg = 2;
constexpr int kRequestsOf8Blocks = 3 + 8;

quint32 value32(const QList<quint16> &regs, uint reg)
{
    return Functions::toUInt32(regs, int(reg));
}

QList<QPair<uint, uint>> requests(const QSignalSpy &spy)
{
    QList<QPair<uint, uint>> list;
    for (const QList<QVariant> &args : spy)
        list.append({args.at(0).toUInt(), args.at(1).toUInt()});
    return list;
}

} // namespace

// The real back end, connected over a pty pair to the device emulator.
class Rig
{
public:
    explicit Rig(const QString &settingsFile, int timeoutMs = kLinkTimeoutMs, int retries = 1)
    {
        BaseSettings::setSettingsFile(settingsFile);
        BaseSettings::writeParity(0);
        BaseSettings::writeTimeout(timeoutMs);
        BaseSettings::writeRetry(retries);
        BaseSettings::writeDeviceID(1);
        KivSettings::writeVerbindungsMode(0);
        // Losses here end the link at once; waiting for the device is tested on its own.
        KivSettings::writeReconnectSeconds(0);
    }
    ~Rig()
    {
        backend.reset();
        emulator.stop();
        pty.stop();
    }

    bool startDevice(const QStringList &args = {})
    {
        if (!pty.start()) {
            qWarning() << "pty:" << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(), QStringList{QStringLiteral("--parity"), QStringLiteral("none")} + args)) {
            qWarning() << "emulator:" << emulator.errorString() << emulator.output();
            return false;
        }
        BaseSettings::writePortName(pty.appSide());
        backend = std::make_unique<KivBackend>(&share);
        return true;
    }

    // Connects and waits until the full read is through and the live page would be shown.
    bool connectAndRead()
    {
        QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
        backend->connectDevice();
        return ready.wait(kReadWaitMs) && backend->updateOngoing();
    }

    quint16 deviceRegister(uint reg) const
    {
        const QList<quint16> regs = emulator.registers();
        return qsizetype(reg) < regs.size() ? regs.at(reg) : quint16(0xDEAD);
    }

    KivShareBackend share;
    PtyPair pty;
    EmulatorProcess emulator;
    std::unique_ptr<KivBackend> backend;
};

class tst_KivBackendLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPortChosen_errorAndNoLink();
    void connect_identifiesReadsInPiecesPollsAndDisconnects();
    void boardVariants_blocksCreatedForTheirBoard_data();
    void boardVariants_blocksCreatedForTheirBoard();
    void blockCountAndName_decideSupport_data();
    void blockCountAndName_decideSupport();
    void writeGate_dropsWhilePolling_sendsWhenReady_splitsLongWrites();
    void fileLoad_queuesWritesKeepsIdentityThenReReads();
    void blockUpdate_whileAnotherRuns_isRetried();
    void unitSystemChange_writesPollsOnceAndStores();
    void deviceCommands_reachDevice();
    void relayForcing_restoredWhenBackendDestroyedWhileConnected();
    void linkLost_inAnyPhase_returnsToStart_data();
    void linkLost_inAnyPhase_returnsToStart();

private:
    QString craftImage(const std::function<void(QList<quint16> &)> &edit);

    QTemporaryDir m_dir;
    int m_images = 0;
};

void tst_KivBackendLink::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

QString tst_KivBackendLink::craftImage(const std::function<void(QList<quint16> &)> &edit)
{
    const QString path = m_dir.filePath(QStringLiteral("image%1.txt").arg(++m_images));
    QProcess dump;
    dump.start(EmulatorProcess::programPath(), {QStringLiteral("--dump-image"), path});
    if (!dump.waitForFinished(10000) || dump.exitCode() != 0)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<quint16> regs;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            regs.append(quint16(line.trimmed().toUInt()));
    }
    file.close();
    edit(regs);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    for (quint16 v : std::as_const(regs))
        file.write(QByteArray::number(v) + '\n');
    return path;
}

void tst_KivBackendLink::noPortChosen_errorAndNoLink()
{
    Rig rig(m_dir.filePath(QStringLiteral("noport.ini")));
    BaseSettings::writePortName(QString());
    KivBackend backend(&rig.share);
    QSignalSpy errors(&backend, &KivBackend::errorPlainText);
    QSignalSpy params(&backend, &KivBackend::setSerialParameter);

    backend.connectDevice();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(), QStringLiteral("Kein COM-Port ausgewählt!"));
    QCOMPARE(params.count(), 0);
    QVERIFY(!backend.hasSerialLink());
}

void tst_KivBackendLink::connect_identifiesReadsInPiecesPollsAndDisconnects()
{
    Rig rig(m_dir.filePath(QStringLiteral("read.ini")));
    QVERIFY(rig.startDevice());
    KivBackend &backend = *rig.backend;
    QSignalSpy reads(&backend, &KivBackend::readMultiRegister);
    QSignalSpy progress(&backend, &KivBackendProperty::progressChanged);
    QSignalSpy writesAfterRead(&backend, &KivBackend::writeMultiRegister);

    QVERIFY(rig.connectAndRead());
    // Values just read are not written back (the altitude's debounce would have done so).
    QVERIFY(!writesAfterRead.wait(KivBackend::kAltitudeDebounceMs * 2));
    QVERIFY(backend.connected());

    QList<QPair<uint, uint>> expected{{0, 2}, {0, 100}, {100, 100}, {200, 100}};
    for (uint i = 0; i < 8; ++i)
        expected.append({1000 + 100 * i, 50});
    QCOMPARE(requests(reads), expected);
    QCOMPARE(backend.maximum(), kRequestsOf8Blocks);
    QCOMPARE(backend.progress(), kRequestsOf8Blocks);
    QVERIFY(progress.count() >= kRequestsOf8Blocks);
    QCOMPARE(backend.sensorBlockCount(), 8);

    const QList<quint16> device = rig.emulator.registers();
    QCOMPARE(backend.registerImage().mid(0, 300), device.mid(0, 300));
    QCOMPARE(qvariant_cast<QList<QObject *>>(backend.dataBlocks()).size(), 8);
    QCOMPARE(qvariant_cast<QList<QObject *>>(backend.activeChannels()).size(), 4);
    auto *setup = qvariant_cast<KivDeviceSetup *>(backend.deviceInfo());
    QVERIFY(setup->deviceName().startsWith(QStringLiteral("KIV-THC LCD")));
    QCOMPARE(backend.hoehe(), int(value32(device, kAltitudeReg)));
    QCOMPARE(backend.maxVoltage(), int(value32(device, kMaxVoltageReg)));

    // Polling walks the data blocks one request after another, then pauses.
    QSignalSpy polls(&backend, &KivBackend::readPollRegister);
    QElapsedTimer clock;
    QList<qint64> stamps;
    connect(&backend, &KivBackend::readPollRegister, this, [&] { stamps.append(clock.elapsed()); });
    clock.start();
    backend.setDoPoll(true);
    QTRY_VERIFY_WITH_TIMEOUT(polls.count() >= 9, kReadWaitMs);
    backend.setDoPoll(false);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(requests(polls).at(i), (QPair<uint, uint>(1000 + 100 * (i % 8), 50)));
    // Only the gap between two cycles holds the pause; the timer never fires early.
    QVERIFY2(stamps.at(8) - stamps.at(7) >= KivBackend::kPollPauseMs,
             qPrintable(QString::number(stamps.at(8) - stamps.at(7))));

    // Off and on again before an answer is in: one chain goes on, not two.
    polls.clear();
    backend.setDoPoll(true);
    QVERIFY(polls.wait(kWriteWaitMs));
    backend.setDoPoll(false);
    backend.setDoPoll(true);
    QTRY_VERIFY_WITH_TIMEOUT(polls.count() >= 8, kReadWaitMs);
    backend.setDoPoll(false);
    const auto sent = requests(polls);
    for (int i = 1; i < sent.size(); ++i)
        QVERIFY2(sent.at(i).first != sent.at(i - 1).first, "a block was polled twice in a row");

    // Connecting again right after a disconnect must not trip over the old link's port.
    backend.disconnectDevice();
    QTRY_VERIFY(!backend.hasSerialLink());
    QVERIFY(rig.connectAndRead());
    // Disconnect and connect in one go: the disconnect goes first and leaves the new connection be.
    backend.disconnectDevice();
    QVERIFY(rig.connectAndRead());

    QPointer<QObject> link = backend.serialLink();
    QVERIFY(link);
    backend.disconnectDevice();
    QVERIFY(!backend.connected());
    QTRY_VERIFY_WITH_TIMEOUT(link.isNull(), kWriteWaitMs);
    QVERIFY(!backend.hasSerialLink());
    QCOMPARE(backend.registerImage().size(), KivBackend::kImageSize);
    QCOMPARE(backend.registerImage().count(0), KivBackend::kImageSize);
    QCOMPARE(qvariant_cast<QList<QObject *>>(backend.dataBlocks()).size(), 0);
}

void tst_KivBackendLink::boardVariants_blocksCreatedForTheirBoard_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("relays");
    QTest::addColumn<bool>("bus");
    QTest::addColumn<bool>("bacnet");
    QTest::newRow("standard") << "standard" << 0 << false << false;
    QTest::newRow("relay") << "relay" << 2 << false << false;
    QTest::newRow("modbus") << "modbus" << 0 << true << false;
    QTest::newRow("bacnet") << "bacnet" << 0 << true << true;
    QTest::newRow("lora") << "lora" << 0 << false << false;
}

void tst_KivBackendLink::boardVariants_blocksCreatedForTheirBoard()
{
    QFETCH(QString, variant);
    QFETCH(int, relays);
    QFETCH(bool, bus);
    QFETCH(bool, bacnet);
    Rig rig(m_dir.filePath(QStringLiteral("variant.ini")));
    QVERIFY(rig.startDevice({QStringLiteral("--variant"), variant}));
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QCOMPARE(qvariant_cast<QList<QObject *>>(backend.relais()).size(), relays);
    auto *rs485 = qvariant_cast<QObject *>(backend.rs485());
    QCOMPARE(rs485 != nullptr, bus);
    if (rs485)
        QCOMPARE(rs485->property("isBacNet").toBool(), bacnet);
    QVERIFY(qvariant_cast<QObject *>(backend.lora()));
    QVERIFY(qvariant_cast<QObject *>(backend.expertBackend()));
    QVERIFY(qvariant_cast<QObject *>(backend.lcd()));
    QVERIFY(!qvariant_cast<QList<QObject *>>(backend.dataBlocks()).isEmpty());
}

void tst_KivBackendLink::blockCountAndName_decideSupport_data()
{
    QTest::addColumn<int>("blockCount");
    QTest::addColumn<bool>("badName");
    QTest::addColumn<bool>("supported");
    QTest::newRow("no blocks") << 0 << false << false;
    QTest::newRow("16 blocks") << 16 << false << false;
    QTest::newRow("garbage name") << 8 << true << false;
    QTest::newRow("15 blocks") << 15 << false << true;
}

void tst_KivBackendLink::blockCountAndName_decideSupport()
{
    QFETCH(int, blockCount);
    QFETCH(bool, badName);
    QFETCH(bool, supported);
    const QString image = craftImage([&](QList<quint16> &regs) {
        regs[kBlockCountReg] = quint16(blockCount);
        if (badName)
            regs[kNameReg] = 0x0141; // 'A' then a control character
        for (int i = 1; i < qMin(blockCount, 15); ++i) // every block a copy of the first
            std::copy_n(regs.begin() + 1000, 50, regs.begin() + 1000 + 100 * i);
    });
    QVERIFY(!image.isEmpty());
    Rig rig(m_dir.filePath(QStringLiteral("support.ini")));
    QVERIFY(rig.startDevice({QStringLiteral("--registers"), image}));
    KivBackend &backend = *rig.backend;
    QSignalSpy errors(&backend, &KivBackend::errorPlainText);
    QSignalSpy reads(&backend, &KivBackend::readMultiRegister);

    if (supported) {
        QVERIFY(rig.connectAndRead());
        QCOMPARE(backend.sensorBlockCount(), 15);
        QCOMPARE(backend.maximum(), 3 + 15);
        QCOMPARE(requests(reads).last(), (QPair<uint, uint>(2400, 50)));
        QCOMPARE(errors.count(), 0);
        return;
    }
    QSignalSpy ready(&backend, &KivBackend::switchToPoll);
    backend.connectDevice();
    QVERIFY(errors.wait(kReadWaitMs));
    QCOMPARE(errors.first().first().toString(), QStringLiteral("Das angeschlossene Gerät wird nicht unterstüzt."));
    QTRY_VERIFY_WITH_TIMEOUT(!backend.connected() && !backend.hasSerialLink(), kWriteWaitMs);
    QCOMPARE(ready.count(), 0);
    QCOMPARE(backend.registerImage().count(0), KivBackend::kImageSize);
}

void tst_KivBackendLink::writeGate_dropsWhilePolling_sendsWhenReady_splitsLongWrites()
{
    Rig rig(m_dir.filePath(QStringLiteral("gate.ini")));
    QVERIFY(rig.startDevice());
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);
    QSignalSpy multis(&backend, &KivBackend::writeMultiRegister);

    backend.singleWrite(kScratch, 1234);
    QCOMPARE(singles.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.deviceRegister(kScratch), quint16(1234), kWriteWaitMs);

    backend.setDoPoll(true);
    backend.singleWrite(kScratch, 999);
    backend.multiWrite(kScratch, {1, 2});
    QCOMPARE(singles.count(), 1);
    QCOMPARE(multis.count(), 0);
    QCOMPARE(backend.registerImage().at(kScratch), quint16(1234));
    backend.setDoPoll(false);

    QList<quint16> values;
    for (int i = 0; i < 120; ++i)
        values.append(quint16(500 + i));
    backend.multiWrite(kScratch + 100, values);
    QCOMPARE(multis.count(), 3);
    QCOMPARE(multis.at(0).at(0).toUInt(), kScratch + 100);
    QCOMPARE(multis.at(1).at(0).toUInt(), kScratch + 150);
    QCOMPARE(multis.at(2).at(0).toUInt(), kScratch + 200);
    QCOMPARE(multis.at(2).at(1).value<QList<quint16>>().size(), 20);
    QTRY_COMPARE_WITH_TIMEOUT(rig.emulator.registers().mid(kScratch + 100, 120), values, kWriteWaitMs);
}

void tst_KivBackendLink::fileLoad_queuesWritesKeepsIdentityThenReReads()
{
    Rig rig(m_dir.filePath(QStringLiteral("load.ini")));
    QVERIFY(rig.startDevice());
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);
    QSignalSpy multis(&backend, &KivBackend::writeMultiRegister);
    QSignalSpy reads(&backend, &KivBackend::readMultiRegister);

    QList<quint16> file = backend.registerImage();
    const quint16 deviceSerial = file.at(kSerialReg);
    file[kAltitudeReg] = 777;
    file[kSerialReg] = quint16(deviceSerial + 1); // identity stays the device's own
    backend.setIsLoadingFromDisc(true);
    emit saveLoad(backend)->loadedFromFile(file);
    backend.singleWrite(kScratch, 11);
    backend.singleWrite(kScratch + 1, 12);
    backend.multiWrite(kScratch + 2, {13, 14});
    QCOMPARE(singles.count() + multis.count(), 0);
    QCOMPARE(backend.pendingWrites(), 3);
    QCOMPARE(backend.registerImage().at(kScratch), quint16(11));

    // The altitude leaves its debounce into the queue; the queue then drains into the device.
    QTRY_VERIFY_WITH_TIMEOUT(reads.count() >= 1, kReadWaitMs);
    QCOMPARE(backend.pendingWrites(), 0);
    QVERIFY(!backend.isLoadingFromDisc());
    QCOMPARE(singles.count(), 2);
    QCOMPARE(rig.deviceRegister(kScratch), quint16(11));
    QCOMPARE(rig.deviceRegister(kScratch + 1), quint16(12));
    QCOMPARE(rig.deviceRegister(kScratch + 3), quint16(14));
    QCOMPARE(rig.deviceRegister(kAltitudeReg), quint16(777));
    QCOMPARE(rig.deviceRegister(kSerialReg), deviceSerial);
    // The complete re-read follows the last write.
    QCOMPARE(reads.first().at(0).toUInt(), 0u);
    QCOMPARE(reads.first().at(1).toUInt(), 100u);
    QSignalSpy ready(&backend, &KivBackend::switchToPoll);
    QVERIFY(ready.wait(kReadWaitMs));
    QCOMPARE(backend.hoehe(), 777);

    // A file of another device changes nothing.
    QSignalSpy errors(&backend, &KivBackend::errorPlainText);
    QList<quint16> other = backend.registerImage();
    other[kNameReg + 3] ^= 0x0001;
    other[kAltitudeReg] = 1;
    emit saveLoad(backend)->loadedFromFile(other);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(), QStringLiteral("Die Datei passt nicht zum verbundenen Gerät!"));
    QCOMPARE(backend.registerImage().at(kAltitudeReg), quint16(777));
    emit saveLoad(backend)->loadedFromFile(QList<quint16>());
    QCOMPARE(errors.last().first().toString(), QStringLiteral("Fehler beim Laden der Datei!"));
}

void tst_KivBackendLink::blockUpdate_whileAnotherRuns_isRetried()
{
    Rig rig(m_dir.filePath(QStringLiteral("block.ini")));
    QVERIFY(rig.startDevice());
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QSignalSpy reads(&backend, &KivBackend::readMultiRegister);

    backend.getBlockUpdate(1100);
    backend.getBlockUpdate(1200);
    QCOMPARE(reads.count(), 1);
    QCOMPARE(backend.currentSerialOperation(), KivBackend::getOneBlock);
    QTRY_VERIFY_WITH_TIMEOUT(reads.count() == 2 && backend.currentSerialOperation() == KivBackend::noOp, kWriteWaitMs);
    QCOMPARE(requests(reads), (QList<QPair<uint, uint>>{{1100, 20}, {1200, 20}}));

    // The TLF block's channel list is rebuilt from the output list after the update.
    auto *tlf = qvariant_cast<QObject *>(backend.tlf());
    QVERIFY(tlf);
    tlf->setProperty("model", QStringList{QStringLiteral("stale")});
    backend.getBlockUpdate(1000);
    QTRY_VERIFY_WITH_TIMEOUT(backend.currentSerialOperation() == KivBackend::noOp, kWriteWaitMs);
    const QStringList labels = tlf->property("model").toStringList();
    QCOMPARE(labels.first(), QStringLiteral("Keine Auswahl"));
    QCOMPARE(labels.size(), 1 + backend.validActiveChannels());
    for (int i = 1; i < labels.size(); ++i)
        QVERIFY2(labels.at(i).endsWith(QLatin1Char(')')), qPrintable(labels.at(i)));
}

void tst_KivBackendLink::unitSystemChange_writesPollsOnceAndStores()
{
    Rig rig(m_dir.filePath(QStringLiteral("unit.ini")));
    QVERIFY(rig.startDevice());
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QSignalSpy start(&backend, &KivBackend::changeUnitSystemStart);
    QSignalSpy done(&backend, &KivBackend::changeUnitSystemDone);
    QSignalSpy polls(&backend, &KivBackend::readPollRegister);
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);

    backend.updateUnitByApp(0);
    QCOMPARE(start.count(), 1);
    QVERIFY(done.wait(kReadWaitMs));
    QCOMPARE(rig.deviceRegister(kUnitReg), quint16(0));
    // Exactly one poll cycle ran, then polling stopped and the store command left.
    QCOMPARE(polls.count(), 8);
    QVERIFY(!backend.doPoll());
    QCOMPARE(singles.count(), 1);
    QCOMPARE(singles.first().at(0).toUInt(), kStoreReg);
    QCOMPARE(singles.first().at(1).toUInt(), 1u);
}

void tst_KivBackendLink::deviceCommands_reachDevice()
{
    // The device is silent for a moment after a factory reset or restart: the product's link
    // settings ride that out.
    Rig rig(m_dir.filePath(QStringLiteral("commands.ini")), 1000, 3);
    QVERIFY(rig.startDevice());
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QSignalSpy multis(&backend, &KivBackend::writeMultiRegister);

    // Several altitude edits within the debounce make one write.
    backend.setHoehe(100);
    backend.setHoehe(200);
    backend.setHoehe(350);
    QTRY_COMPARE_WITH_TIMEOUT(rig.deviceRegister(kAltitudeReg), quint16(350), kWriteWaitMs);
    QCOMPARE(multis.count(), 1);

    backend.setMaxVoltage(5);
    QCOMPARE(backend.voltageRange(),
             (QStringList{QStringLiteral("0 - 5 [V]"), QStringLiteral("1 - 5 [V]"), QStringLiteral("2 - 5 [V]")}));
    backend.setMinVoltage(1);
    backend.updateService(2, 6); // neither maintenance nor calibration: nothing
    backend.updateService(0, 6);
    QCOMPARE(backend.secToWartung(), 4320.0);
    QCOMPARE(backend.lastWartung(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(multis.count(), 5);
    QTRY_COMPARE_WITH_TIMEOUT(rig.deviceRegister(kHoursToMaintenanceReg), quint16(4320), kWriteWaitMs);
    QList<quint16> device = rig.emulator.registers();
    QCOMPARE(device.at(kMaintenanceIntervalReg), quint16(6));
    QCOMPARE(device.at(kMaxVoltageReg), quint16(5));
    QCOMPARE(device.at(kMinVoltageReg), quint16(1));

    // Factory data: reset, write, store, read back and compare.
    QSignalSpy checked(&backend, &KivBackend::factoryResetChecked);
    QSignalSpy singleReads(&backend, &KivBackend::readSingleRegister);
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);
    backend.setFactoryReset(true);
    backend.writeFResetRegs(QStringLiteral("1.10.3"), QStringLiteral("123456"));
    QVERIFY(checked.wait(kReadWaitMs));
    QCOMPARE(checked.first().first().toBool(), true);
    QCOMPARE(singleReads.count(), 6);
    QCOMPARE(singles.first().at(0).toUInt(), kStoreReg);
    device = rig.emulator.registers();
    QCOMPARE(value32(device, kSerialReg), 123456u);
    QCOMPARE(value32(device, kHardwareReg), 0x011003u);
    QCOMPARE(value32(device, kFactoryDateReg), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toUInt());

    // A restart drops the link; the back end opens it again and reads the device anew.
    singles.clear();
    QSignalSpy ready(&backend, &KivBackend::switchToPoll);
    backend.forceDeviceReset();
    QCOMPARE(singles.count(), 1);
    QCOMPARE(singles.first().at(0).toUInt(), kResetReg);
    QVERIFY(ready.wait(kReadWaitMs));
    QVERIFY(backend.connected());
    QVERIFY(backend.hasSerialLink());
    QCOMPARE(backend.sensorBlockCount(), 8);
}

void tst_KivBackendLink::relayForcing_restoredWhenBackendDestroyedWhileConnected()
{
    constexpr uint relay1 = 146;
    constexpr uint relay2 = 160;
    Rig rig(m_dir.filePath(QStringLiteral("relay.ini")));
    QVERIFY(rig.startDevice({QStringLiteral("--variant"), QStringLiteral("relay")}));
    KivBackend &backend = *rig.backend;
    QVERIFY(rig.connectAndRead());
    QCOMPARE(qvariant_cast<QList<QObject *>>(backend.relais()).size(), 2);
    const QList<quint16> before = rig.emulator.registers();

    // Relay 1 drives channel 1: the three switching values are forced, the hysteresis cleared.
    backend.forceRelaisOff(0);
    backend.forceRelaisOn(1);
    backend.forceRelaisOn(2); // no third relay: ignored
    QTRY_COMPARE_WITH_TIMEOUT(rig.deviceRegister(relay2 + 12), quint16(0), kWriteWaitMs);
    QList<quint16> forced = rig.emulator.registers();
    QCOMPARE(forced.mid(relay1 + 2, 6), (QList<quint16>{1, 0, 1, 0, 1, 0}));
    QCOMPARE(forced.at(relay1 + 12), quint16(0));
    QCOMPARE(forced.mid(relay2 + 2, 6), (QList<quint16>{0, 0, 0, 0, 0, 0}));
    QCOMPARE(forced.at(relay1), before.at(relay1));

    // Nobody may leave a relay forced: closing the plugin restores and stores the configuration,
    // even from the live page.
    QSignalSpy polls(&backend, &KivBackend::readPollRegister);
    backend.setDoPoll(true);
    QVERIFY(polls.wait(kWriteWaitMs));
    QSignalSpy singles(&backend, &KivBackend::writeSingleRegister);
    rig.backend.reset();
    QCOMPARE(singles.count(), 1);
    QCOMPARE(singles.first().at(0).toUInt(), kStoreReg);
    QTRY_COMPARE_WITH_TIMEOUT(rig.emulator.registers().mid(relay1, 28), before.mid(relay1, 28), kWriteWaitMs);
}

void tst_KivBackendLink::linkLost_inAnyPhase_returnsToStart_data()
{
    QTest::addColumn<int>("answered");
    QTest::addColumn<QString>("phase");
    QTest::newRow("identify") << 0 << "identify";
    QTest::newRow("full read") << 3 << "read";
    QTest::newRow("poll") << kRequestsOf8Blocks + 1 + 3 << "poll";
    QTest::newRow("write") << kRequestsOf8Blocks + 1 << "write";
}

void tst_KivBackendLink::linkLost_inAnyPhase_returnsToStart()
{
    QFETCH(int, answered);
    QFETCH(QString, phase);
    Rig rig(m_dir.filePath(QStringLiteral("lost.ini")));
    QVERIFY(rig.startDevice({QStringLiteral("--fault"), QStringLiteral("drop-after:%1").arg(answered)}));
    KivBackend &backend = *rig.backend;
    QSignalSpy serialErrors(&backend, &KivBackend::serialError);
    QSignalSpy ready(&backend, &KivBackend::switchToPoll);

    backend.connectDevice();
    if (phase == QLatin1String("poll") || phase == QLatin1String("write")) {
        QVERIFY(ready.wait(kReadWaitMs));
        QPointer<QObject> link = backend.serialLink();
        if (phase == QLatin1String("poll"))
            backend.setDoPoll(true);
        else
            backend.singleWrite(kScratch, 5);
        QTRY_VERIFY_WITH_TIMEOUT(!backend.connected(), kReadWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(link.isNull(), kWriteWaitMs);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(serialErrors.count() >= 1 && !backend.hasSerialLink(), kReadWaitMs);
        QCOMPARE(ready.count(), 0);
    }
    QVERIFY(serialErrors.count() >= 1);
    QVERIFY(!serialErrors.first().first().toString().isEmpty());
    QVERIFY(!backend.connected());
    QVERIFY(!backend.doPoll());
    QCOMPARE(backend.currentSerialOperation(), KivBackend::noOp);
    QCOMPARE(backend.registerImage().count(0), KivBackend::kImageSize);
    QTRY_VERIFY(backend.updateOngoing());
}

QTEST_MAIN(tst_KivBackendLink)
#include "tst_KivBackendLink.moc"
