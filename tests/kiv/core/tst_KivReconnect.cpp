#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivBackend.h"
#include "KivExpertModeContainer.h"
#include "KivReconnect.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "PtyPair.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int kReadWaitMs = 20000;
constexpr int kLinkTimeoutMs = 300;
constexpr uint kAltitudeReg = 30;
constexpr uint kSerialReg = 24;
const QString kLinkName = QStringLiteral("usb-Veltaron_KIV-Raumsensor_K42A17-if00-port0");

bool wroteTo(const QSignalSpy &writes, uint reg)
{
    for (const QList<QVariant> &args : writes) {
        const uint start = args.at(0).toUInt();
        const auto count = uint(args.at(1).value<QList<quint16>>().size());
        if (start <= reg && reg < start + count)
            return true;
    }
    return false;
}
} // namespace

// The back end against the emulator on a pty pair that is reached through a by-id style link,
// as a USB adapter is.
class Rig
{
public:
    Rig(const QString &settingsFile, const QString &byIdDir)
        : m_byIdDir(byIdDir)
    {
        BaseSettings::setSettingsFile(settingsFile);
        BaseSettings::writeParity(0);
        BaseSettings::writeTimeout(kLinkTimeoutMs);
        BaseSettings::writeRetry(1);
        BaseSettings::writeDeviceID(1);
        KivSettings::writeVerbindungsMode(0);
        KivSettings::writeReconnectSeconds(60);
    }
    ~Rig()
    {
        backend.reset();
        emulator.stop();
        pty.stop();
    }

    QString link() const { return QDir(m_byIdDir).filePath(kLinkName); }

    // A new cable: a fresh pty pair, the stable link pointed at its application side.
    bool plugIn()
    {
        if (!pty.start())
            return false;
        QFile::remove(link());
        return QFile::link(pty.appSide(), link());
    }
    bool startDevice(const QStringList &args = {})
    {
        return emulator.start(pty.deviceSide(), QStringList{QStringLiteral("--parity"), QStringLiteral("none")} + args);
    }
    // Connects through the short path as a technician who typed it would.
    bool connectAndRead()
    {
        BaseSettings::writePortName(pty.appSide());
        backend = std::make_unique<KivBackend>(&share);
        QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
        backend->connectDevice();
        return ready.wait(kReadWaitMs) && backend->updateOngoing();
    }
    bool bringUp(const QStringList &args = {}) { return plugIn() && startDevice(args) && connectAndRead(); }
    // The device falls silent while the live page polls it; the next request notices.
    void silenceDevice()
    {
        backend->setDoPoll(true);
        emulator.stop();
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

private:
    QString m_byIdDir;
};

class tst_KivReconnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void emulatorRestart_sameDevice_pageKeptAndHeldWriteSent();
    void ptyPairRecreated_atSameStableLink_reconnects();
    void otherDeviceOnPort_newConnection_heldWriteNeverSent();
    void deviceStaysAway_givesUpIntoStartStateWithLossText();
    void co2Adjustment_deviceRestarts_readAgain();

private:
    QTemporaryDir m_dir;
    QString m_byIdDir;
    int m_run = 0;
};

void tst_KivReconnect::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    m_byIdDir = m_dir.filePath(QStringLiteral("by-id"));
    QVERIFY(QDir().mkpath(m_byIdDir));
    qputenv("BRASKO_SERIAL_BY_ID_DIR", m_byIdDir.toLocal8Bit());
}

void tst_KivReconnect::init()
{
    ++m_run;
}

