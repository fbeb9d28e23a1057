#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "Functions.h"
#include "KivBackend.h"
#include "KivBackendProperty.h"
#include "KivLoraBlock.h"
#include "KivRs485.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "PtyPair.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int kReadWaitMs = 20000;
constexpr int kWriteWaitMs = 10000;
// The general registers; the data blocks above drift on their own.
constexpr int kGeneralArea = 300;

void put(QList<quint16> &image, uint reg, const QList<quint16> &words)
{
    std::copy(words.cbegin(), words.cend(), image.begin() + reg);
}

QString differences(const QList<quint16> &expected, const QList<quint16> &actual)
{
    QStringList lines;
    for (int i = 0; i < qMin(expected.size(), actual.size()); ++i) {
        if (expected.at(i) != actual.at(i))
            lines.append(QStringLiteral("%1: expected %2, device %3").arg(i).arg(expected.at(i)).arg(actual.at(i)));
    }
    return lines.join(QLatin1Char('\n'));
}

// The real back end over a pty pair to the emulator of one board variant.
class Rig
{
public:
    explicit Rig(const QString &settingsFile)
    {
        BaseSettings::setSettingsFile(settingsFile);
        BaseSettings::writeParity(0);
        BaseSettings::writeTimeout(400);
        BaseSettings::writeRetry(1);
        BaseSettings::writeDeviceID(1);
        KivSettings::writeVerbindungsMode(0);
    }
    ~Rig()
    {
        backend.reset();
        emulator.stop();
        pty.stop();
    }

    bool connect(const QString &variant)
    {
        if (!pty.start() ||
            !emulator.start(
                pty.deviceSide(),
                {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--variant"), variant})) {
            qWarning() << pty.errorString() << emulator.errorString() << emulator.output();
            return false;
        }
        BaseSettings::writePortName(pty.appSide());
        backend = std::make_unique<KivBackend>(&share);
        QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
        backend->connectDevice();
        return ready.wait(kReadWaitMs) && backend->updateOngoing();
    }

    QList<quint16> general() const { return emulator.registers().mid(0, kGeneralArea); }

    // Waits until the device's general registers are the expected ones.
    bool deviceHolds(const QList<quint16> &expected)
    {
        if (QTest::qWaitFor([&] { return general() == expected; }, kWriteWaitMs))
            return true;
        qWarning().noquote() << differences(expected, general());
        return false;
    }

    KivShareBackend share;
    PtyPair pty;
    EmulatorProcess emulator;
    std::unique_ptr<KivBackend> backend;
};
} // namespace

// Bus and LoRaWAN values edited through the blocks, against the emulated device.
class tst_KivBusLoraLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modbus_deviceIdOnlyEditableValue();
    void bacnet_descriptionCovAndIncrementsReachTheirRegisters();
    void lora_everyParameterAndIdentityReachTheirRegisters();
    void lora_factoryResetCommand();

private:
    QTemporaryDir m_dir;
};

void tst_KivBusLoraLink::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivBusLoraLink::modbus_deviceIdOnlyEditableValue()
{
    Rig rig(m_dir.filePath(QStringLiteral("modbus.ini")));
    QVERIFY(rig.connect(QStringLiteral("modbus")));
    auto *bus = qobject_cast<KivRs485 *>(qvariant_cast<QObject *>(rig.backend->rs485()));
    QVERIFY(bus);
    QVERIFY(!bus->isBacNet());
    QCOMPARE(bus->deviceId(), 17u);
    QCOMPARE(bus->baudrate(), 19200u);
    QCOMPARE(bus->parity(), 2u);
    QSignalSpy writes(rig.backend.get(), &KivBackend::writeMultiRegister);

    QList<quint16> expected = rig.general();
    bus->setDeviceId(42);
    put(expected, 148, {42, 0});
    QVERIFY(rig.deviceHolds(expected));
    QCOMPARE(writes.count(), 1);

    // What the DIP switches and the board fix is not written.
    bus->setDipAdress(3);
    bus->setBaudrate(9600);
    bus->setModus(1);
    bus->setParity(0);
    bus->setStopBit(2);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(rig.general(), expected);
}

