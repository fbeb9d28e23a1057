#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivBackend.h"
#include "KivSaveAndLoad.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "PtyPair.h"
#include "UtilityFunctions.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int kReadWaitMs = 30000;
constexpr int kWriteWaitMs = 15000;
// Long enough for the write queue's first step (1000 ms) to have passed twice.
constexpr int kNoWriteWaitMs = 2500;
constexpr uint kSerialReg = 24;
constexpr uint kFactoryDateReg = 36;
constexpr uint kBoardTypeReg = 144;
constexpr uint kAltitudeReg = 30;
constexpr uint kMinVoltageReg = 32;
// Registers outside everything the device is asked for: they count as changed but no block
// writes them.
constexpr uint kUnreadFirst = 4100;
constexpr int kUnreadCount = 30;
const QString kOtherDevice = QStringLiteral("Die Datei passt nicht zum verbundenen Gerät!");
} // namespace

// A saved register image written back into the emulated device through the real back end.
class tst_KivSaveAndLoadDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void load_sameDevice_mergesReplaysTheChangesAndReadsTheDeviceAgain();
    void load_otherDevice_refusedAndNothingWritten();

private:
    KivSaveAndLoad *saveLoad() const { return qvariant_cast<KivSaveAndLoad *>(m_backend->saveLoadBackend()); }
    QString savedImage();

    QTemporaryDir m_dir;
    KivShareBackend m_share;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<EmulatorProcess> m_emulator;
    std::unique_ptr<KivBackend> m_backend;
};

void tst_KivSaveAndLoadDevice::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");
}

void tst_KivSaveAndLoadDevice::init()
{
    static int run = 0;
    ++run;
    BaseSettings::setSettingsFile(m_dir.filePath(QStringLiteral("settings%1.ini").arg(run)));
    UtilityFunctions::setRootDirectory(m_dir.filePath(QStringLiteral("root%1").arg(run)));
    QVERIFY(UtilityFunctions::createNeededFolders());
    BaseSettings::writeParity(0);
    BaseSettings::writeTimeout(1000);
    BaseSettings::writeRetry(3);
    BaseSettings::writeDeviceID(1);
    KivSettings::writeVerbindungsMode(0);

    m_pty = std::make_unique<PtyPair>();
    QVERIFY2(m_pty->start(), qPrintable(m_pty->errorString()));
    m_emulator = std::make_unique<EmulatorProcess>();
    QVERIFY2(m_emulator->start(m_pty->deviceSide(), {QStringLiteral("--parity"), QStringLiteral("none")}),
             qPrintable(m_emulator->errorString()));
    BaseSettings::writePortName(m_pty->appSide());

    m_backend = std::make_unique<KivBackend>(&m_share);
    QVERIFY(saveLoad());
    QSignalSpy ready(m_backend.get(), &KivBackend::switchToPoll);
    m_backend->connectDevice();
    QVERIFY(ready.wait(kReadWaitMs));
    QVERIFY(m_backend->updateOngoing());
}

void tst_KivSaveAndLoadDevice::cleanup()
{
    m_backend.reset();
    m_emulator.reset();
    m_pty.reset();
}

QString tst_KivSaveAndLoadDevice::savedImage()
{
    QSignalSpy saved(saveLoad(), &KivSaveAndLoad::writingFileSuccessfully);
    saveLoad()->writeSettingsToHd(QStringLiteral("device.cfg"), false);
    return saved.size() == 1 ? UtilityFunctions::saveFileDirectory() + QStringLiteral("/device.cfg") : QString();
}

