#include "KivBackend.h"

#include "BaseSettings.h"
#include "BootLoader.h"
#include "Functions.h"
#include "KivBlockSet.h"
#include "KivCfgFile.h"
#include "KivDatenblock.h"
#include "KivDeviceCommands.h"
#include "KivDeviceSetup.h"
#include "KivDocuments.h"
#include "KivExpertModeContainer.h"
#include "KivFileActions.h"
#include "KivLcdBlock.h"
#include "KivLoadPreview.h"
#include "KivLoraBlock.h"
#include "KivOutputAssignment.h"
#include "KivPoller.h"
#include "KivReadJson.h"
#include "KivReadSequencer.h"
#include "KivReconnect.h"
#include "KivRegisterMap.h"
#include "KivRegisterText.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivSaveAndLoad.h"
#include "KivSerialIo.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "KivThresholdFormat.h"
#include "KivTlfBlock.h"
#include "KivTrafficLogModel.h"
#include "KivWriteGate.h"
#include "PortInfo.h"
#include "SerialLinkOwner.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcKivBackend, "kiv.backend")

using namespace KivRegisterMap;

namespace {
// Request sizes: the cable link reads 100 registers per request, the radio link (connection
// mode 1) only 7.
constexpr uint kCableReadChunk = 100;
constexpr uint kRadioReadChunk = 7;
constexpr int kDataReadySettleMs = 100;
constexpr int kManualReadDelayMs = 100;
constexpr int kResetReloadMs = 3000;
constexpr int kReloadResetMs = 1000;
constexpr int kReloadReadMs = 1500;
// The device restarts into its new firmware before it answers again.
constexpr int kReloadAfterUpdateMs = 2000;
constexpr int kReReadAfterLoadMs = 1000;
constexpr int kLoadProgressStepMs = 350;
// The add-on board type: a JSON document of another board does not fit.
constexpr uint kBoardTypeRegister = 144;
constexpr int kSimulationTickMs = 1;
constexpr int kSimulationStep = 9;
constexpr int kDrainWaitMs = 1500;
// A dropped cable is tried again at once; a device told to restart is let go once its command
// has left.
constexpr int kReconnectAfterLossMs = 0;
constexpr int kReconnectAfterRestartMs = 1000;

template<typename T>
QList<QObject *> asObjects(const QList<T *> &list)
{
    return QList<QObject *>(list.cbegin(), list.cend());
}
} // namespace

