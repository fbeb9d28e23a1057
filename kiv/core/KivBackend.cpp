#include "KivBackend.h"

#include "BaseSettings.h"
#include "BootLoader.h"
#include "KivDeviceSetup.h"
#include "KivSettings.h"
#include "KivShareBackend.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcKivBackend, "kiv.backend")

KivBackend::KivBackend(KivShareBackend *shareBackend, QObject *parent)
    : KivBackendProperty(parent)
    , m_shareBackend(shareBackend)
{
    m_deviceInfo = new KivDeviceSetup(this);

    setModbusID(1);
    setBaudRate(115200);
    setParity(0);
    setDataBit(8);
    setStopBit(1);
    setTimeout(1000);
    setRetries(3);
    setMaximum(100);
    setProgress(100);
    setConnected(false);
    m_registerImage = QList<quint16>(kImageSize, 0);

    connect(this, qOverload<>(&KivBackend::expectWriteFinishedSignal), this,
            [this] { emit expectWriteFinishedSignal(true); });

    // Queued so that the pages see showUi flip only after the plugin has finished starting.
    QMetaObject::invokeMethod(this, [this] { setShowUi(true); }, Qt::QueuedConnection);

    if (currentOS() == Ios || currentOS() == Android)
        KivSettings::writeVerbindungsMode(1);
    setVerbindungsMode(KivSettings::readVerbindungsMode());
    connect(this, &KivBackendProperty::verbindungsModeChanged, this,
            [](int mode) { KivSettings::writeVerbindungsMode(mode); }, Qt::DirectConnection);
    setClearance(BaseSettings::readClearance());
    connect(this, &KivBackendProperty::clearanceChanged, this,
            [](int clearance) { BaseSettings::writeClearance(clearance); });

    auto *bootLoader = new BootLoader(this);
    m_bootLoader = bootLoader;
    connect(bootLoader, &BootLoader::errorCouldNotStartBL, this, &KivBackend::blCouldNotStart);
    connect(bootLoader, &BootLoader::errorFileUnavailable, this, &KivBackend::blFileUnavailable);
}

KivBackend::~KivBackend() = default;

QVariant KivBackend::expertBackend() const
{
    return QVariant::fromValue(m_expertBackend);
}

QVariant KivBackend::lora() const
{
    return QVariant::fromValue(m_lora);
}

void KivBackend::setShowUi(bool showUi)
{
    if (m_showUi == showUi)
        return;
    m_showUi = showUi;
    emit showUiChanged();
}

void KivBackend::connectDevice(const QString &btAdress)
{
    Q_UNUSED(btAdress)
}

void KivBackend::connectDevice()
{
    connectDevice(QString());
}

void KivBackend::disconnectDevice()
{
    setEmergencyMode(false);
    setConnected(false);
    // Queued: the link and resetToStart must not run inside the caller (often a QML handler).
    QMetaObject::invokeMethod(this, qOverload<>(&KivBackend::doDisconnect), Qt::QueuedConnection);
}

void KivBackend::newOutputSelection(int outputSelection, int newIndex)
{
    Q_UNUSED(outputSelection)
    Q_UNUSED(newIndex)
}

void KivBackend::updateService(int type, int intervall)
{
    Q_UNUSED(type)
    Q_UNUSED(intervall)
}

void KivBackend::forceRelaisOn(int index)
{
    Q_UNUSED(index)
}

void KivBackend::forceRelaisOff(int index)
{
    Q_UNUSED(index)
}

void KivBackend::resetForcedRelais(int index)
{
    Q_UNUSED(index)
}

QString KivBackend::loadJsonString(const QString &name)
{
    Q_UNUSED(name)
    return {};
}

void KivBackend::continueLoading(const QString &filepath)
{
    Q_UNUSED(filepath)
}

void KivBackend::forceDeviceReset() {}

void KivBackend::forceReloadAllData() {}

void KivBackend::updateUnitByApp(int unit)
{
    Q_UNUSED(unit)
}

void KivBackend::forceEepromWrite() {}

void KivBackend::writeFResetRegs(const QString &HWMotherboard, const QString &SerialNumber)
{
    Q_UNUSED(HWMotherboard)
    Q_UNUSED(SerialNumber)
}

void KivBackend::changeActiveChannel(int oldBlockIndex, int activeChannelId, int newIndex)
{
    Q_UNUSED(oldBlockIndex)
    Q_UNUSED(activeChannelId)
    Q_UNUSED(newIndex)
}

QObject *KivBackend::getActiveChannel(int index)
{
    Q_UNUSED(index)
    return nullptr;
}

bool KivBackend::channelIsVisible(int channel)
{
    Q_UNUSED(channel)
    return false;
}

void KivBackend::changeChannelVisibility(int channel, bool visible)
{
    Q_UNUSED(channel)
    Q_UNUSED(visible)
}

int KivBackend::activeChannelsSize()
{
    return 0;
}

void KivBackend::updateAvailableOutputs() {}

int KivBackend::validActiveChannels()
{
    return 0;
}

int KivBackend::sensorBlockCount()
{
    return m_blockCount;
}

Enums::UnitDatenBlock KivBackend::unitOfChannel(int channel)
{
    Q_UNUSED(channel)
    return MAX2;
}

void KivBackend::forceEmergencyMode() {}

QString KivBackend::HomePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void KivBackend::stopConnectAttempt()
{
    setBtIsConnecting(false);
    setUpdateOngoing(true);
    setMaximum(0);
    setProgress(0);
}

void KivBackend::getManuelData(bool flag)
{
    Q_UNUSED(flag)
}

void KivBackend::getAllData() {}

void KivBackend::getBlockUpdate(uint index)
{
    Q_UNUSED(index)
}

void KivBackend::getBlocks() {}

void KivBackend::onDoPollChanged() {}

void KivBackend::updateTlfMode() {}

void KivBackend::onUnit() {}

void KivBackend::onMaxVoltage() {}

void KivBackend::setupSerial() {}

void KivBackend::retranslate() {}

void KivBackend::onApplicationStateChanged(Qt::ApplicationState state)
{
    handleApplicationState(state, QDateTime::currentDateTimeUtc());
}

void KivBackend::handleApplicationState(Qt::ApplicationState state, const QDateTime &now)
{
    if (state == Qt::ApplicationSuspended) {
        m_suspendedAt = now;
        if (doPoll()) {
            setDoPoll(false);
            m_pollWasOn = true;
        }
    } else if (state == Qt::ApplicationActive) {
        const qint64 away = m_suspendedAt.isValid() ? m_suspendedAt.secsTo(now) : 0;
        // One suspension counts once: desktops report Active on every focus change, and a stale
        // time would drop every later connection.
        m_suspendedAt = QDateTime();
        if (away > kMaxSuspendSeconds) {
            qCInfo(lcKivBackend) << "resumed after" << away << "s; dropping the link";
            disconnectDevice();
            emit doDisconnect();
        } else if (m_pollWasOn) {
            setDoPoll(true);
        }
        m_pollWasOn = false;
    }
    emit appStateChanged(state);
}

void KivBackend::simulateDevice() {}

void KivBackend::dumpDeviceDataToTextFile() {}

void KivBackend::printCurrentRegistersToCsv() {}

void KivBackend::createFileAt(QString filePath)
{
    Q_UNUSED(filePath)
}
