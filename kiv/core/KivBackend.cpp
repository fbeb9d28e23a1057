#include "KivBackend.h"

#include "BaseSettings.h"
#include "BootLoader.h"
#include "Functions.h"
#include "KivCfgFile.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivExpertModeContainer.h"
#include "KivLcdBlock.h"
#include "KivLoraBlock.h"
#include "KivOutputAssignment.h"
#include "KivRegisterMap.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivSaveAndLoad.h"
#include "KivTlfBlock.h"
#include "SaveLoadFilesSettings.h"
#include "KivSerialIo.h"
#include "KivSettings.h"
#include "KivShareBackend.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>
#include <QTimer>

Q_LOGGING_CATEGORY(lcKivBackend, "kiv.backend")

using namespace KivRegisterMap;

namespace {
// Request sizes: the cable link carries 100 registers per read and 50 per write; the
// Bluetooth link (connection mode 1) only 7 and 3.
constexpr uint kCableReadChunk = 100;
constexpr uint kBluetoothReadChunk = 7;
constexpr int kCableWriteSlice = 50;
constexpr int kBluetoothWriteSlice = 3;
constexpr int kCableWriteLimit = 100;
constexpr int kBluetoothWriteLimit = 7;
constexpr int kDataReadySettleMs = 100;
constexpr int kManualReadDelayMs = 100;
constexpr int kUnitPollDelayMs = 2000;
constexpr int kTestModeUnitDoneMs = 2000;
constexpr int kEepromAfterFactoryMs = 10;
constexpr int kCheckAfterFactoryMs = 100;
constexpr int kResetReloadMs = 3000;
constexpr int kReloadResetMs = 1000;
constexpr int kReloadReadMs = 1500;
constexpr int kReReadAfterLoadMs = 1000;
constexpr int kLoadProgressStepMs = 350;
constexpr int kSimulationTickMs = 1;
constexpr int kSimulationStep = 9;
constexpr int kFactoryCheckReads = 6;
constexpr int kOutputCount = 4;
constexpr int kMixSuffix = 3;
constexpr int kMixMin = 2;
constexpr int kMixMax = 3;
constexpr int kDrainWaitMs = 1500;
}

KivBackend::KivBackend(KivShareBackend *shareBackend, QObject *parent)
    : KivBackendProperty(parent)
    , m_shareBackend(shareBackend)
{
    m_deviceInfo = new KivDeviceSetup(this);
    m_outputs = new KivOutputAssignment(this, m_deviceInfo);
    connect(m_outputs, &KivOutputAssignment::activeChannelsChanged, this, [this] {
        m_activeChannels = m_outputs->activeChannels();
        emit activeChannelsChanged();
    });

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

    m_altitudeTimer = new QTimer(this);
    m_altitudeTimer->setSingleShot(true);
    m_altitudeTimer->setInterval(kAltitudeDebounceMs);
    m_pollPauseTimer = new QTimer(this);
    m_pollPauseTimer->setSingleShot(true);
    // The pause between poll cycles must never be shorter than promised to the device.
    m_pollPauseTimer->setTimerType(Qt::PreciseTimer);
    m_writeQueueTimer = new QTimer(this);
    m_writeQueueTimer->setSingleShot(true);

    connect(this, qOverload<>(&KivBackend::expectWriteFinishedSignal), this,
            [this] { emit expectWriteFinishedSignal(true); });
    connect(this, &KivBackend::doDisconnect, this, &KivBackend::resetToStart);
    connect(this, &KivBackend::allDataRead, this, &KivBackend::manageReceivedData);
    connect(this, &KivBackendProperty::activeChannelsChanged, this, &KivBackend::updateChannelLabels);
    connect(this, &KivBackend::changeUnitSystemDone, this, &KivBackend::updateChannelLabels);
    connect(m_altitudeTimer, &QTimer::timeout, this, &KivBackend::writeAltitude);
    connect(this, &KivBackendProperty::doPollChanged, this, &KivBackend::onDoPollChanged);
    connect(this, &KivBackendProperty::hoeheChanged, m_altitudeTimer, qOverload<>(&QTimer::start));
    connect(this, &KivBackendProperty::unitSystemChanged, this, &KivBackend::onUnitSystemChanged);
    connect(this, &KivBackendProperty::minVoltageChanged, this, &KivBackend::onMinVoltage);
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

    connect(m_pollPauseTimer, &QTimer::timeout, this, &KivBackend::restartPollCycle);
    connect(m_writeQueueTimer, &QTimer::timeout, this, &KivBackend::flushWriteQueue);
}

KivBackend::~KivBackend()
{
    m_pollPauseTimer->stop();
    m_writeQueueTimer->stop();
    m_altitudeTimer->stop();
    if (m_serialThread && m_serialIo && connected()) {
        // Forced relays must not stay forced once nobody watches them: restore, store, and
        // let the link drain before its thread ends. The gate opens for this last word even
        // if the live page was still polling.
        m_doPoll = false;
        m_isLoadingFromDisc = false;
        m_updateOngoing = true;
        for (int i = 0; i < 2; ++i) {
            if (m_relayForced[i])
                updateRelaisDevice(ushort(i));
            m_relayForced[i] = false;
        }
        QThread *thread = m_serialThread;
        connect(m_serialIo.data(), &KivSerialIo::allWritten, thread, &QThread::quit, Qt::DirectConnection);
        emit writeSingleRegister(kStoreCommand, kStoreValue);
        // Asked for after the last write: a drain noticed too early would end the thread
        // before the store command; one noticed too late only costs the bounded wait.
        emit expectWriteFinishedSignal(true);
        if (thread->wait(kDrainWaitMs))
            qCDebug(lcKivBackend) << "link drained before shutdown";
    }
    stopSerialThread();
    for (const QPointer<QThread> &thread : std::as_const(m_retiringThreads)) {
        if (!thread)
            continue;
        thread->quit();
        if (thread->wait(kThreadStopMs))
            delete thread.data();
        else
            qCWarning(lcKivBackend) << "serial thread did not end in time";
    }
}

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

