#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "Functions.h"
#include "KivBackend.h"
#include "KivDatenblock.h"
#include "KivExpertModeContainer.h"
#include "KivLcdBlock.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "KivTlfBlock.h"
#include "PtyPair.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The traffic-light, display and expert blocks of the real back end against the device emulator
// on a pty pair: what the pages change must arrive in the device's registers.
namespace {
constexpr int kReadWaitMs = 20000;
constexpr int kWriteWaitMs = 10000;
constexpr int kLinkTimeoutMs = 400;
// The emulated device restarts this long after the adjustment command.
constexpr int kAdjustRestartMs = 300;
constexpr uint kCo2Block = 1200; // third block of the emulator's sensor
constexpr uint kVocBlock = 1300;
constexpr uint kParameter0 = KivDatenblock::kOffParameter0;
constexpr uint kTlf = KivTlfBlock::kStartRegister;
constexpr uint kLcd = KivLcdBlock::kStartRegister;

using Write = QPair<uint, QList<quint16>>;

class Rig
{
public:
    explicit Rig(const QString &settingsFile)
    {
        BaseSettings::setSettingsFile(settingsFile);
        BaseSettings::writeParity(0);
        BaseSettings::writeTimeout(kLinkTimeoutMs);
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

    bool start(const QStringList &args)
    {
        if (!pty.start() ||
            !emulator.start(pty.deviceSide(), QStringList{QStringLiteral("--parity"), QStringLiteral("none")} + args)) {
            qWarning() << pty.errorString() << emulator.errorString();
            return false;
        }
        BaseSettings::writePortName(pty.appSide());
        backend = std::make_unique<KivBackend>(&share);
        // Every write that leaves for the device, in order; half-register writes arrive whole.
        QObject::connect(backend.get(), &KivBackend::writeSingleRegister, backend.get(),
                         [this](uint reg, ushort value) {
            sent.append({reg, {value}});
        });
        QObject::connect(backend.get(), &KivBackend::writeMultiRegister, backend.get(),
                         [this](uint reg, const QList<quint16> &values) {
            sent.append({reg, values});
        });
        QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
        backend->connectDevice();
        return ready.wait(kReadWaitMs) && backend->updateOngoing();
    }

    // A full read of the device into the existing blocks.
    bool reread()
    {
        QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
        backend->getAllData();
        return ready.wait(kReadWaitMs) && backend->updateOngoing();
    }

    quint16 reg(uint r) const { return emulator.registers().value(qsizetype(r), 0xDEAD); }
    QList<quint16> regs(uint r, int n) const { return emulator.registers().mid(qsizetype(r), n); }
    QList<Write> sentTo(uint first, uint last) const
    {
        QList<Write> out;
        for (const Write &w : sent) {
            if (w.first >= first && w.first <= last)
                out.append(w);
        }
        return out;
    }

    template<typename T>
    T *block(const QVariant &v) const
    {
        return qobject_cast<T *>(v.value<QObject *>());
    }

    KivShareBackend share;
    PtyPair pty;
    EmulatorProcess emulator;
    std::unique_ptr<KivBackend> backend;
    QList<Write> sent;
};
} // namespace

class tst_KivBlocksOnDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void expert_co2ThenVocAdjustment_writeParametersThenStartAndDeviceRestarts();
    void expert_combinedCo2VocBlock_getsNeitherAdjustment();
    void tlf_writesInTheDevicesThresholdFormat_data();
    void tlf_writesInTheDevicesThresholdFormat();
    void lcd_debouncedRegistersAndRotationByteReachDevice();

private:
    QString settings(const QString &name) const { return m_dir.filePath(name + QStringLiteral(".ini")); }

    QTemporaryDir m_dir;
};

