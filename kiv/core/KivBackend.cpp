#include "KivBackend.h"
#include "KivBackendLogging.h"

#include "BaseSettings.h"
#include "BootLoader.h"
#include "Functions.h"
#include "KivBlockSet.h"
#include "KivDatenblock.h"
#include "KivDeviceCommands.h"
#include "KivDeviceSetup.h"
#include "KivExpertModeContainer.h"
#include "KivLcdBlock.h"
#include "KivLoadPreview.h"
#include "KivLoraBlock.h"
#include "KivOutputAssignment.h"
#include "KivPoller.h"
#include "KivReadSequencer.h"
#include "KivReconnect.h"
#include "KivRegisterMap.h"
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
constexpr int kReReadAfterLoadMs = 1000;

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