void tst_KivSaveAndLoadDevice::load_sameDevice_mergesReplaysTheChangesAndReadsTheDeviceAgain()
{
    const QString path = savedImage();
    QVERIFY(!path.isEmpty());
    QList<quint16> file = readCfgFile(path);
    const QList<quint16> device = m_emulator->registers();
    QVERIFY(device.size() > int(kBoardTypeReg));

    // Settings the back end writes back, values only the device may set, and unread registers.
    const quint16 altitude = quint16(file.at(kAltitudeReg) + 123);
    const quint16 minVoltage = file.at(kMinVoltageReg) == 1 ? 2 : 1;
    file[kAltitudeReg] = altitude;
    file[kMinVoltageReg] = minVoltage;
    file[kSerialReg] ^= 0x5555;
    file[kFactoryDateReg] ^= 0x00FF;
    file[kBoardTypeReg] ^= 0x0001;
    for (int i = 0; i < kUnreadCount; ++i)
        file[kUnreadFirst + i] = quint16(0xA000 + i);
    QVERIFY(writeCfgFile(path, file));

    QList<quint16> expected = m_backend->registerImage();
    int changed = 0;
    QCOMPARE(KivSaveAndLoad::applyLoadedImage(file, expected, &changed), KivSaveAndLoad::LoadCheck::Applied);
    QCOMPARE(changed, 2 + kUnreadCount);

    QStringList traffic;
    // Ends the recording with this function; the back end still writes while it is destroyed.
    QObject recording;
    const auto record = [&traffic](const QString &what) { traffic << what; };
    connect(m_backend.get(), &KivBackend::writeMultiRegister, &recording,
            [&](uint start, const QList<quint16> &values) {
        record(QStringLiteral("write %1 %2").arg(start).arg(values.size()));
    });
    connect(m_backend.get(), &KivBackend::writeSingleRegister, &recording,
            [&](uint start, ushort) { record(QStringLiteral("write %1 1").arg(start)); });
    connect(m_backend.get(), &KivBackend::readMultiRegister, &recording,
            [&](uint start, uint count) { record(QStringLiteral("read %1 %2").arg(start).arg(count)); });
    QSignalSpy errors(m_backend.get(), &KivBackend::errorPlainText);
    QSignalSpy reread(m_backend.get(), &KivBackend::switchToPoll);
    QSignalSpy maximum(m_backend.get(), &KivBackendProperty::maximumChanged);

    // As the page does: writes of the replay are queued from here on.
    m_backend->setIsLoadingFromDisc(true);
    saveLoad()->loadSettingsFromHd(QStringLiteral("device.cfg"));
    // The load sizes the progress by the changed registers; the queued writes resize it after.
    QVERIFY(!maximum.isEmpty());
    QCOMPARE(maximum.first().first().toInt(), KivSaveAndLoad::progressMaximumFor(changed));
    QCOMPARE(m_backend->registerImage(), expected);
    QVERIFY2(traffic.isEmpty(), qPrintable(traffic.join(QLatin1Char(','))));

    QVERIFY(reread.wait(kWriteWaitMs + kReadWaitMs));
    QCOMPARE(errors.size(), 0);
    QVERIFY(!m_backend->isLoadingFromDisc());
    // One queued write per step, both before the device is read again from its first register.
    const qsizetype firstRead = traffic.indexOf(QStringLiteral("read 0 100"));
    QVERIFY2(firstRead >= 2, qPrintable(traffic.join(QLatin1Char(','))));
    const QStringList writes = traffic.mid(0, firstRead);
    QVERIFY2(writes.contains(QStringLiteral("write %1 2").arg(kAltitudeReg)),
             qPrintable(writes.join(QLatin1Char(','))));
    QVERIFY2(writes.contains(QStringLiteral("write %1 2").arg(kMinVoltageReg)),
             qPrintable(writes.join(QLatin1Char(','))));

    QTRY_COMPARE_WITH_TIMEOUT(m_emulator->registers().value(kAltitudeReg), altitude, kWriteWaitMs);
    const QList<quint16> after = m_emulator->registers();
    QCOMPARE(after.at(kMinVoltageReg), minVoltage);
    for (uint reg : {kSerialReg, kFactoryDateReg, kBoardTypeReg}) {
        QCOMPARE(after.at(reg), device.at(reg));
        QCOMPARE(m_backend->registerImage().at(reg), device.at(reg));
    }
}

void tst_KivSaveAndLoadDevice::load_otherDevice_refusedAndNothingWritten()
{
    const QString path = savedImage();
    QVERIFY(!path.isEmpty());
    QList<quint16> file = readCfgFile(path);
    file[kAltitudeReg] += 1;
    // One character of the device name differs.
    file[13] ^= 0x0001;
    QVERIFY(writeCfgFile(path, file));
    const QList<quint16> image = m_backend->registerImage();
    const QList<quint16> device = m_emulator->registers();

    QSignalSpy errors(m_backend.get(), &KivBackend::errorPlainText);
    QSignalSpy multi(m_backend.get(), &KivBackend::writeMultiRegister);
    QSignalSpy single(m_backend.get(), &KivBackend::writeSingleRegister);
    QSignalSpy reads(m_backend.get(), &KivBackend::readMultiRegister);
    m_backend->setIsLoadingFromDisc(true);
    saveLoad()->loadSettingsFromHd(QStringLiteral("device.cfg"));

    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(), kOtherDevice);
    QCOMPARE(m_backend->registerImage(), image);
    // As the page does when a load is refused.
    m_backend->setIsLoadingFromDisc(false);
    QVERIFY(!multi.wait(kNoWriteWaitMs));
    QCOMPARE(single.size(), 0);
    QCOMPARE(reads.size(), 0);
    QCOMPARE(m_emulator->registers().mid(0, 300), device.mid(0, 300));
}

QTEST_GUILESS_MAIN(tst_KivSaveAndLoadDevice)
#include "tst_KivSaveAndLoadDevice.moc"