void tst_KivBlocksOnDevice::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivBlocksOnDevice::expert_co2ThenVocAdjustment_writeParametersThenStartAndDeviceRestarts()
{
    Rig rig(settings(QStringLiteral("expert")));
    QVERIFY(rig.start({QStringLiteral("--adjust-restart-ms"), QString::number(kAdjustRestartMs)}));
    auto *expert = rig.block<KivExpertModeContainer>(rig.backend->expertBackend());
    QVERIFY(expert && expert->co2Block() && expert->vocBlock());
    QCOMPARE(expert->co2Block()->baseRegister(), kCo2Block);
    QCOMPARE(expert->vocBlock()->baseRegister(), kVocBlock);
    QSignalSpy started(expert, &KivExpertModeContainer::adjustmentStarted);

    rig.sent.clear();
    expert->setFreshAirAmount(800);
    expert->startCo2Adjustment();
    QTRY_COMPARE_WITH_TIMEOUT(Functions::toUInt32(rig.regs(kCo2Block + kParameter0, 2)), 800u, kWriteWaitMs);
    QVERIFY(started.wait(kWriteWaitMs));
    // The device saw the reference before the start command, and then nothing else.
    QTRY_VERIFY_WITH_TIMEOUT(rig.emulator.output().contains("adjustment: CO2 block 2 to 800 ppm"), kWriteWaitMs);
    QCOMPARE(rig.sent, (QList<Write>{{kCo2Block + kParameter0, {800, 0}}, {63, {1}}}));
    QCOMPARE(started.count(), 1);

    // After its restart the device answers again, with the adjusted sensor.
    QVERIFY(rig.reread());
    QCOMPARE(expert->co2Block()->parameter0(), 800);
    QVERIFY2(qAbs(expert->co2Block()->value() - 800.0) < 100.0,
             qPrintable(QString::number(expert->co2Block()->value())));

    rig.sent.clear();
    expert->startVocAdjustment();
    QVERIFY(started.wait(kWriteWaitMs));
    QTRY_VERIFY_WITH_TIMEOUT(rig.emulator.output().contains("adjustment: VOC block 3 to fresh air"), kWriteWaitMs);
    QCOMPARE(rig.sent, (QList<Write>{{kVocBlock + kParameter0 + 2, {1, 0}}, {63, {1}}}));
    QVERIFY(!rig.emulator.output().contains("adjustment: nothing prepared"));
}

void tst_KivBlocksOnDevice::expert_combinedCo2VocBlock_getsNeitherAdjustment()
{
    const QString image = m_dir.filePath(QStringLiteral("mixed.txt"));
    QVERIFY(EmulatorProcess::writeEditedImage(image, [](QList<quint16> &regs) {
        regs[kCo2Block + KivDatenblock::kOffType] = quint16(Enums::CO2_VOC);
        regs[kVocBlock + KivDatenblock::kOffType] = quint16(Enums::Temperatur);
        regs[kCo2Block + kParameter0] = 800;
    }));
    Rig rig(settings(QStringLiteral("mixed")));
    QVERIFY(rig.start({QStringLiteral("--registers"), image}));
    auto *expert = rig.block<KivExpertModeContainer>(rig.backend->expertBackend());
    QVERIFY(expert);
    QCOMPARE(expert->co2Block(), nullptr);
    QCOMPARE(expert->vocBlock(), nullptr);
    QCOMPARE(expert->freshAirAmount(), quint16(0));
    rig.sent.clear();
    expert->setFreshAirAmount(800);
    expert->startCo2Adjustment();
    expert->startVocAdjustment();
    QVERIFY(!expert->adjustmentPending());
    QVERIFY(rig.sent.isEmpty());
}

void tst_KivBlocksOnDevice::tlf_writesInTheDevicesThresholdFormat_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("isFloat");
    QTest::newRow("analogue board, integers") << "standard" << false;
    QTest::newRow("bus board above 2.2, floats") << "modbus" << true;
    QTest::newRow("qev main board, floats") << "qev" << true;
}