void tst_KivBusLoraLink::bacnet_descriptionCovAndIncrementsReachTheirRegisters()
{
    Rig rig(m_dir.filePath(QStringLiteral("bacnet.ini")));
    QVERIFY(rig.connect(QStringLiteral("bacnet")));
    auto *bus = qobject_cast<KivRs485 *>(qvariant_cast<QObject *>(rig.backend->rs485()));
    QVERIFY(bus && bus->isBacNet());
    QCOMPARE(bus->description(), QStringLiteral("Besprechungsraum 2.14"));
    QCOMPARE(bus->covEnable(), 1.0);
    QCOMPARE(bus->getIncrementValue(Enums::Temperatur), 0.5f);
    QSignalSpy errors(rig.backend.get(), &KivBackend::errorPlainText);

    QList<quint16> expected = rig.general();
    bus->setDeviceId(0x10005);
    put(expected, 148, {0x0005, 0x0001});
    bus->setDescription(QStringLiteral("Flur Süd"));
    put(expected, 160, Functions::textToRegisters(QString(), 16));
    put(expected, 160,
        {quint16('F' | 'l' << 8), quint16('u' | 'r' << 8), quint16(' ' | 'S' << 8), quint16(0xFC | 'd' << 8)});
    bus->setCovEnable(0);
    put(expected, 176, Functions::fromFloat(0.0f));
    bus->setIncrementValue(Enums::Temperatur, 0.75f);
    put(expected, 178, Functions::fromFloat(0.75f));
    bus->setIncrementValue(Enums::CO2, 100.0f);
    put(expected, 188, Functions::fromFloat(100.0f));
    QVERIFY(rig.deviceHolds(expected));

    // Refused text: a message, the device and the block keep theirs.
    bus->setDescription(QStringLiteral("Raum ✓"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(bus->description(), QStringLiteral("Flur Süd"));
    QCOMPARE(rig.general(), expected);

    // A fresh read takes the text back as the device holds it.
    QSignalSpy ongoing(rig.backend.get(), &KivBackendProperty::updateOngoingChanged);
    rig.backend->getManuelData(true);
    QTRY_VERIFY_WITH_TIMEOUT(ongoing.count() >= 2 && rig.backend->updateOngoing(), kReadWaitMs);
    QCOMPARE(qvariant_cast<QObject *>(rig.backend->rs485()), bus);
    QCOMPARE(bus->description(), QStringLiteral("Flur Süd"));
    QCOMPARE(bus->getIncrementValue(Enums::Temperatur), 0.75f);
}

void tst_KivBusLoraLink::lora_everyParameterAndIdentityReachTheirRegisters()
{
    Rig rig(m_dir.filePath(QStringLiteral("lora.ini")));
    QVERIFY(rig.connect(QStringLiteral("lora")));
    QVERIFY(!qvariant_cast<QObject *>(rig.backend->rs485()));
    auto *lora = qobject_cast<KivLoraBlock *>(qvariant_cast<QObject *>(rig.backend->lora()));
    QVERIFY(lora);
    QCOMPARE(lora->devEUI(), QStringLiteral("70 B3 D5 7E D0 05 A1 2C"));
    QCOMPARE(lora->version(), QStringLiteral("1.0.3"));
    QCOMPARE(lora->channelMask(), 0x00FFu);
    QSignalSpy writes(rig.backend.get(), &KivBackend::writeMultiRegister);
    QSignalSpy errors(rig.backend.get(), &KivBackend::errorPlainText);

    QList<quint16> expected = rig.general();
    const QList<QPair<void (KivLoraBlock::*)(int), uint>> parameters{{&KivLoraBlock::setRegion, 164},
                                                                     {&KivLoraBlock::setPort, 166},
                                                                     {&KivLoraBlock::setAdr, 168},
                                                                     {&KivLoraBlock::setDataRateDefault, 170},
                                                                     {&KivLoraBlock::setTxPower, 172},
                                                                     {&KivLoraBlock::setNbTrans, 176},
                                                                     {&KivLoraBlock::setReJoinInterval, 178},
                                                                     {&KivLoraBlock::setConfirmActivation, 180},
                                                                     {&KivLoraBlock::setHeartbeatTimer, 182},
                                                                     {&KivLoraBlock::setUplinkInterval, 186},
                                                                     {&KivLoraBlock::setLedActivation, 204}};
    int value = 70000; // above 16 bits: the high word must land in the second register
    for (const auto &[setter, reg] : parameters) {
        (lora->*setter)(value);
        put(expected, reg, Functions::fromUInt32(quint32(value)));
        ++value;
    }
    QVERIFY(lora->channelMaskFromBin(QStringLiteral("1000 0000 0000 0000 0000 0000 0000 0011")));
    put(expected, 174, {0x0003, 0x8000});
    QVERIFY(lora->appEuiFromHex(QStringLiteral("A1 B2 C3 D4 E5 F6 07 18")));
    put(expected, 150, {0xB2A1, 0xD4C3, 0xF6E5, 0x1807});
    QVERIFY(lora->appKeyFromHex(QStringLiteral("00112233 44556677 8899AABB CCDDEEFF")));
    put(expected, 154, {0x1100, 0x3322, 0x5544, 0x7766, 0x9988, 0xBBAA, 0xDDCC, 0xFFEE});
    QVERIFY(rig.deviceHolds(expected));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(writes.count(), int(parameters.size()) + 3);

    // Read-only identity and version, and a key one byte too long: nothing leaves.
    lora->setDevEUI(QStringLiteral("00 00 00 00 00 00 00 00"));
    lora->setVersion(QStringLiteral("9.9.9"));
    QVERIFY(!lora->appKeyFromHex(QStringLiteral("00112233 44556677 8899AABB CCDDEEFF 01")));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(writes.count(), int(parameters.size()) + 3);
    QCOMPARE(rig.general(), expected);
}

void tst_KivBusLoraLink::lora_factoryResetCommand()
{
    Rig rig(m_dir.filePath(QStringLiteral("lorareset.ini")));
    QVERIFY(rig.connect(QStringLiteral("lora")));
    auto *lora = qobject_cast<KivLoraBlock *>(qvariant_cast<QObject *>(rig.backend->lora()));
    QVERIFY(lora);
    const QList<quint16> factory = rig.general();
    lora->setPort(99);
    QTRY_COMPARE_WITH_TIMEOUT(rig.general().at(166), quint16(99), kWriteWaitMs);

    QSignalSpy writes(rig.backend.get(), &KivBackend::writeMultiRegister);
    lora->resetConfiguration();
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.first().at(0).toUInt(), 184u);
    QCOMPARE(writes.first().at(1).value<QList<quint16>>(), (QList<quint16>{1, 0}));
    // The board restores its factory configuration and clears the command.
    QVERIFY(rig.deviceHolds(factory));
}

QTEST_GUILESS_MAIN(tst_KivBusLoraLink)
#include "tst_KivBusLoraLink.moc"