KivBackend::KivBackend(KivShareBackend *shareBackend, QObject *parent)
    : KivBackendProperty(parent)
    , m_shareBackend(shareBackend)
{
    m_deviceInfo = new KivDeviceSetup(this);
    m_link = new SerialLinkOwner(this);
    m_gate = new KivWriteGate(this, &m_registerImage, this);
    m_reads = new KivReadSequencer(&m_registerImage, this);
    m_poller = new KivPoller([this] { return doPoll() && connected(); }, this);
    m_blocks = new KivBlockSet(this, m_deviceInfo, m_gate, this);
    m_commands = new KivDeviceCommands(this, &m_registerImage, m_gate, m_blocks, this);
    m_outputs = new KivOutputAssignment(this, m_deviceInfo);
    m_traffic = new KivTrafficLogModel(std::make_shared<TrafficLog>(), this);
    connect(m_traffic, &KivTrafficLogModel::errorPlainText, this, &KivBackend::errorPlainText);
    connect(m_traffic, &KivTrafficLogModel::infoPlainText, this, &KivBackend::infoPlainText);
    KivLoadPreview::Hooks previewHooks;
    previewHooks.refresh = [this] { updateData(); };
    previewHooks.context = [this] {
        KivSettingCatalog::Context context;
        context.board = m_deviceInfo->boardType();
        context.relayThresholdsFloat = m_deviceInfo->mainBoard() == Enums::MP_Qev;
        context.tlfThresholdsFloat = KivThresholdFormat::tlfIsFloat(m_deviceInfo);
        for (const KivDatenblock *block : m_blocks->dataBlocks()) {
            const int index = int((block->baseRegister() - kFirstBlock) / kBlockStride);
            if (index >= 0 && index < kMaxBlocks) {
                if (context.blockTypes.size() <= index)
                    context.blockTypes.resize(index + 1, Enums::Invalid);
                context.blockTypes[index] = block->type();
            }
        }
        return context;
    };
    previewHooks.send = [this] { sendPreviewedLoad(); };
    m_preview = new KivLoadPreview(m_gate, &m_registerImage, std::move(previewHooks), this);
    m_reconnect = new KivReconnect(this);
    connect(m_reconnect, &KivReconnect::attempt, this, &KivBackend::openPort);
    connect(m_reconnect, &KivReconnect::gaveUp, this, &KivBackend::onReconnectGaveUp);
    connect(m_outputs, &KivOutputAssignment::busyChanged, this, &KivBackend::outputBusyChanged);
    connect(m_outputs, &KivOutputAssignment::activeChannelsChanged, this, [this] {
        m_activeChannels = m_outputs->activeChannels();
        emit activeChannelsChanged();
    });

    connect(m_gate, &KivWriteGate::writeSingleRegister, this, &KivBackend::writeSingleRegister);
    connect(m_gate, &KivWriteGate::writeMultiRegister, this, &KivBackend::writeMultiRegister);
    connect(m_gate, &KivWriteGate::queuedWriteSent, this, &KivBackend::progressProgressbar);
    connect(m_gate, &KivWriteGate::queueDrained, this, &KivBackend::onQueuedWritesDrained);

    connect(m_reads, &KivReadSequencer::requestRead, this, &KivBackend::readMultiRegister);
    connect(m_reads, &KivReadSequencer::identified, this, &KivBackend::getAllData, Qt::QueuedConnection);
    connect(m_reads, &KivReadSequencer::unsupportedDevice, this, [this] {
        emit errorPlainText(tr("Das angeschlossene Gerät wird nicht unterstüzt."));
        QMetaObject::invokeMethod(this, &KivBackend::disconnectDevice, Qt::QueuedConnection);
    });
    connect(m_reads, &KivReadSequencer::fullReadAnswered, this, [this] { setProgress(progress() + 1); });
    connect(m_reads, &KivReadSequencer::fullReadDone, this, &KivBackend::manageReceivedData, Qt::QueuedConnection);
    connect(m_reads, &KivReadSequencer::blockReadDone, this, [this] {
        m_blocks->refreshDataBlocks(m_registerImage);
        updateChannelLabels();
    });

    connect(m_poller, &KivPoller::requestPoll, this, &KivBackend::readPollRegister);
    connect(m_poller, &KivPoller::cycleComplete, this, &KivBackend::onPollCycleComplete);

    connect(m_blocks, &KivBlockSet::blockUpdateRequested, this, &KivBackend::getBlockUpdate);
    connect(m_blocks, &KivBlockSet::tlfRangeNeeded, this, &KivBackend::updateTlfMode);
    connect(m_blocks, &KivBlockSet::isLcd, this, &KivBackend::isLcd);
    connect(m_blocks, &KivBlockSet::errorPlainText, this, &KivBackend::errorPlainText);

    connect(m_commands, &KivDeviceCommands::readSingleRegister, this, &KivBackend::readSingleRegister);
    connect(m_commands, &KivDeviceCommands::expectWriteFinishedSignal, this,
            qOverload<bool>(&KivBackend::expectWriteFinishedSignal));
    connect(m_commands, &KivDeviceCommands::changeUnitSystemDone, this, &KivBackend::changeUnitSystemDone);
    connect(m_commands, &KivDeviceCommands::factoryResetChecked, this, &KivBackend::factoryResetChecked);

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

    // With the image still empty every property takes its empty-image default.
    manageReceivedData();
    m_registerImage = QList<quint16>(kImageSize, 0);

    connect(this, qOverload<>(&KivBackend::expectWriteFinishedSignal), this,
            [this] { emit expectWriteFinishedSignal(true); });
    connect(this, &KivBackend::doDisconnect, this, &KivBackend::resetToStart);
    connect(this, &KivBackend::allDataRead, this, &KivBackend::manageReceivedData);
    connect(this, &KivBackendProperty::activeChannelsChanged, this, &KivBackend::updateChannelLabels);
    connect(this, &KivBackend::changeUnitSystemDone, this, &KivBackend::updateChannelLabels);
    connect(this, &KivBackendProperty::doPollChanged, this, &KivBackend::onDoPollChanged);
    connect(this, &KivBackendProperty::hoeheChanged, m_commands, &KivDeviceCommands::startAltitudeDebounce);
    connect(this, &KivBackendProperty::unitSystemChanged, m_commands, &KivDeviceCommands::onUnitSystemChanged);
    connect(this, &KivBackendProperty::minVoltageChanged, m_commands, &KivDeviceCommands::writeMinVoltage);
    connect(this, &KivBackendProperty::maxVoltageChanged, this, &KivBackend::onMaxVoltage);
    connect(this, &KivBackendProperty::secToWartungChanged, this, &KivBackend::updateLastWartung);
    connect(this, &KivBackendProperty::intervalWartungChanged, this, &KivBackend::updateLastWartung);
    connect(this, &KivBackendProperty::secToKalibrierungChanged, this, &KivBackend::updateLastKalibrierung);
    connect(this, &KivBackendProperty::intervalKalibrierungChanged, this, &KivBackend::updateLastKalibrierung);
    connect(this, &KivBackendProperty::factoryResetChanged, this, &KivBackend::factoryResetOngoing);
    connect(this, &KivBackendProperty::testModeChanged, this, [this](bool on) {
        if (on)
            simulateDevice();
    });

    // Queued so that the pages see showUi flip only after the plugin has finished starting.
    QMetaObject::invokeMethod(
        this, [this] { setShowUi(true); }, Qt::QueuedConnection);

    if (currentOS() == Ios || currentOS() == Android)
        KivSettings::writeVerbindungsMode(1);
    setVerbindungsMode(KivSettings::readVerbindungsMode());
    connect(
        this, &KivBackendProperty::verbindungsModeChanged, this,
        [](int mode) { KivSettings::writeVerbindungsMode(mode); }, Qt::DirectConnection);
    setClearance(BaseSettings::readClearance());
    connect(this, &KivBackendProperty::clearanceChanged, this,
            [](int clearance) { BaseSettings::writeClearance(clearance); });

    auto *bootLoader = new BootLoader(this);
    m_bootLoader = bootLoader;
    connect(bootLoader, &BootLoader::errorCouldNotStartBL, this, &KivBackend::blCouldNotStart);
    connect(bootLoader, &BootLoader::errorFileUnavailable, this, &KivBackend::blFileUnavailable);
    wireBootLoaderOutcome(bootLoader);

    if (m_shareBackend) {
        connect(m_shareBackend, &ShareBackend::errorPlainText, this, &KivBackend::errorPlainText);
        connect(m_shareBackend, &ShareBackend::infoPlainText, this, &KivBackend::infoPlainText);
        connect(m_shareBackend, &ShareBackend::saveFileForEMail, this, &KivBackend::createFileAt);
        connect(this, &KivBackend::onSaveFileCreateAt, m_shareBackend, &ShareBackend::prepareFileForEMail);
    }

    auto *saveLoad = new KivSaveAndLoad(&m_registerImage, this);
    m_saveLoadBackend = saveLoad;
    connect(saveLoad, &SaveAndLoad::errorPlainText, this, &KivBackend::errorPlainText);
    connect(saveLoad, &SaveAndLoad::infoPlainText, this, &KivBackend::infoPlainText);
    connect(saveLoad, &SaveAndLoad::requestFileShareName, this, &KivBackend::requestFileShareName);
    connect(saveLoad, &SaveAndLoad::loadedFromFile, this, &KivBackend::onLoadedFromFile);
    connect(saveLoad, &KivSaveAndLoad::setProgressMaximum, this, &KivBackendProperty::setMaximum);
    connect(saveLoad, &KivSaveAndLoad::setProgressCurrent, this, &KivBackendProperty::setProgress);
    connect(saveLoad, &KivSaveAndLoad::unknownFileOrigin, this, &KivBackend::unknownFileOrigin);
    connect(saveLoad, &KivSaveAndLoad::loadJsonFromFilePath, this, &KivBackend::onLoadJsonFromFilePath);
    connect(saveLoad, &KivSaveAndLoad::writeJson, this, &KivBackend::onWriteJson);
    connect(saveLoad, &KivSaveAndLoad::writePdf, this, &KivBackend::onWritePdf);
    if (m_shareBackend)
        connect(m_shareBackend, &ShareBackend::addSaveEntry, saveLoad, &SaveAndLoad::onAddSaveEntry);
    saveLoad->updateSavedFiles(QString());
}