void tst_KivReconnect::emulatorRestart_sameDevice_pageKeptAndHeldWriteSent()
{
    Rig rig(m_dir.filePath(QStringLiteral("same%1.ini").arg(m_run)), m_byIdDir);
    QVERIFY(rig.bringUp());
    KivBackend &backend = *rig.backend;
    // The typed short path is remembered under its stable name.
    QCOMPARE(KivSettings::readLastPort(), rig.link());

    KivReconnect *reconnect = backend.reconnectControl();
    QSignalSpy back(reconnect, &KivReconnect::reconnected);
    QSignalSpy pageSwitch(&backend, &KivBackend::switchToPoll);
    QSignalSpy lossShown(&backend, &KivBackend::serialError);
    rig.silenceDevice();
    QTRY_VERIFY_WITH_TIMEOUT(reconnect->isActive(), kReadWaitMs);
    QCOMPARE(reconnect->port(), rig.link());
    // Blocks and values stay for the page meanwhile.
    QVERIFY(!backend.dataBlocks().value<QList<QObject *>>().isEmpty());

    // An edit made while the device is away waits instead of being dropped.
    const quint16 altitude = backend.hoehe() == 1234 ? 1235 : 1234;
    backend.setHoehe(altitude);
    QTRY_COMPARE(backend.pendingWrites(), 1);

    QVERIFY(rig.startDevice());
    QTRY_COMPARE_WITH_TIMEOUT(back.count(), 1, kReadWaitMs);
    QCOMPARE(back.first().first().toBool(), true);
    QVERIFY(backend.connected());
    QVERIFY(!reconnect->isActive());
    QTRY_VERIFY(backend.updateOngoing());
    QVERIFY(backend.doPoll());
    QCOMPARE(pageSwitch.count(), 0);
    QCOMPARE(lossShown.count(), 0);
    QCOMPARE(backend.hoehe(), int(altitude));
    QTRY_COMPARE_WITH_TIMEOUT(rig.deviceRegister(kAltitudeReg), altitude, kReadWaitMs);
}

void tst_KivReconnect::ptyPairRecreated_atSameStableLink_reconnects()
{
    Rig rig(m_dir.filePath(QStringLiteral("replug%1.ini").arg(m_run)), m_byIdDir);
    QVERIFY(rig.bringUp());
    KivBackend &backend = *rig.backend;
    KivReconnect *reconnect = backend.reconnectControl();
    QSignalSpy back(reconnect, &KivReconnect::reconnected);

    // The cable is pulled: the port and with it the link's target vanish.
    rig.silenceDevice();
    rig.pty.stop();
    QTRY_VERIFY_WITH_TIMEOUT(reconnect->isActive(), kReadWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!reconnect->portPresent(), kReadWaitMs);
    QVERIFY(reconnect->secondsLeft() > 0);

    // Plugged in again: another pty behind the same stable name.
    QVERIFY(rig.plugIn());
    QVERIFY(rig.startDevice());
    QTRY_COMPARE_WITH_TIMEOUT(back.count(), 1, kReadWaitMs);
    QCOMPARE(back.first().first().toBool(), true);
    QVERIFY(backend.connected());
    QTRY_VERIFY(backend.updateOngoing());
    QVERIFY(!backend.dataBlocks().value<QList<QObject *>>().isEmpty());
}

void tst_KivReconnect::otherDeviceOnPort_newConnection_heldWriteNeverSent()
{
    Rig rig(m_dir.filePath(QStringLiteral("other%1.ini").arg(m_run)), m_byIdDir);
    const QString otherImage = m_dir.filePath(QStringLiteral("other%1.txt").arg(m_run));
    QVERIFY(EmulatorProcess::writeEditedImage(otherImage, [](QList<quint16> &regs) { regs[kSerialReg] += 1; }));
    QVERIFY(rig.bringUp());
    KivBackend &backend = *rig.backend;
    KivReconnect *reconnect = backend.reconnectControl();
    QSignalSpy back(reconnect, &KivReconnect::reconnected);
    QSignalSpy pageSwitch(&backend, &KivBackend::switchToPoll);
    QSignalSpy info(&backend, &KivBackend::infoPlainText);
    QSignalSpy writes(&backend, &KivBackend::writeMultiRegister);

    rig.silenceDevice();
    QTRY_VERIFY_WITH_TIMEOUT(reconnect->isActive(), kReadWaitMs);
    // Off the live page the gate opens as soon as a port opens again, before anyone knows
    // which device answers there.
    backend.setDoPoll(false);
    const int altitude = backend.hoehe() + 17;
    backend.setHoehe(altitude);
    QTRY_COMPARE(backend.pendingWrites(), 1);

    QVERIFY(rig.startDevice({QStringLiteral("--registers"), otherImage}));
    QTRY_COMPARE_WITH_TIMEOUT(back.count(), 1, kReadWaitMs);
    QCOMPARE(back.first().first().toBool(), false);
    // A new connection: the live page as after any connect, and the user is told why.
    QTRY_COMPARE_WITH_TIMEOUT(pageSwitch.count(), 1, kReadWaitMs);
    QCOMPARE(info.count(), 1);
    QVERIFY(info.first().first().toString().contains(QStringLiteral("anderes Gerät")));
    QVERIFY(!wroteTo(writes, kAltitudeReg));
    QCOMPARE(backend.pendingWrites(), 0);
    QVERIFY(backend.hoehe() != altitude);
    QVERIFY(rig.deviceRegister(kAltitudeReg) != altitude);
}