void tst_KivBlocksOnDevice::tlf_writesInTheDevicesThresholdFormat()
{
    QFETCH(QString, variant);
    QFETCH(bool, isFloat);
    Rig rig(settings(variant));
    QVERIFY(rig.start({QStringLiteral("--variant"), variant}));
    QPointer<KivTlfBlock> tlf = rig.block<KivTlfBlock>(rig.backend->tlf());
    QVERIFY(tlf);
    QCOMPARE(tlf->thresholdsAreFloat(), isFloat);
    QCOMPARE(tlf->threshold1(), 800.0);
    QCOMPARE(tlf->threshold2(), 1200.0);
    // The light watches the third active channel, CO2, and takes its range.
    QCOMPARE(tlf->channel(), quint8(3));
    QTRY_COMPARE(tlf->max(), 2000.0);
    QCOMPARE(tlf->model().size(), 5);

    // Channel and colour 1 within the debounce time: one write of both.
    rig.sent.clear();
    tlf->setChannel(2);
    tlf->setColor1(KivTlfBlock::Red);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kTlf + 27), quint16(3 * 256 + 2), kWriteWaitMs);
    QCOMPARE(rig.sentTo(kTlf, kTlf + 40), (QList<Write>{{kTlf + 27, {3 * 256 + 2}}}));
    // The back end hands over the range of the newly watched channel (humidity 0 .. 100 %).
    QTRY_COMPARE(tlf->max(), 100.0);

    // Reading back what the device holds writes nothing.
    rig.sent.clear();
    QSignalSpy halves(tlf, &KivTlfBlock::writeHalfRegister);
    QSignalSpy multiples(tlf, &KivTlfBlock::writeMultipleRegister);
    QSignalSpy singles(tlf, &KivTlfBlock::writeSingleRegister);
    QVERIFY(rig.reread());
    QCOMPARE(rig.block<KivTlfBlock>(rig.backend->tlf()), tlf.data());
    QVERIFY(!tlf->writesPending());
    QVERIFY(halves.isEmpty() && multiples.isEmpty() && singles.isEmpty());
    QVERIFY(rig.sent.isEmpty());

    tlf->setThreshold1(12.7);
    const QList<quint16> expected = isFloat ? Functions::fromFloat(12.7f) : QList<quint16>{12, 0};
    QTRY_COMPARE_WITH_TIMEOUT(rig.regs(kTlf + 29, 2), expected, kWriteWaitMs);
    QCOMPARE(rig.regs(kTlf + 31, 2), isFloat ? Functions::fromFloat(1200.0f) : QList<quint16>({1200, 0}));

    // Switching the light off changes the high byte of 83 only; the rotation stays.
    const quint8 rotation = Functions::lowByte(rig.reg(kTlf));
    tlf->setOnOff(0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kTlf), quint16(rotation), kWriteWaitMs);
}

void tst_KivBlocksOnDevice::lcd_debouncedRegistersAndRotationByteReachDevice()
{
    Rig rig(settings(QStringLiteral("lcd")));
    QVERIFY(rig.start({}));
    KivBackend &backend = *rig.backend;
    auto *lcd = rig.block<KivLcdBlock>(backend.lcd());
    QVERIFY(lcd);
    QCOMPARE(lcd->brightness(), quint8(80));
    QVERIFY(lcd->hasDisplay());
    QTRY_VERIFY(!lcd->writesPending());

    rig.sent.clear();
    lcd->setBrightness(55);
    lcd->setShowRelais1(1);
    lcd->setShowRelais2(1);
    lcd->setCntSensors(5);
    lcd->setShowChannel2(0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kLcd), quint16(55 * 256 + 1), kWriteWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kLcd + 4), quint16(1 * 256 + 1), kWriteWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kLcd + 5), quint16(5 * 256 + 1), kWriteWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kLcd + 6), quint16(0 * 256 + 1), kWriteWaitMs);
    QCOMPARE(rig.sentTo(kLcd, kLcd + 7).size(), 4);

    // The rotation replaces the low byte of 83; the traffic light's byte stays on.
    lcd->setRotation(3);
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kLcd + 1), quint16(1 * 256 + 3), kWriteWaitMs);

    // The back end's channel visibility reaches the device through the block.
    QVERIFY(backend.channelIsVisible(3));
    backend.changeChannelVisibility(3, false);
    QVERIFY(!backend.channelIsVisible(3));
    QTRY_COMPARE_WITH_TIMEOUT(rig.reg(kLcd + 7), quint16(1 * 256 + 0), kWriteWaitMs);
    QVERIFY(!backend.channelIsVisible(5));
}

QTEST_GUILESS_MAIN(tst_KivBlocksOnDevice)
#include "tst_KivBlocksOnDevice.moc"