KivBackend::~KivBackend()
{
    auto *link = qobject_cast<KivSerialIo *>(m_link->link());
    if (link && connected()) {
        // Forced relays must not stay forced once nobody watches them: restore, store, and
        // let the link drain before its thread ends. The gate opens for this last word even
        // if the live page was still polling.
        m_doPoll = false;
        m_isLoadingFromDisc = false;
        m_updateOngoing = true;
        m_commands->resetForcedRelais(-1);
        connect(link, &KivSerialIo::allWritten, m_link->thread(), &QThread::quit, Qt::DirectConnection);
        emit writeSingleRegister(kStoreCommand, kStoreValue);
        // Asked for after the last write: a drain noticed too early would end the thread
        // before the store command; one noticed too late only costs the bounded wait.
        emit expectWriteFinishedSignal(true);
        if (m_link->waitForCurrent(kDrainWaitMs))
            qCDebug(lcKivBackend) << "link drained before shutdown";
    }
    m_link->shutdown();
}

bool KivBackend::outputBusy() const
{
    return m_outputs->isBusy();
}

QObject *KivBackend::trafficLog() const
{
    return m_traffic;
}

QObject *KivBackend::loadPreview() const
{
    return m_preview;
}

QObject *KivBackend::reconnectObject() const
{
    return m_reconnect;
}

QVariant KivBackend::expertBackend() const
{
    return QVariant::fromValue(static_cast<QObject *>(m_blocks->expert()));
}

QVariant KivBackend::lora() const
{
    return QVariant::fromValue(static_cast<QObject *>(m_blocks->lora()));
}

void KivBackend::setShowUi(bool showUi)
{
    if (m_showUi == showUi)
        return;
    m_showUi = showUi;
    emit showUiChanged();
}

KivBackend::serialOperation KivBackend::currentSerialOperation() const
{
    return serialOperation(m_reads->operation());
}

bool KivBackend::hasSerialLink() const
{
    return m_link->hasLink();
}

QObject *KivBackend::serialLink() const
{
    return m_link->link();
}

int KivBackend::pendingWrites() const
{
    return m_gate->pendingWrites() + m_gate->heldWrites();
}

int KivBackend::readChunk() const
{
    return int(verbindungsMode() != 0 ? kRadioReadChunk : kCableReadChunk);
}

void KivBackend::connectDevice(const QString &btAdress)
{
    // A disconnect asked for earlier goes first; carried out later, it would cut off this connection.
    if (m_disconnectQueued || m_disconnectWait) {
        m_connectAfterDisconnect = true;
        m_pendingConnectAddress = btAdress;
        return;
    }
    if (verbindungsMode() == 0) {
        const QString portName = BaseSettings::readPortName();
        if (portName.isEmpty()) {
            emit errorPlainText(tr("Kein COM-Port ausgewählt!"));
            return;
        }
        openPort(portName);
        return;
    }
    stopSerialThread();
    emit connectToLastService(btAdress);
}

QList<int> KivBackend::serialParameters() const
{
    return {BaseSettings::readBaudrate(), BaseSettings::readParity(),  BaseSettings::readDatabit(),
            BaseSettings::readStopbit(),  BaseSettings::readTimeout(), BaseSettings::readRetry()};
}

void KivBackend::openPort(const QString &port)
{
    setupSerial();
    emit sendModbusID(BaseSettings::readDeviceID());
    emit setSerialParameter(port, serialParameters());
}

void KivBackend::connectDevice()
{
    connectDevice(QString());
}

void KivBackend::disconnectDevice()
{
    setEmergencyMode(false);
    if (m_disconnectWait)
        return;
    auto *link = qobject_cast<KivSerialIo *>(m_link->link());
    if (link && connected() && m_commands->anyRelayForced()) {
        // A relay must not stay forced once nobody watches it: restore and store its settings,
        // and take the link down only after they have left (or after a bounded wait).
        setDoPoll(false);
        setUpdateOngoing(true);
        m_commands->resetForcedRelais(-1);
        m_commands->storeToEeprom();
        m_disconnectWait = new QObject(this);
        connect(link, &KivSerialIo::allWritten, m_disconnectWait, [this] { finishDisconnect(); });
        QTimer::singleShot(kDrainWaitMs, m_disconnectWait, [this] { finishDisconnect(); });
        emit expectWriteFinishedSignal(true);
        setConnected(false);
        return;
    }
    setConnected(false);
    queueDisconnect();
}