void tst_KivReconnect::deviceStaysAway_givesUpIntoStartStateWithLossText()
{
    Rig rig(m_dir.filePath(QStringLiteral("away%1.ini").arg(m_run)), m_byIdDir);
    KivSettings::writeReconnectSeconds(2);
    QVERIFY(rig.bringUp());
    KivBackend &backend = *rig.backend;
    KivReconnect *reconnect = backend.reconnectControl();
    QSignalSpy gaveUp(reconnect, &KivReconnect::gaveUp);
    QSignalSpy lossShown(&backend, &KivBackend::serialError);

    rig.silenceDevice();
    QTRY_VERIFY_WITH_TIMEOUT(reconnect->isActive(), kReadWaitMs);
    // Failed attempts while waiting are no news for the user.
    QCOMPARE(lossShown.count(), 0);
    QCOMPARE(reconnect->totalSeconds(), 2);

    QTRY_COMPARE_WITH_TIMEOUT(gaveUp.count(), 1, kReadWaitMs);
    // The same end as a loss without waiting: the link's own text, the start state.
    QCOMPARE(lossShown.count(), 1);
    QVERIFY(lossShown.first().first().toString().contains(rig.pty.appSide()));
    QVERIFY(!backend.connected());
    QVERIFY(backend.dataBlocks().value<QList<QObject *>>().isEmpty());
    QTRY_VERIFY(!backend.hasSerialLink());
    QVERIFY(std::all_of(backend.registerImage().cbegin(), backend.registerImage().cend(),
                        [](quint16 word) { return word == 0; }));
}

void tst_KivReconnect::co2Adjustment_deviceRestarts_readAgain()
{
    Rig rig(m_dir.filePath(QStringLiteral("adjust%1.ini").arg(m_run)), m_byIdDir);
    QVERIFY(rig.bringUp({QStringLiteral("--adjust-restart-ms"), QStringLiteral("1500")}));
    KivBackend &backend = *rig.backend;
    auto *expert = qobject_cast<KivExpertModeContainer *>(backend.expertBackend().value<QObject *>());
    QVERIFY(expert);
    KivReconnect *reconnect = backend.reconnectControl();
    QSignalSpy back(reconnect, &KivReconnect::reconnected);
    QSignalSpy reads(&backend, &KivBackend::readMultiRegister);

    // No request is on the wire while the device restarts; the wait starts with the command.
    expert->setFreshAirAmount(800);
    expert->startCo2Adjustment();
    QTRY_VERIFY_WITH_TIMEOUT(reconnect->isActive(), kReadWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(back.count(), 1, kReadWaitMs);
    QCOMPARE(back.first().first().toBool(), true);
    QTRY_VERIFY(backend.updateOngoing());
    QVERIFY(backend.connected());
    QVERIFY(reads.count() > 1);
}

QTEST_MAIN(tst_KivReconnect)
#include "tst_KivReconnect.moc"