QObject *KivBackend::serialLink() const
{
    return m_serialIo.data();
}

int KivBackend::readChunk() const
{
    return int(verbindungsMode() != 0 ? kBluetoothReadChunk : kCableReadChunk);
}

void KivBackend::connectDevice(const QString &btAdress)
{
    if (verbindungsMode() == 0) {
        const QString portName = BaseSettings::readPortName();
        if (portName.isEmpty()) {
            emit errorPlainText(tr("Kein COM-Port ausgewählt!"));
            return;
        }
        setupSerial();
        const QList<int> parameters{BaseSettings::readBaudrate(), BaseSettings::readParity(),
                                    BaseSettings::readDatabit(), BaseSettings::readStopbit(),
                                    BaseSettings::readTimeout(), BaseSettings::readRetry()};
        emit sendModbusID(BaseSettings::readDeviceID());
        emit setSerialParameter(portName, parameters);
        return;
    }
    stopSerialThread();
    emit connectToLastService(btAdress);
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

void KivBackend::setupSerial()
{
    if (m_serialThread)
        return;
    // The old link holds the port until its thread has ended; the new one could not open it.
    for (const QPointer<QThread> &old : std::as_const(m_retiringThreads)) {
        if (old && old->isRunning() && !old->wait(kThreadStopMs))
            qCWarning(lcKivBackend) << "previous serial thread still running";
    }
    m_retiringThreads.removeAll(nullptr);
    auto *link = new KivSerialIo;
    auto *thread = new QThread;
    thread->setObjectName(QStringLiteral("KivSerialIo"));
    link->moveToThread(thread);
    m_serialIo = link;
    m_serialThread = thread;

    connect(thread, &QThread::finished, link, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(this, qOverload<bool>(&KivBackend::expectWriteFinishedSignal), link,
            &KivSerialIo::setDoWriteDoneSignal, Qt::QueuedConnection);
    connect(link, &KivSerialIo::allWritten, this, &KivBackend::allWritten, Qt::QueuedConnection);
    connect(this, &KivBackend::setSerialParameter, link, &SerialIo::setParameter, Qt::QueuedConnection);
    connect(this, &KivBackend::readSingleRegister, link, &BaseSerialIo::readSingleReg, Qt::QueuedConnection);
    connect(this, &KivBackend::readMultiRegister, link, &BaseSerialIo::readMultiReg, Qt::QueuedConnection);
    connect(this, &KivBackend::readPollRegister, link, &BaseSerialIo::readPollReg, Qt::QueuedConnection);
    connect(this, &KivBackend::writeSingleRegister, link, &BaseSerialIo::writeSingleReg, Qt::QueuedConnection);
    connect(this, &KivBackend::writeMultiRegister, link, &BaseSerialIo::writeMultiReg, Qt::QueuedConnection);
    connect(this, &KivBackend::sendModbusID, link, [link](int id) { link->setModbusId(uchar(id)); },
            Qt::QueuedConnection);
    connect(this, &KivBackend::doDisconnect, link, &SerialIo::disconnectDevice, Qt::QueuedConnection);
    connect(this, &KivBackend::setOperationMode, link, &BaseSerialIo::setOperationMode, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newDataSl, this, &KivBackend::readSingle, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newDataPl, this, &KivBackend::readMultiple, Qt::QueuedConnection);
    connect(link, &KivSerialIo::newPoll, this, &KivBackend::readPoll, Qt::QueuedConnection);
    connect(link, &SerialIo::isConnected, this, &KivBackend::connectChanged, Qt::QueuedConnection);
    connect(link, &KivSerialIo::errorAsString, this, &KivBackend::serialError, Qt::QueuedConnection);

    auto *bootLoader = qobject_cast<BootLoader *>(m_bootLoader);
    connect(bootLoader, &BootLoader::writeRawString, link, &BaseSerialIo::writeRawBytes);
    connect(bootLoader, &BootLoader::writeRegs, link, &BaseSerialIo::writeMultiReg);
    connect(bootLoader, &BootLoader::readMultiReg, link, &BaseSerialIo::readMultiReg);
    connect(bootLoader, &BootLoader::bootLoaderFinished, link, &BaseSerialIo::onBootLoaderFinished);
    // The boot loader's answer slots and cable flag arrive with its upload logic; wire what exists.
    const QMetaObject *blMeta = bootLoader->metaObject();
    if (blMeta->indexOfSlot("modbusResponse(uint,QList<quint16>)") >= 0)
        connect(link, SIGNAL(responseForBootLoader(uint,QList<quint16>)), bootLoader,
                SLOT(modbusResponse(uint,QList<quint16>)), Qt::QueuedConnection);
    if (blMeta->indexOfSlot("wasWritten(uint,QList<quint16>)") >= 0)
        connect(link, SIGNAL(registerWrittenForBootLoader(uint,QList<quint16>)), bootLoader,
                SLOT(wasWritten(uint,QList<quint16>)), Qt::QueuedConnection);
    if (blMeta->indexOfProperty("cable") >= 0)
        bootLoader->setProperty("cable", true);

    thread->start();
}

void KivBackend::stopSerialThread()
{
    if (!m_serialThread)
        return;
    QThread *thread = m_serialThread;
    // Answers still on their way belong to the old link; they must not reach a new session,
    // nor may requests of a new session reach the old link.
    if (m_serialIo) {
        m_serialIo->disconnect(this);
        disconnect(this, nullptr, m_serialIo, nullptr);
        m_bootLoader->disconnect(m_serialIo);
    }
    thread->quit();
    m_retiringThreads.removeAll(nullptr);
    m_retiringThreads.append(thread);
    m_serialThread = nullptr;
    m_serialIo = nullptr;
}

void KivBackend::connectChanged(bool isConnected)
{
    setConnected(isConnected);
    if (!isConnected) {
        resetToStart();
        return;
    }
    QMetaObject::invokeMethod(this, &KivBackend::getBlocks, Qt::QueuedConnection);
}

void KivBackend::getBlocks()
{
    ++m_readGeneration;
    m_serialOperation = datenblock;
    emit setOperationMode(BluetoothIoEnums::Identification);
    emit setOpModeBluetooth(BluetoothIoEnums::Identification);
    emit readMultiRegister(kBlockCount, 2);
}

void KivBackend::getAllData()
{
    // Without a link no answer would ever come and the pages would wait for data forever.
    if (!m_serialThread) {
        qCDebug(lcKivBackend) << "full read without a link ignored";
        return;
    }
    if (doPoll()) {
        setDoPoll(false);
        m_pollWasOn = true;
    }
    m_pollPauseTimer->stop();
    ++m_readGeneration;
    setUpdateOngoing(false);
    const uint chunk = uint(readChunk());
    m_blockCalls = ModbusCallPair(m_blockCount, chunk, kBlockRegisters, kFirstBlock, kBlockStride);
    m_allCalls = ModbusCallPair(0, kGeneralAreaEnd, chunk);
    m_allCalls.append(m_blockCalls);
    setMaximum(m_allCalls.size());
    setProgress(0);
    m_serialOperation = getAllOp;
    const QList<uint> pair = m_allCalls.getPair();
    emit readMultiRegister(pair.first(), pair.last());
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
    const qsizetype size = m_registerImage.size();
    for (qsizetype i = 0; i < data.size() && qsizetype(start) + i < size; ++i)
        m_registerImage[qsizetype(start) + i] = data.at(i);
}

void KivBackend::readMultiple(uint start, const QList<quint16> &data)
{
    switch (m_serialOperation) {
    case datenblock: {
        m_serialOperation = noOp;
        m_blockCount = quint16(Functions::toUInt32(data, 0) & 0xFFFF);
        if (m_blockCount >= 1 && m_blockCount <= kMaxBlocks) {
            QMetaObject::invokeMethod(this, &KivBackend::getAllData, Qt::QueuedConnection);
        } else {
            qCInfo(lcKivBackend) << "unsupported block count" << m_blockCount;
            emit errorPlainText(tr("Das angeschlossene Gerät wird nicht unterstüzt."));
            QMetaObject::invokeMethod(this, &KivBackend::disconnectDevice, Qt::QueuedConnection);
        }
        break;
    }
    case getAllOp: {
        setProgress(progress() + 1);
        insertData(start, data);
        const QList<uint> next = m_allCalls.getNextPair();
        if (!next.isEmpty()) {
            emit readMultiRegister(next.first(), next.last());
            break;
        }
        m_serialOperation = noOp;
        if (!isPlausibleDeviceName(m_registerImage)) {
            qCInfo(lcKivBackend) << "implausible device name";
            emit errorPlainText(tr("Das angeschlossene Gerät wird nicht unterstüzt."));
            QMetaObject::invokeMethod(this, &KivBackend::disconnectDevice, Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(this, &KivBackend::manageReceivedData, Qt::QueuedConnection);
        }
        break;
    }
    case getOneBlock: {
        insertData(start, data);
        const QList<uint> next = m_oneBlockCalls.getNextPair();
        if (!next.isEmpty()) {
            emit readMultiRegister(next.first(), next.last());
            break;
        }
        m_serialOperation = noOp;
        refreshDataBlocksFromImage();
        updateChannelLabels();
        break;
    }
    case noOp:
        break;
    }
}

void KivBackend::readSingle(uint start, const QList<quint16> &data)
{
    if (m_readSingleMode != FactoryReset || data.isEmpty())
        return;
    ++m_factoryAnswers;
    if (qsizetype(start) >= m_registerImage.size() || m_registerImage.at(start) != data.first())
        m_factoryAllEqual = false;
    if (m_factoryAnswers >= kFactoryCheckReads) {
        m_readSingleMode = None;
        emit factoryResetChecked(m_factoryAllEqual);
    }
}

void KivBackend::manageReceivedData()
{
    emit setOperationMode(BluetoothIoEnums::Normal);
    emit setOpModeBluetooth(BluetoothIoEnums::Normal);
    m_deviceInfo->updateFromImage(m_registerImage);
    updateData();
    // The altitude just came from the device; echoing it back would be a write nobody asked
    // for. A loaded file takes the other path and keeps its debounced write.
    if (m_altitudeTimer)
        m_altitudeTimer->stop();
    if (m_manualRead) {
        setUpdateOngoing(true);
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
        if (connected() && (m_serialThread || testMode()))
            emit switchToPoll();
    });
}

void KivBackend::onDoPollChanged()
{
    m_pollPauseTimer->stop();
    m_blockCalls.reset();
    if (!doPoll() || m_blockCalls.isEmpty())
        return;
    // An answer still on its way continues the cycle; starting a second chain would double
    // the request rate.
    if (!m_pollInFlight)
        requestPoll(m_blockCalls.getPair());
}

void KivBackend::requestPoll(const QList<uint> &pair)
{
    if (pair.isEmpty())
        return;
    m_pollInFlight = true;
    emit readPollRegister(pair.first(), pair.last());
}

void KivBackend::readPoll(uint start, const QList<quint16> &data)
{
    m_pollInFlight = false;
    if (!m_registerImage.isEmpty())
        insertData(start, data);
    if (doPoll() && connected())
        QTimer::singleShot(0, this, &KivBackend::pollNextStep);
}

void KivBackend::pollNextStep()
{
    if (!doPoll() || m_pollInFlight)
        return;
    const QList<uint> next = m_blockCalls.getNextPair();
    if (!next.isEmpty()) {
        requestPoll(next);
        return;
    }
    refreshDataBlocksFromImage();
    if (m_unitPollPending) {
        setDoPoll(false);
        m_unitPollPending = false;
        if (connected())
            emit writeSingleRegister(kStoreCommand, kStoreValue);
        emit changeUnitSystemDone();
        return;
    }
    m_pollPauseTimer->start(kPollPauseMs);
}

void KivBackend::restartPollCycle()
{
    // The pause may end after polling was switched off or the link went away.
    if (!doPoll() || !connected() || m_pollInFlight)
        return;
    m_blockCalls.reset();
    requestPoll(m_blockCalls.getPair());
}

void KivBackend::singleWrite(uint reg, quint16 value)
{
    if (!isLoadingFromDisc()) {
        if (!connected() || !updateOngoing() || doPoll()) {
            qCDebug(lcKivBackend) << "write dropped" << reg << value;
            return;
        }
        if (qsizetype(reg) < m_registerImage.size())
            m_registerImage[reg] = value;
        emit writeSingleRegister(reg, value);
        return;
    }
    m_writeQueueTimer->start(kWriteQueueStartMs);
    if (qsizetype(reg) < m_registerImage.size() && m_registerImage.at(reg) != value)
        m_registerImage[reg] = value;
    m_pendingSingles.append({reg, value});
    updatePendingMaximum();
}

void KivBackend::multiWrite(uint start, const QList<quint16> &values)
{
    if (values.isEmpty())
        return;
    const bool queue = isLoadingFromDisc();
    if (!queue && (!connected() || !updateOngoing() || doPoll())) {
        qCDebug(lcKivBackend) << "write dropped" << start << values.size();
        return;
    }
    if (queue)
        m_writeQueueTimer->start(kWriteQueueStartMs);
    const qsizetype count = values.size();
    if (qsizetype(start) + count <= m_registerImage.size()) {
        for (qsizetype i = 0; i < count; ++i)
            m_registerImage[qsizetype(start) + i] = values.at(i);
    }
    const bool bluetooth = verbindungsMode() != 0;
    const int limit = bluetooth ? kBluetoothWriteLimit : kCableWriteLimit;
    const int slice = bluetooth ? kBluetoothWriteSlice : kCableWriteSlice;
    QList<QPair<uint, QList<quint16>>> pieces;
    if (2 * count >= limit) {
        for (qsizetype i = 0; i < count; i += slice)
            pieces.append({start + uint(i), values.mid(i, slice)});
    } else {
        pieces.append({start, values});
    }
    for (const auto &piece : std::as_const(pieces)) {
        if (queue)
            m_pendingMultis.append(piece);
        else
            emit writeMultiRegister(piece.first, piece.second);
    }
    if (queue)
        updatePendingMaximum();
}

void KivBackend::halfWrite(uint reg, uchar value, int which)
{
    if (qsizetype(reg) >= m_registerImage.size())
        return;
    const quint16 current = m_registerImage.at(reg);
    singleWrite(reg, Functions::replaceByte(current, value, which == Functions::LowByte
                                                                ? Functions::LowByte
                                                                : Functions::HighByte));
}

void KivBackend::updatePendingMaximum()
{
    setMaximum(KivSaveAndLoad::progressMaximumFor(pendingWrites()));
}

void KivBackend::flushWriteQueue()
{
    m_writeQueueTimer->stop();
    setIsLoadingFromDisc(false);
    if (!m_pendingSingles.isEmpty()) {
        const auto write = m_pendingSingles.takeFirst();
        singleWrite(write.first, write.second);
    } else if (!m_pendingMultis.isEmpty()) {
        const auto write = m_pendingMultis.takeFirst();
        // Already sliced when queued; sent as it is.
        if (connected() && updateOngoing() && !doPoll())
            emit writeMultiRegister(write.first, write.second);
    }
    progressProgressbar();
    if (m_pendingSingles.isEmpty() && m_pendingMultis.isEmpty()) {
        QTimer::singleShot(kReReadAfterLoadMs, this, [this] {
            if (testMode())
                simulateDevice();
            else if (connected() && m_serialThread)
                getAllData();
        });
        return;
    }
    m_writeQueueTimer->start(kWriteQueueStepMs);
}

void KivBackend::progressProgressbar()
{
    setProgress(qMin(progress() + 1, maximum()));
}

void KivBackend::getBlockUpdate(uint index)
{
    // Any running read owns the answers; wait for it rather than derail it.
    if (m_serialOperation != noOp) {
        QTimer::singleShot(kBlockUpdateRetryMs, this, [this, index] { getBlockUpdate(index); });
        return;
    }
    if (!m_serialThread) {
        refreshDataBlocksFromImage();
        updateChannelLabels();
        return;
    }
    m_oneBlockCalls = ModbusCallPair(index, index + kBlockUpdateRegisters, uint(readChunk()));
    const QList<uint> pair = m_oneBlockCalls.getPair();
    if (pair.isEmpty())
        return;
    m_serialOperation = getOneBlock;
    emit readMultiRegister(pair.first(), pair.last());
}

void KivBackend::allWritten()
{
    if (!m_expectWrittenAck)
        return;
    m_expectWrittenAck = false;
    QTimer::singleShot(kUnitPollDelayMs, this, [this] {
        if (!connected())
            return;
        m_unitPollPending = true;
        setDoPoll(true);
    });
}

void KivBackend::resetToStart()
{
    setTestMode(false);
    m_deviceInfo->setTestMode(false);
    m_registerImage.fill(0);
    m_serialOperation = noOp;
    m_readSingleMode = None;
    m_unitPollPending = false;
    m_expectWrittenAck = false;
    m_relayForced[0] = m_relayForced[1] = false;
    m_pollInFlight = false;
    // Writes of an interrupted file load have no device to go to any more.
    m_pollPauseTimer->stop();
    m_writeQueueTimer->stop();
    m_altitudeTimer->stop();
    m_pendingSingles.clear();
    m_pendingMultis.clear();
    setIsLoadingFromDisc(false);
    setMaximum(0);
    setProgress(0);
    stopSerialThread();

    m_outputs->clear();
    m_activeChannels.clear();
    qDeleteAll(m_dataBlocks);
    m_dataBlocks.clear();
    qDeleteAll(m_relais);
    m_relais.clear();
    for (QObject **block : {&m_tlf, &m_lcd, &m_expertBackend}) {
        if (*block)
            (*block)->deleteLater();
        *block = nullptr;
    }
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
    if (!image.isEmpty())
        createOrRefreshBlocks();
    setMinVoltage(value(kMinVoltage, -1));
    setMaxVoltage(value(kMaxVoltage, -1));
}

void KivBackend::refreshDataBlocksFromImage()
{
    for (QObject *block : std::as_const(m_dataBlocks))
        static_cast<KivDatenblock *>(block)->updateFromImage(m_registerImage);
}

void KivBackend::createOrRefreshBlocks()
{
    const QList<quint16> &image = m_registerImage;
    const Enums::TypeCircuitBoard board = m_deviceInfo->boardType();

    QList<QObject *> blocks;
    for (quint16 i = 0; i < m_blockCount && i < kMaxBlocks; ++i) {
        const uint base = kFirstBlock + kBlockStride * i;
        KivDatenblock *block = nullptr;
        for (QObject *object : std::as_const(m_dataBlocks)) {
            auto *existing = qobject_cast<KivDatenblock *>(object);
            if (existing && existing->baseRegister() == base)
                block = existing;
        }
        if (block) {
            m_dataBlocks.removeOne(block);
            block->updateFromImage(image);
        } else {
            block = createDataBlock(base, i);
        }
        if (block->type() == Enums::Invalid) {
            delete block;
            continue;
        }
        blocks.append(block);
    }
    // Blocks the device no longer reports.
    qDeleteAll(m_dataBlocks);
    m_dataBlocks = blocks;

    if (board == Enums::AP_Relais && m_relais.isEmpty()) {
        for (uint start : {kRelay1, kRelay2}) {
            auto *relay = new KivRelaisBlock(image, start, m_deviceInfo, this);
            for (auto signal : {&KivRelaisBlock::relais1Changed, &KivRelaisBlock::relais2Changed,
                                &KivRelaisBlock::relais3Changed, &KivRelaisBlock::threshold1Changed,
                                &KivRelaisBlock::threshold2Changed, &KivRelaisBlock::hysteresisChanged,
                                &KivRelaisBlock::channelChanged})
                connect(relay, signal, this, &KivBackend::multiWrite);
            m_relais.append(relay);
        }
    } else {
        for (QObject *relay : std::as_const(m_relais))
            static_cast<KivRelaisBlock *>(relay)->updateFromImage(image);
    }

    if (!m_tlf) {
        auto *tlf = new KivTlfBlock(image, KivTlfBlock::kStartRegister, m_deviceInfo, this);
        connectWrites(tlf);
        connect(tlf, &KivTlfBlock::channelChanged, this, &KivBackend::updateTlfMode, Qt::QueuedConnection);
        connect(tlf, &KivTlfBlock::modelChanged, this, &KivBackend::updateTlfMode, Qt::QueuedConnection);
        m_tlf = tlf;
    } else {
        static_cast<KivTlfBlock *>(m_tlf)->updateFromImage(image);
    }

    if (board == Enums::AP_Modbus || board == Enums::AP_BACnet) {
        QList<Enums::TypeDatenblock> types;
        for (QObject *block : std::as_const(m_dataBlocks))
            types.append(static_cast<KivDatenblock *>(block)->type());
        if (!m_rs485) {
            auto *rs485 = new KivRs485(image, KivRs485::kStartRegister, types, this);
            connect(rs485, &KivRs485::writeSingleRegister, this, &KivBackend::singleWrite);
            connect(rs485, &KivRs485::writeMultipleRegister, this, &KivBackend::multiWrite);
            m_rs485 = rs485;
        } else {
            static_cast<KivRs485 *>(m_rs485)->updateFromImage(image);
        }
        static_cast<KivRs485 *>(m_rs485)->setIsBacNet(board == Enums::AP_BACnet);
    }

    if (!m_lcd) {
        auto *lcd = new KivLcdBlock(image, KivLcdBlock::kStartRegister, this);
        connectWrites(lcd);
        connect(lcd, &KivLcdBlock::hasLcd, this, &KivBackend::isLcd);
        connect(m_deviceInfo, &KivDeviceSetup::hasLcdReferenceChanged, lcd,
                &KivLcdBlock::setIsAvailaAbleReferenceCheck);
        lcd->setIsAvailaAbleReferenceCheck(m_deviceInfo->deviceName().contains(QStringLiteral("LCD")));
        m_lcd = lcd;
        emit isLcd(lcd->hasDisplay());
    } else {
        static_cast<KivLcdBlock *>(m_lcd)->updateFromImage(image);
    }

    if (!m_lora) {
        auto *lora = new KivLoraBlock(this);
        connect(lora, &BaseContainer::writeSingleRegister, this, &KivBackend::singleWrite);
        connect(lora, &BaseContainer::writeMultipleRegister, this, &KivBackend::multiWrite);
        m_lora = lora;
    }
    static_cast<KivLoraBlock *>(m_lora)->setData(image);

    if (!m_expertBackend) {
        auto *expert = new KivExpertModeContainer(this);
        connect(expert, &BaseContainer::writeSingleRegister, this, &KivBackend::singleWrite);
        connect(expert, &BaseContainer::writeMultipleRegister, this, &KivBackend::multiWrite);
        m_expertBackend = expert;
    }
    auto *expert = static_cast<KivExpertModeContainer *>(m_expertBackend);
    expert->setData(image);
    bool co2 = false;
    bool voc = false;
    for (QObject *object : std::as_const(m_dataBlocks)) {
        auto *block = static_cast<KivDatenblock *>(object);
        if (block->type() == Enums::CO2) {
            expert->setCo2Block(block);
            co2 = true;
        } else if (block->type() == Enums::VOC) {
            expert->setVocBlock(block);
            voc = true;
        }
    }

    m_outputs->updateAvailableOutputs();
    emit dataBlocksChanged();
    emit hasCo2(co2);
    emit hasVoc(voc);
}

KivDatenblock *KivBackend::createDataBlock(uint base, int index)
{
    auto *block = new KivDatenblock(m_registerImage, base, index, m_deviceInfo, this);
    connect(block, &KivDatenblock::writeMultipleRegisters, this, &KivBackend::multiWrite);
    connect(block, &KivDatenblock::writeSingleRegister, this, &KivBackend::singleWrite);
    connect(block, &KivDatenblock::updateThisBlock, this, &KivBackend::getBlockUpdate, Qt::QueuedConnection);
    connect(block, &KivDatenblockProperties::lowerRangeChanged, this, &KivBackend::updateTlfMode,
            Qt::QueuedConnection);
    connect(block, &KivDatenblockProperties::upperRangeChanged, this, &KivBackend::updateTlfMode,
            Qt::QueuedConnection);
    connect(this, &KivBackendProperty::minVoltageChanged, block, &KivDatenblock::setLowerVoltage);
    connect(this, &KivBackendProperty::maxVoltageChanged, block, &KivDatenblock::setUpperVoltage);
    connect(this, &KivBackendProperty::unitSystemChanged, block, &KivDatenblock::updateUnitSystem);
    block->setUnitSystem(unitSystem());
    block->setLowerVoltage(minVoltage());
    block->setUpperVoltage(maxVoltage());
    return block;
}

template<typename Block>
void KivBackend::connectWrites(Block *block)
{
    connect(block, &Block::writeHalfRegister, this,
            [this](uint reg, uchar value, Functions::Byte which) { halfWrite(reg, value, int(which)); });
    connect(block, &Block::writeSingleRegister, this, &KivBackend::singleWrite);
    connect(block, &Block::writeMultipleRegister, this, &KivBackend::multiWrite);
}

void KivBackend::writeUInt32(uint reg, quint32 value)
{
    multiWrite(reg, Functions::fromUInt32(value));
}

void KivBackend::writeAltitude()
{
    if (updateOngoing() && m_registerImage.size() > int(kAltitude) + 1)
        writeUInt32(kAltitude, quint32(hoehe()));
}

void KivBackend::updateUnitByApp(int unit)
{
    emit changeUnitSystemStart();
    setUnitSystem(unit);
}

void KivBackend::onUnitSystemChanged()
{
    // Only a write that leaves (now or from the load queue) can be acknowledged; a value taken
    // over from a read or a reset is not one.
    const bool gateOpen = isLoadingFromDisc() || (connected() && !doPoll());
    if (updateOngoing() && gateOpen && m_registerImage.size() > int(kUnitSystem)) {
        emit expectWriteFinishedSignal(true);
        writeUInt32(kUnitSystem, quint32(unitSystem()));
        m_expectWrittenAck = true;
    }
    if (testMode())
        QTimer::singleShot(kTestModeUnitDoneMs, this, &KivBackend::changeUnitSystemDone);
}

void KivBackend::onUnit()
{
    if (updateOngoing() && m_registerImage.size() > int(kUnitSystem) + 1)
        writeUInt32(kUnitSystem, quint32(unitSystem()));
}

void KivBackend::onMinVoltage()
{
    if (updateOngoing())
        writeUInt32(kMinVoltage, quint32(minVoltage()));
}

void KivBackend::onMaxVoltage()
{
    if (updateOngoing())
        writeUInt32(kMaxVoltage, quint32(maxVoltage()));
    const QString max = QString::number(maxVoltage());
    setVoltageRange({QStringLiteral("0 - %1 [V]").arg(max), QStringLiteral("1 - %1 [V]").arg(max),
                     QStringLiteral("2 - %1 [V]").arg(max)});
}

QString KivBackend::calculateDates(int interval, int hoursTo)
{
    QString result = tr("Ungültiges Datum");
    if (interval < 1)
        return result;
    const qint64 total = qint64(interval) * kHoursPerMonth;
    if (total >= hoursTo)
        result = QDateTime::currentDateTime().addSecs(-(total - hoursTo) * 3600).toString(QStringLiteral("dd.MM.yyyy"));
    return result;
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
    if (type != 0 && type != 1)
        return;
    const int hours = intervall * kHoursPerMonth;
    writeUInt32(kMaintenanceInterval + 2 * uint(type), quint32(intervall));
    writeUInt32(kHoursToMaintenance + 2 * uint(type), quint32(hours));
    if (type == 0) {
        setSecToWartung(hours);
        setIntervalWartung(intervall);
    } else {
        setSecToKalibrierung(hours);
        setIntervalKalibrierung(intervall);
    }
}

void KivBackend::writeFResetRegs(const QString &HWMotherboard, const QString &SerialNumber)
{
    QString hex;
    for (const QString &part : HWMotherboard.split(QLatin1Char('.')))
        hex += part.size() == 1 ? QLatin1Char('0') + part : part;
    bool ok = false;
    const quint32 hardware = hex.toUInt(&ok, 16);
    if (!ok)
        qCWarning(lcKivBackend) << "hardware version is not a version:" << HWMotherboard;
    writeUInt32(kSerialNumber, SerialNumber.toUInt());
    writeUInt32(kHardwareVersion, hardware);
    writeUInt32(kFactoryDate, QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toUInt());
    setFactoryReset(false);
}

void KivBackend::factoryResetOngoing()
{
    if (factoryReset()) {
        writeUInt32(kResetCommand, kFactoryResetValue);
        return;
    }
    QTimer::singleShot(kEepromAfterFactoryMs, this, &KivBackend::forceEepromWrite);
    QTimer::singleShot(kCheckAfterFactoryMs, this, &KivBackend::checkFResetRegs);
}

void KivBackend::checkFResetRegs()
{
    m_readSingleMode = FactoryReset;
    m_factoryAnswers = 0;
    m_factoryAllEqual = true;
    for (uint reg : {kSerialNumber, kSerialNumber + 1, kFactoryDate, kFactoryDate + 1, kHardwareVersion,
                     kHardwareVersion + 1})
        emit readSingleRegister(reg);
}

void KivBackend::forceEepromWrite()
{
    if (connected())
        singleWrite(kStoreCommand, kStoreValue);
}

void KivBackend::forceDeviceReset()
{
    if (connected())
        singleWrite(kResetCommand, kRestartValue);
    QTimer::singleShot(kResetReloadMs, this, &KivBackend::forceReloadAllData);
}

void KivBackend::forceReloadAllData()
{
    QTimer::singleShot(kReloadResetMs, this, [this] {
        const bool wasLinked = connected() && m_serialThread;
        resetToStart();
        // The reset ends the link; a device that was connected is opened and read again
        // instead of leaving the read to a link that no longer exists.
        QTimer::singleShot(kReloadReadMs - kReloadResetMs, this, [this, wasLinked] {
            if (m_serialThread)
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

void KivBackend::forceRelais(int index, quint32 switchValue)
{
    if (index < 0 || index > 1 || index >= m_relais.size())
        return;
    QObject *relay = m_relais.at(index);
    const uint base = index == 0 ? kRelay1 : kRelay2;
    QList<quint16> values;
    uint start = base + kRelayThresholds;
    if (static_cast<KivRelaisBlock *>(relay)->channel() == 0) {
        values += Functions::fromUInt32(1);
        start = base;
    }
    for (int i = 0; i < 3; ++i)
        values += Functions::fromUInt32(switchValue);
    multiWrite(start, values);
    m_relayForced[index] = true;
    writeUInt32(base + kRelayHysteresis, 0);
}

void KivBackend::forceRelaisOn(int index)
{
    forceRelais(index, 0);
}

void KivBackend::forceRelaisOff(int index)
{
    forceRelais(index, 1);
}

void KivBackend::updateRelaisDevice(ushort index)
{
    if (index > 1 || index >= m_relais.size())
        return;
    QObject *relay = m_relais.at(index);
    const uint base = index == 0 ? kRelay1 : kRelay2;
    if (static_cast<KivRelaisBlock *>(relay)->channel() == 0) {
        writeUInt32(base, 0);
        return;
    }
    const auto *block = static_cast<KivRelaisBlock *>(relay);
    QList<quint16> values;
    for (qint32 state : {block->relaisState1(), block->relaisState2(), block->relaisState3()})
        values += Functions::fromUInt32(quint32(state));
    multiWrite(base + kRelayThresholds, values);
    writeUInt32(base + kRelayHysteresis, quint32(block->hysteresis()));
}

void KivBackend::resetForcedRelais(int index)
{
    if (index == -1) {
        for (int i = 0; i < 2; ++i) {
            if (m_relayForced[i])
                updateRelaisDevice(ushort(i));
            m_relayForced[i] = false;
        }
    } else if (index == 0 || index == 1) {
        if (m_relayForced[index])
            updateRelaisDevice(ushort(index));
        m_relayForced[index] = false;
    }
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
    m_writeQueueTimer->start(kWriteQueueStartMs);
}

void KivBackend::onLoadJsonFromFilePath(QString filePath)
{
    Q_UNUSED(filePath)
    emit errorPlainText(tr("Fehler beim Laden"));
}

void KivBackend::onWriteJson(QString filePath)
{
    Q_UNUSED(filePath)
    emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::onWritePdf(QString filePath)
{
    Q_UNUSED(filePath)
    emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::simulateDevice()
{
    QList<quint16> image(kImageSize, 0);
    QFile file(m_simulationFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        qsizetype reg = 0;
        while (!in.atEnd() && reg < image.size()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty())
                continue;
            image[reg++] = line.toUShort();
        }
    } else {
        qCInfo(lcKivBackend) << "no simulation data in" << m_simulationFile;
    }
    m_registerImage = image;
    m_deviceInfo->setTestMode(true);
    m_blockCount = m_registerImage.at(kBlockCount);
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
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // A fresh account may have no desktop folder yet.
    QDir().mkpath(folder);
    const QString name = QStringLiteral("DeviceData") + QDateTime::currentDateTime().toString(Qt::TextDate)
                         + QStringLiteral(".txt");
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    QTextStream out(&file);
    for (quint16 value : std::as_const(m_registerImage))
        out << value << '\n';
}

void KivBackend::printCurrentRegistersToCsv()
{
    QFile file(QStringLiteral("KivTestData.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    QTextStream out(&file);
    for (quint16 value : std::as_const(m_registerImage))
        out << value << '\n';
}

void KivBackend::createFileAt(QString filePath)
{
    // Only the register-image writer is part of this library; JSON and PDF documents come from
    // their own writers, and without one the save is reported as failed rather than faked.
    if (filePath.endsWith(QStringLiteral(".cfg")) && writeCfgFile(filePath, m_registerImage)) {
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
    QString path;
    for (const QStringList &entry : SaveLoadFiles::Settings::readSavedFiles()) {
        if (entry.value(SaveLoadFiles::Settings::NameField) != name)
            continue;
        path = entry.value(SaveLoadFiles::Settings::PathField);
        if (!QFileInfo::exists(path)) {
            const auto location = QStandardPaths::StandardLocation(
                entry.value(SaveLoadFiles::Settings::LocationField).toInt());
            path = QStandardPaths::writableLocation(location) + QLatin1Char('/') + name;
        }
        break;
    }
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        emit errorPlainText(tr("Angebene Datei existiert nicht."));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void KivBackend::retranslate()
{
    updateChannelLabels();
    updateAvailableOutputs();
    updateLastWartung();
    updateLastKalibrierung();
}

void KivBackend::updateTlfMode()
{
    auto *tlf = qobject_cast<KivTlfBlock *>(m_tlf);
    if (!tlf)
        return;
    const int n = tlf->channel();
    auto *source = n >= 1 ? qobject_cast<KivDatenblock *>(m_outputs->getActiveChannel(n - 1)) : nullptr;
    if (!source) {
        tlf->setChannel(0);
        return;
    }
    tlf->setMin(source->lowerRange());
    tlf->setMax(source->upperRange());
}

void KivBackend::updateChannelLabels()
{
    if (auto *tlf = qobject_cast<KivTlfBlock *>(m_tlf))
        tlf->setModel(channelLabels());
}

QStringList KivBackend::channelLabels() const
{
    QStringList labels{tr("Keine Auswahl")};
    for (QObject *channel : m_activeChannels) {
        if (!channel || !channel->property("isValid").toBool())
            continue;
        const auto type = Enums::TypeDatenblock(channel->property("type").toInt());
        const auto unit = Enums::UnitDatenBlock(channel->property("unit").toInt());
        const int multi = channel->property("multiSuffix").toInt();
        QString label = typeToString(type);
        if (multi == 1 || multi == 2)
            label += QLatin1Char(' ') + QString::number(multi);
        else if (multi == kMixSuffix)
            label += QLatin1Char(' ') + tr("mix");
        if (multi == kMixSuffix) {
            const int variant = channel->property("parameter0").toInt();
            if (variant == kMixMin)
                label += QLatin1Char(' ') + tr("min");
            else if (variant == kMixMax)
                label += QLatin1Char(' ') + tr("max");
        }
        labels.append(label + QStringLiteral(" (") + unitToString(unit) + QLatin1Char(')'));
    }
    return labels;
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
    if (!m_lcd || channel < 1 || channel > kOutputCount)
        return false;
    return m_lcd->property(QStringLiteral("showChannel%1").arg(channel).toLatin1().constData()).toUInt() != 0;
}

void KivBackend::changeChannelVisibility(int channel, bool visible)
{
    if (!m_lcd || channel < 1 || channel > kOutputCount)
        return;
    m_lcd->setProperty(QStringLiteral("showChannel%1").arg(channel).toLatin1().constData(), visible ? 1 : 0);
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
    return m_blockCount;
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