void KivBackend::queueDisconnect()
{
    // Queued: the link and resetToStart must not run inside the caller (often a QML handler).
    m_disconnectQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
        m_disconnectQueued = false;
        emit doDisconnect();
        if (std::exchange(m_connectAfterDisconnect, false))
            connectDevice(m_pendingConnectAddress);
        },
        Qt::QueuedConnection);
}

void KivBackend::finishDisconnect()
{
    if (!m_disconnectWait)
        return;
    m_disconnectWait->deleteLater();
    m_disconnectWait = nullptr;
    queueDisconnect();
}

void KivBackend::setupSerial()
{
    if (m_link->hasLink())
        return;
    // The link's thread starts once a retired link has released the port; requests made
    // before then wait in its queue.
    auto *io = new KivSerialIo;
    // Every link records into the same log, so a reconnect keeps the traffic before it.
    io->setTrafficLog(m_traffic->log());
    auto *link = m_link->start(io);

    connect(this, qOverload<bool>(&KivBackend::expectWriteFinishedSignal), link, &KivSerialIo::setDoWriteDoneSignal,
            Qt::QueuedConnection);
    connect(link, &KivSerialIo::allWritten, this, &KivBackend::allWritten, Qt::QueuedConnection);
    connect(this, &KivBackend::setSerialParameter, link, &SerialIo::setParameter, Qt::QueuedConnection);
    connect(this, &KivBackend::readSingleRegister, link, &BaseSerialIo::readSingleReg, Qt::QueuedConnection);
    connect(this, &KivBackend::readMultiRegister, link, &BaseSerialIo::readMultiReg, Qt::QueuedConnection);
    connect(this, &KivBackend::readPollRegister, link, &BaseSerialIo::readPollReg, Qt::QueuedConnection);
    connect(this, &KivBackend::writeSingleRegister, link, &BaseSerialIo::writeSingleReg, Qt::QueuedConnection);
    connect(this, &KivBackend::writeMultiRegister, link, &BaseSerialIo::writeMultiReg, Qt::QueuedConnection);
    connect(
        this, &KivBackend::sendModbusID, link, [link](int id) { link->setModbusId(uchar(id)); }, Qt::QueuedConnection);
    connect(this, &KivBackend::doDisconnect, link, &SerialIo::disconnectDevice, Qt::QueuedConnection);
    connect(this, &KivBackend::setOperationMode, link, &BaseSerialIo::setOperationMode, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newDataSl, this, &KivBackend::readSingle, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newDataPl, this, &KivBackend::readMultiple, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newPoll, this, &KivBackend::readPoll, Qt::QueuedConnection);
    connect(link, &SerialIo::isConnected, this, &KivBackend::connectChanged, Qt::QueuedConnection);
    connect(link, &KivSerialIo::errorAsString, this, &KivBackend::onLinkError, Qt::QueuedConnection);

    auto *bootLoader = static_cast<BootLoader *>(m_bootLoader);
    connect(bootLoader, &BootLoader::writeRawString, link, &BaseSerialIo::writeRawBytes);
    connect(bootLoader, &BootLoader::writeRegs, link, &BaseSerialIo::writeMultiReg);
    connect(bootLoader, &BootLoader::readMultiReg, link, &BaseSerialIo::readMultiReg);
    connect(bootLoader, &BootLoader::bootLoaderFinished, link, &BaseSerialIo::onBootLoaderFinished);
    // A failed upload must hand the link back to normal reads as well.
    connect(bootLoader, &BootLoader::errorCouldNotStartBL, link, &BaseSerialIo::onBootLoaderFinished);
    connect(bootLoader, &BootLoader::errorUploadInterrupted, link, &BaseSerialIo::onBootLoaderFinished);
    connect(link, &KivSerialIo::responseForBootLoader, bootLoader, &BootLoader::modbusResponse, Qt::QueuedConnection);
    connect(link, &KivSerialIo::registerWrittenForBootLoader, bootLoader, &BootLoader::wasWritten,
            Qt::QueuedConnection);
    // The cable carries the bootloader's large data blocks.
    bootLoader->setFast(true);
}

void KivBackend::wireBootLoaderOutcome(BootLoader *bootLoader)
{
    connect(bootLoader, &BootLoader::updatingGp, this, [this] { m_addOnUploadFollows = true; });
    connect(bootLoader, &BootLoader::updatingAP, this, [this] { m_addOnUploadFollows = false; });
    for (auto failure :
         {&BootLoader::errorFileUnavailable, &BootLoader::errorCouldNotStartBL, &BootLoader::errorUploadInterrupted})
        connect(bootLoader, failure, this, [this] { m_addOnUploadFollows = false; });
    // The device runs its new firmware after a restart; what it reports may have changed. A
    // manual read keeps the page the user is on, so the update's outcome stays in view.
    connect(bootLoader, &BootLoader::bootLoaderFinished, this, [this] {
        if (m_addOnUploadFollows)
            return;
        emit bootLoaderFinished();
        QTimer::singleShot(kReloadAfterUpdateMs, this, [this] {
            if (connected())
                getManuelData(true);
        });
    });
}

void KivBackend::stopSerialThread()
{
    m_link->retire({this, m_bootLoader});
}

bool KivBackend::mayReconnect() const
{
    const auto *bootLoader = static_cast<const BootLoader *>(m_bootLoader);
    return connected() && m_wasRead && verbindungsMode() == 0 && !testMode() && !m_disconnectWait &&
        m_link->hasLink() && KivSettings::readReconnectSeconds() > 0 && !(bootLoader && bootLoader->blActive()) &&
        !KivReconnect::identityOf(m_registerImage).isEmpty();
}

void KivBackend::onLinkError(const QString &text)
{
    // Failed attempts while waiting are expected; the loss that starts a wait is told only if
    // the device does not come back.
    if (m_reconnect->isActive())
        return;
    if (mayReconnect()) {
        m_lossText = text;
        return;
    }
    emit serialError(text);
}

void KivBackend::flushLossText()
{
    if (!m_lossText.isEmpty())
        emit serialError(std::exchange(m_lossText, QString()));
}

bool KivBackend::beginReconnect(int firstTryMs)
{
    if (!mayReconnect())
        return false;
    const int seconds = KivSettings::readReconnectSeconds();
    if (seconds <= 0)
        return false;
    m_reconnect->setBudgetMs(seconds * 1000);
    if (!m_reconnect->start(m_stablePort, m_registerImage, firstTryMs))
        return false;
    // The page stays as it is: the re-read takes the path of a manual read.
    m_manualRead = true;
    m_gate->setHolding(true);
    m_poller->stop();
    m_reads->reset();
    stopSerialThread();
    setConnected(false);
    return true;
}

void KivBackend::onDeviceRestarting()
{
    // The command that restarts the device is still on its way to the link; retiring the link
    // now could drop it.
    QTimer::singleShot(kReconnectAfterRestartMs, this, [this] { beginReconnect(0); });
}

void KivBackend::onReconnectGaveUp()
{
    m_manualRead = false;
    m_pollWasOn = false;
    flushLossText();
    setConnected(false);
    resetToStart();
}

void KivBackend::connectChanged(bool isConnected)
{
    if (!isConnected && m_reconnect->isActive()) {
        stopSerialThread();
        m_poller->stop();
        m_reads->reset();
        setConnected(false);
        m_reconnect->attemptFailed();
        return;
    }
    if (!isConnected && beginReconnect(kReconnectAfterLossMs))
        return;
    if (!isConnected)
        flushLossText();
    setConnected(isConnected);
    if (!isConnected) {
        resetToStart();
        return;
    }
    // A settle step left from before this connection must not announce data it has not read.
    ++m_readGeneration;
    QMetaObject::invokeMethod(this, &KivBackend::getBlocks, Qt::QueuedConnection);
}

void KivBackend::getBlocks()
{
    ++m_readGeneration;
    emit setOperationMode(BluetoothIoEnums::Identification);
    emit setOpModeBluetooth(BluetoothIoEnums::Identification);
    m_reads->identify();
}

void KivBackend::getAllData()
{
    // Without a link no answer would ever come and the pages would wait for data forever.
    if (!m_link->hasLink()) {
        qCDebug(lcKivBackend) << "full read without a link ignored";
        return;
    }
    if (doPoll()) {
        setDoPoll(false);
        m_pollWasOn = true;
    }
    m_poller->cancelPause();
    ++m_readGeneration;
    setUpdateOngoing(false);
    const uint chunk = uint(readChunk());
    setMaximum(KivReadSequencer::fullReadPlanFor(m_reads->blockCount(), chunk).size());
    setProgress(0);
    m_reads->startFullRead(chunk);
    m_poller->setPlan(m_reads->blockPlan());
}

void KivBackend::getManuelData(bool flag)
{
    m_manualRead = flag;
    if (doPoll()) {
        setDoPoll(false);
        m_pollWasOn = true;
    }
    QTimer::singleShot(kManualReadDelayMs, this, &KivBackend::getAllData);
}

void KivBackend::insertData(uint start, const QList<quint16> &data)
{
    KivReadSequencer::insert(m_registerImage, start, data);
}

void KivBackend::readMultiple(uint start, const QList<quint16> &data)
{
    m_reads->onAnswer(start, data);
}

void KivBackend::readSingle(uint start, const QList<quint16> &data)
{
    m_commands->onSingleAnswer(start, data);
}

void KivBackend::manageReceivedData()
{
    bool releaseHeld = false;
    if (m_reconnect->isActive()) {
        m_gate->setHolding(false);
        m_lossText.clear();
        if (m_reconnect->finish(m_registerImage) == KivReconnect::Outcome::SameDevice) {
            // What the user changed while the device was away is shown and then sent.
            m_gate->applyHeldToImage();
            releaseHeld = true;
        } else {
            // A new connection: nothing meant for the other device may reach this one.
            m_gate->clear();
            m_manualRead = false;
            m_pollWasOn = false;
            emit infoPlainText(tr("An %1 antwortet jetzt ein anderes Gerät (Seriennummer %2). Es wurde neu "
                                  "eingelesen; offene Änderungen wurden verworfen.")
                                   .arg(m_reconnect->port())
                                   .arg(Functions::toUInt32(m_registerImage, int(kSerialNumber))));
        }
    }
    if (connected() && m_link->hasLink() && !m_wasRead) {
        // Taken while the port exists: a pulled adapter no longer leads to its stable name.
        m_wasRead = true;
        m_stablePort = PortInfo::stableNameFor(BaseSettings::readPortName());
        KivSettings::writeLastPort(m_stablePort);
    }
    emit setOperationMode(BluetoothIoEnums::Normal);
    emit setOpModeBluetooth(BluetoothIoEnums::Normal);
    m_deviceInfo->updateFromImage(m_registerImage);
    updateData();
    // The altitude just came from the device; echoing it back would be a write nobody asked
    // for. A loaded file takes the other path and keeps its debounced write.
    m_commands->cancelAltitudeWrite();
    if (m_manualRead) {
        setUpdateOngoing(true);
        if (releaseHeld)
            m_gate->releaseHeld();
        if (m_pollWasOn)
            setDoPoll(true);
        m_manualRead = false;
        m_pollWasOn = false;
        return;
    }
    // A read or reset that starts within the settle time owns the state; a stale step would
    // open the write gate in the middle of it.
    const quint64 generation = ++m_readGeneration;
    QTimer::singleShot(kDataReadySettleMs, this, [this, generation] {
        if (generation != m_readGeneration)
            return;
        setUpdateOngoing(true);
        // A reset while connected (reload after a device restart) leaves no data to show.
        if (connected() && (m_link->hasLink() || testMode()))
            emit switchToPoll();
    });
}

void KivBackend::onDoPollChanged()
{
    m_poller->restartCycle();
}

void KivBackend::readPoll(uint start, const QList<quint16> &data)
{
    if (!m_registerImage.isEmpty())
        insertData(start, data);
    m_poller->onAnswer();
}

void KivBackend::onPollCycleComplete()
{
    m_blocks->refreshDataBlocks(m_registerImage);
    if (!m_commands->takeUnitPollPending()) {
        m_poller->pause();
        return;
    }
    setDoPoll(false);
    if (connected())
        emit writeSingleRegister(kStoreCommand, kStoreValue);
    emit changeUnitSystemDone();
}

void KivBackend::singleWrite(uint reg, quint16 value)
{
    m_gate->singleWrite(reg, value);
}

void KivBackend::multiWrite(uint start, const QList<quint16> &values)
{
    m_gate->multiWrite(start, values);
}

void KivBackend::halfWrite(uint reg, uchar value, int which)
{
    m_gate->halfWrite(reg, value, which);
}

void KivBackend::onQueuedWritesDrained()
{
    // A loaded configuration ends with a complete re-read of what the device now holds.
    QTimer::singleShot(kReReadAfterLoadMs, this, [this] {
        if (testMode())
            simulateDevice();
        else if (connected() && m_link->hasLink() && !m_reconnect->isActive())
            getAllData();
    });
}

void KivBackend::progressProgressbar()
{
    setProgress(qMin(progress() + 1, maximum()));
}

void KivBackend::getBlockUpdate(uint index)
{
    // Any running read owns the answers; wait for it rather than derail it.
    if (m_reads->operation() != KivReadSequencer::NoOp) {
        QTimer::singleShot(kBlockUpdateRetryMs, this, [this, index] { getBlockUpdate(index); });
        return;
    }
    if (!m_link->hasLink()) {
        m_blocks->refreshDataBlocks(m_registerImage);
        updateChannelLabels();
        return;
    }
    m_reads->startBlockRead(index, uint(readChunk()));
}

void KivBackend::allWritten()
{
    m_commands->onAllWritten();
}

void KivBackend::resetToStart()
{
    if (m_reconnect->isActive()) {
        // Ended by something else than the device coming back: the loss stands.
        m_reconnect->abort();
        flushLossText();
    }
    m_wasRead = false;
    m_gate->setHolding(false);
    // The link is already down: a disconnect still waiting for it has nothing left to do.
    delete m_disconnectWait;
    m_disconnectWait = nullptr;
    setTestMode(false);
    m_deviceInfo->setTestMode(false);
    m_registerImage.fill(0);
    m_reads->reset();
    m_commands->reset();
    m_poller->stop();
    // Writes of an interrupted file load have no device to go to any more.
    m_preview->abort();
    m_gate->clear();
    setIsLoadingFromDisc(false);
    setMaximum(0);
    setProgress(0);
    stopSerialThread();

    m_outputs->clear();
    m_activeChannels.clear();
    m_blocks->clear();
    publishBlocks();
    emit activeChannelsChanged();
    emit dataBlocksChanged();
    setDoPoll(false);
    m_deviceInfo->updateFromImage(m_registerImage);
    manageReceivedData();
}

void KivBackend::stopConnectAttempt()
{
    setBtIsConnecting(false);
    setUpdateOngoing(true);
    setMaximum(0);
    setProgress(0);
}

void KivBackend::publishBlocks()
{
    m_dataBlocks = asObjects(m_blocks->dataBlocks());
    m_relais = asObjects(m_blocks->relais());
    m_tlf = m_blocks->tlf();
    m_lcd = m_blocks->lcd();
    m_rs485 = m_blocks->rs485();
}

void KivBackend::updateData()
{
    const QList<quint16> &image = m_registerImage;
    // An empty image gives zeros; the unit system and voltages have their own defaults.
    const auto value = [&image](uint reg, int fallback) {
        return qsizetype(reg) + 1 < image.size() ? int(Functions::toUInt32(image, int(reg))) : fallback;
    };
    setSecToWartung(value(kHoursToMaintenance, 0));
    setSecToKalibrierung(value(kHoursToCalibration, 0));
    setIntervalWartung(value(kMaintenanceInterval, 0));
    setIntervalKalibrierung(value(kCalibrationInterval, 0));
    setHoehe(value(kAltitude, 0));
    setUnitSystem(value(kUnitSystem, 1));
    if (!image.isEmpty()) {
        m_blocks->createOrRefresh(image, m_reads->blockCount());
        if (auto *expert = m_blocks->expert())
            connect(expert, &KivExpertModeContainer::adjustmentStarted, this, &KivBackend::onDeviceRestarting,
                    Qt::UniqueConnection);
        publishBlocks();
        m_outputs->updateAvailableOutputs();
        emit dataBlocksChanged();
        emit hasCo2(m_blocks->hasBlockOfType(Enums::CO2));
        emit hasVoc(m_blocks->hasBlockOfType(Enums::VOC));
    }
    setMinVoltage(value(kMinVoltage, -1));
    setMaxVoltage(value(kMaxVoltage, -1));
}

void KivBackend::updateUnitByApp(int unit)
{
    emit changeUnitSystemStart();
    setUnitSystem(unit);
}

void KivBackend::onUnit()
{
    m_commands->writeUnitSystem();
}

void KivBackend::onMaxVoltage()
{
    m_commands->writeMaxVoltage();
    const QString max = QString::number(maxVoltage());
    setVoltageRange({QStringLiteral("0 - %1 [V]").arg(max), QStringLiteral("1 - %1 [V]").arg(max),
                     QStringLiteral("2 - %1 [V]").arg(max)});
}

QString KivBackend::calculateDates(int interval, int hoursTo)
{
    return KivDeviceCommands::calculateDates(interval, hoursTo);
}

void KivBackend::updateLastWartung()
{
    setLastWartung(calculateDates(intervalWartung(), int(secToWartung())));
}

void KivBackend::updateLastKalibrierung()
{
    setLastKalibrierung(calculateDates(intervalKalibrierung(), int(secToKalibrierung())));
}

void KivBackend::updateService(int type, int intervall)
{
    m_commands->updateService(type, intervall);
}

void KivBackend::writeFResetRegs(const QString &HWMotherboard, const QString &SerialNumber)
{
    m_commands->writeFactoryRegisters(HWMotherboard, SerialNumber);
}

void KivBackend::factoryResetOngoing()
{
    m_commands->onFactoryResetChanged();
}

void KivBackend::checkFResetRegs()
{
    m_commands->checkFactoryRegisters();
}

void KivBackend::forceEepromWrite()
{
    m_commands->storeToEeprom();
}

void KivBackend::forceDeviceReset()
{
    m_commands->restartDevice();
    QTimer::singleShot(kResetReloadMs, this, &KivBackend::forceReloadAllData);
}

void KivBackend::forceReloadAllData()
{
    QTimer::singleShot(kReloadResetMs, this, [this] {
        const bool wasLinked = connected() && m_link->hasLink();
        resetToStart();
        // The reset ends the link; a device that was connected is opened and read again
        // instead of leaving the read to a link that no longer exists.
        QTimer::singleShot(kReloadReadMs - kReloadResetMs, this, [this, wasLinked] {
            if (m_link->hasLink())
                getAllData();
            else if (wasLinked)
                connectDevice();
        });
    });
}

void KivBackend::forceEmergencyMode()
{
    setEmergencyMode(true);
    setBtIsConnecting(false);
    setUpdateOngoing(true);
}

void KivBackend::forceRelaisOn(int index)
{
    m_commands->forceRelais(index, true);
}

void KivBackend::forceRelaisOff(int index)
{
    m_commands->forceRelais(index, false);
}

void KivBackend::updateRelaisDevice(ushort index)
{
    m_commands->updateRelaisDevice(index);
}

void KivBackend::resetForcedRelais(int index)
{
    m_commands->resetForcedRelais(index);
}

void KivBackend::onLoadedFromFile(QList<quint16> values)
{
    int changed = 0;
    switch (KivSaveAndLoad::applyLoadedImage(values, m_registerImage, &changed)) {
    case KivSaveAndLoad::LoadCheck::Empty:
        emit errorPlainText(tr("Fehler beim Laden der Datei!"));
        return;
    case KivSaveAndLoad::LoadCheck::OtherDevice:
        emit errorPlainText(tr("Die Datei passt nicht zum verbundenen Gerät!"));
        return;
    case KivSaveAndLoad::LoadCheck::Applied:
        break;
    }
    setMaximum(KivSaveAndLoad::progressMaximumFor(changed));
    updateData();
    QTimer::singleShot(kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    QTimer::singleShot(2 * kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    m_gate->startQueue();
}

void KivBackend::onLoadJsonFromFilePath(QString filePath)
{
    // Without a device read there are no blocks to take the settings, and a load that wrote
    // nothing must not pass as done.
    if (!connected() || m_registerImage.size() <= qsizetype(kBoardTypeRegister) + 1) {
        emit errorPlainText(tr("Fehler beim Laden"));
        setIsLoadingFromDisc(false);
        return;
    }
    // The settings' writes are queued like those of a loaded image and leave once the setters
    // (and their debounce timers) are done; the device is read again after the last one.
    setIsLoadingFromDisc(true);
    if (!applyJsonDocument(filePath)) {
        setIsLoadingFromDisc(false);
        emit errorPlainText(tr("Fehler beim Laden"));
        return;
    }
    setMaximum(KivSaveAndLoad::progressMaximumFor(pendingWrites()));
    QTimer::singleShot(kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    QTimer::singleShot(2 * kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    m_gate->startQueue();
    emit infoPlainText(tr("Werte ausgelesen und übertragen"));
}

bool KivBackend::applyJsonDocument(const QString &filePath)
{
    KivReadJson reader(filePath);
    reader.setExpectedBoardType(qint32(Functions::toUInt32(m_registerImage, int(kBoardTypeRegister))));
    connect(&reader, &KivReadJson::readFailed, this, &KivBackend::errorPlainText);
    KivDocuments::connectLoad(&reader, this, m_blocks);
    return reader.read();
}

bool KivBackend::previewLoad(const QString &filePath)
{
    if (!connected() || !m_preview->isIdle() || isLoadingFromDisc())
        return false;
    const QString name = QFileInfo(filePath).fileName();
    switch (KivDocuments::kindOf(filePath)) {
    case KivDocuments::Kind::Cfg: {
        // An unreadable file is silent here, as in a plain load; the page reports it.
        const QList<quint16> loaded = readCfgFile(filePath);
        if (loaded.isEmpty())
            return false;
        QList<quint16> probe = m_registerImage;
        if (KivSaveAndLoad::applyLoadedImage(loaded, probe) == KivSaveAndLoad::LoadCheck::OtherDevice) {
            emit errorPlainText(tr("Die Datei passt nicht zum verbundenen Gerät!"));
            return false;
        }
        return m_preview->start(name, false, [this, loaded] {
            KivSaveAndLoad::applyLoadedImage(loaded, m_registerImage);
            updateData();
            return true;
        });
    }
    case KivDocuments::Kind::Json:
        if (m_registerImage.size() > qsizetype(kBoardTypeRegister) + 1 &&
            m_preview->start(name, true, [this, filePath] { return applyJsonDocument(filePath); })) {
            return true;
        }
        emit errorPlainText(tr("Fehler beim Laden"));
        return false;
    case KivDocuments::Kind::Pdf:
    case KivDocuments::Kind::Unknown:
        break;
    }
    emit errorPlainText(tr("Laden fehlgeschlagen!"));
    return false;
}

void KivBackend::sendPreviewedLoad()
{
    const QList<KivWriteGate::Write> writes = m_gate->queuedWrites();
    const bool unitSystem = std::any_of(writes.cbegin(), writes.cend(), [](const KivWriteGate::Write &write) {
        return write.first <= kUnitSystem && kUnitSystem < write.first + uint(write.second.size());
    });
    if (unitSystem)
        m_commands->expectUnitSystemAck();
    // From here on as a load without preview: progress, the queued writes, then a re-read.
    setIsLoadingFromDisc(true);
    setMaximum(KivSaveAndLoad::progressMaximumFor(pendingWrites()));
    QTimer::singleShot(kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    QTimer::singleShot(2 * kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    if (m_preview->isJson())
        emit infoPlainText(tr("Werte ausgelesen und übertragen"));
}

void KivBackend::onWriteJson(QString filePath)
{
    if (!KivDocuments::write(filePath, m_registerImage, m_blocks, m_deviceInfo)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    emit writingFileSuccessfully();
}

void KivBackend::onWritePdf(QString filePath)
{
    if (!KivDocuments::write(filePath, m_registerImage, m_blocks, m_deviceInfo)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    emit writingFileSuccessfully();
}

void KivBackend::simulateDevice()
{
    bool found = false;
    m_registerImage = readRegisterText(m_simulationFile, kImageSize, &found);
    if (!found)
        qCInfo(lcKivBackend) << "no simulation data in" << m_simulationFile;
    m_deviceInfo->setTestMode(true);
    m_reads->setBlockCount(m_registerImage.at(kBlockCount));
    setMaximum(int(m_registerImage.size()));
    setProgress(0);
    auto *ticker = new QTimer(this);
    // A coarse 1 ms timer ticks far slower on a busy desktop; the bar should take about 0.6 s.
    ticker->setTimerType(Qt::PreciseTimer);
    connect(ticker, &QTimer::timeout, this, [this, ticker] {
        setProgress(progress() + kSimulationStep);
        if (progress() < m_registerImage.size())
            return;
        ticker->stop();
        ticker->deleteLater();
        manageReceivedData();
        setConnected(true);
    });
    ticker->start(kSimulationTickMs);
}

void KivBackend::dumpDeviceDataToTextFile()
{
    if (!KivFileActions::dumpToDesktop(m_registerImage))
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::printCurrentRegistersToCsv()
{
    if (!writeRegisterText(QStringLiteral("KivTestData.txt"), m_registerImage))
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::createFileAt(QString filePath)
{
    // A suffix without a writer is reported as failed rather than faked.
    if (KivDocuments::write(filePath, m_registerImage, m_blocks, m_deviceInfo)) {
        emit onSaveFileCreateAt(filePath);
        return;
    }
    qCWarning(lcKivBackend) << "cannot create" << filePath;
    emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::continueLoading(const QString &filepath)
{
    if (filepath.endsWith(QStringLiteral(".json")))
        onLoadJsonFromFilePath(filepath);
    else
        emit errorPlainText(tr("Laden fehlgeschlagen!"));
}

QString KivBackend::loadJsonString(const QString &name)
{
    if (!name.endsWith(QStringLiteral("json"), Qt::CaseInsensitive)) {
        emit errorPlainText(tr("Vorschau nur für *.json Dateien möglich."));
        return {};
    }
    QString text;
    if (!KivFileActions::readText(KivFileActions::savedFilePath(name), &text)) {
        emit errorPlainText(tr("Angebene Datei existiert nicht."));
        return {};
    }
    return text;
}

void KivBackend::retranslate()
{
    m_traffic->retranslate();
    updateChannelLabels();
    updateAvailableOutputs();
    updateLastWartung();
    updateLastKalibrierung();
}

void KivBackend::updateTlfMode()
{
    const KivTlfBlock *tlf = m_blocks->tlf();
    if (!tlf)
        return;
    const int n = tlf->channel();
    m_blocks->applyTlfSource(n >= 1 ? m_outputs->getActiveChannel(n - 1) : nullptr);
}

void KivBackend::updateChannelLabels()
{
    m_blocks->updateChannelLabels(m_activeChannels);
}

void KivBackend::newOutputSelection(int outputSelection, int newIndex)
{
    m_outputs->newOutputSelection(outputSelection, newIndex);
}

void KivBackend::changeActiveChannel(int oldBlockIndex, int activeChannelId, int newIndex)
{
    m_outputs->changeActiveChannel(oldBlockIndex, activeChannelId, newIndex);
}

QObject *KivBackend::getActiveChannel(int index)
{
    return m_outputs->getActiveChannel(index);
}

bool KivBackend::channelIsVisible(int channel)
{
    return m_blocks->channelIsVisible(channel);
}

void KivBackend::changeChannelVisibility(int channel, bool visible)
{
    m_blocks->changeChannelVisibility(channel, visible);
}

int KivBackend::activeChannelsSize()
{
    return m_outputs->activeChannelsSize();
}

void KivBackend::updateAvailableOutputs()
{
    m_outputs->updateAvailableOutputs();
}

int KivBackend::validActiveChannels()
{
    return m_outputs->validActiveChannels();
}

int KivBackend::sensorBlockCount()
{
    return m_reads->blockCount();
}

Enums::UnitDatenBlock KivBackend::unitOfChannel(int channel)
{
    return m_outputs->unitOfChannel(channel);
}

QString KivBackend::HomePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

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
