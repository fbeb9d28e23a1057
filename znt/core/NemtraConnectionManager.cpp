#include "NemtraConnectionManager.h"

#include "NemtraDeviceSetup.h"
#include "NemtraPropertyFile.h"
#include "NemtraTransferRecorder.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

Q_LOGGING_CATEGORY(lcNemtraConnection, "znt.connection")

namespace {
// Container ranges and every live request stay small: some blocks only answer eight at a time.
constexpr uint kNarrowChunk = 8;
constexpr uint kWideChunk = 100;
constexpr uint kChannelBase = 0x8000;
constexpr uint kChannelStride = 0x1000;
constexpr uint kBlockRegisters = 16;
// Types 0..126 can be announced by the setup block.
constexpr int kLastBlockType = 126;
constexpr int kKeepAliveCount = 8;
} // namespace

NemtraConnectionManager::NemtraConnectionManager(QObject *parent)
    : ConnectionManagerBase(parent)
    , m_pollTimer(new QTimer(this))
    , m_rangeProvider([](RangeKind kind) {
        return kind == RangeKind::Container ? NemtraPropertyFile::containerRanges()
                                            : NemtraPropertyFile::channelRanges();
    })
{
    qRegisterMetaType<NemtraConnectionManager::TaskMode>("NemtraConnectionManager::TaskMode");
    m_pollTimer->setSingleShot(true);
    m_pollTimer->setInterval(kPollIntervalMs);
    connect(this, &ConnectionManagerBase::connectedChanged, this, &NemtraConnectionManager::onConnected);
    connect(m_pollTimer, &QTimer::timeout, this, &NemtraConnectionManager::readPollData);
    m_recorder = new NemtraTransferRecorder(this, this);
    connect(m_recorder, &NemtraTransferRecorder::requestRecorded, this, &NemtraConnectionManager::sendMessage);
    connect(m_recorder, &NemtraTransferRecorder::answerRecorded, this, &NemtraConnectionManager::receivedMessage);
}

NemtraConnectionManager::~NemtraConnectionManager() = default;

void NemtraConnectionManager::setRangeProvider(RangeProvider provider)
{
    m_rangeProvider = std::move(provider);
}

QList<NemtraConnectionManager::Range> NemtraConnectionManager::ranges(RangeKind kind) const
{
    return m_rangeProvider ? m_rangeProvider(kind) : QList<Range>();
}

bool NemtraConnectionManager::pollTimerActive() const
{
    return m_pollTimer->isActive();
}

int NemtraConnectionManager::wideChunk() const
{
    return connectionType() == RadioBridge ? int(kNarrowChunk) : int(kWideChunk);
}

void NemtraConnectionManager::queueStep(const char *slot)
{
    QMetaObject::invokeMethod(this, slot, Qt::QueuedConnection);
}

void NemtraConnectionManager::setCurrentTask(TaskMode task)
{
    if (m_currentTask == task)
        return;
    m_currentTask = task;
    emit currentTaskChanged(task);
    if (task == NothingToDo && m_writeQueue.isEmpty() && m_singleReadQueue.isEmpty() && connected()) {
        setCurrentTask(Polling);
        startPollTimer();
    }
}

void NemtraConnectionManager::setProgressMax(int progressMax)
{
    if (m_progressMax == progressMax)
        return;
    m_progressMax = progressMax;
    emit progressMaxChanged(progressMax);
}

void NemtraConnectionManager::setProgressValue(int progressValue)
{
    if (m_progressValue == progressValue)
        return;
    m_progressValue = progressValue;
    emit progressValueChanged(progressValue);
}

void NemtraConnectionManager::setDoSimulation(bool doSimulation)
{
    if (m_doSimulation == doSimulation)
        return;
    m_doSimulation = doSimulation;
    emit doSimulationChanged(doSimulation);
}

void NemtraConnectionManager::setValuesModified(bool valuesModified)
{
    if (m_valuesModified == valuesModified)
        return;
    m_valuesModified = valuesModified;
    emit valuesModifiedChanged(valuesModified);
}

void NemtraConnectionManager::startPollTimer()
{
    m_pollTimer->start(kPollIntervalMs);
}

void NemtraConnectionManager::sendRead(const QList<uint> &pair)
{
    if (pair.size() < 2)
        return;
    m_lastReadStart = pair.first();
    m_lastReadCount = pair.last();
    readMultiRegister(pair.first(), pair.last());
}

void NemtraConnectionManager::sendSingleRead(uint reg)
{
    m_lastReadStart = reg;
    m_lastReadCount = 1;
    readSingleRegister(reg);
}

void NemtraConnectionManager::clearPending()
{
    // Nothing queued for one device may reach the next one connected on this manager.
    m_pollTimer->stop();
    m_writeQueue.clear();
    m_singleReadQueue.clear();
    m_unreadRegisters = 0;
}

void NemtraConnectionManager::onConnected()
{
    if (connected()) {
        m_pollTimer->stop();
        setCurrentTask(IdTheDevice);
        sendSingleRead(kIdentificationRegister);
        return;
    }
    clearPending();
    setCurrentTask(NothingToDo);
    setValuesModified(false);
}

void NemtraConnectionManager::createDeviceSetupQueue()
{
    m_rangeList = ranges(RangeKind::Container);
    m_deviceSetupQueue.clear();
    if (!m_rangeList.isEmpty()) {
        const Range setup = m_rangeList.first();
        m_deviceSetupQueue.append(setup.first, setup.second + 1, uint(wideChunk()));
    }
    m_deviceSetupWords.clear();
    setCurrentTask(IdDeviceSetup);
    if (m_deviceSetupQueue.isEmpty()) {
        // Without a setup block there is nothing to announce channels: read the containers only.
        queueStep("createGetAllQueue");
        return;
    }
    sendRead(m_deviceSetupQueue.getPair());
}

void NemtraConnectionManager::processDeviceSetupQueue()
{
    if (m_currentTask != IdDeviceSetup)
        return;
    sendRead(m_deviceSetupQueue.getNextPair());
}

void NemtraConnectionManager::createGetAllQueue()
{
    m_getAllQueue.clear();
    if (m_rangeList.isEmpty())
        m_rangeList = ranges(RangeKind::Container);
    for (const Range &range : std::as_const(m_rangeList))
        m_getAllQueue.append(range.first, range.second + 1, kNarrowChunk);

    NemtraDeviceSetup setup;
    // A whole image, should one arrive here, is decoded from its first words.
    setup.setBaseRegister(0);
    setup.decodeChannels(m_deviceSetupWords);
    for (int channel = 1; channel <= NemtraDeviceSetup::ChannelCount; ++channel) {
        if (!setup.channelHasAny(channel))
            continue;
        for (int k = 0; k <= kLastBlockType; ++k) {
            if (!setup.hasBlock(channel, k))
                continue;
            const uint start = kChannelBase + uint(channel - 1) * kChannelStride + uint(k) * kBlockRegisters;
            m_getAllQueue.append(start, start + kBlockRegisters, uint(wideChunk()));
        }
    }
    initGetAllData();
}

void NemtraConnectionManager::initGetAllData()
{
    m_getAllQueue.reset();
    m_unreadRegisters = 0;
    setProgressMax(m_getAllQueue.size());
    setProgressValue(0);
    setCurrentTask(GetAllData);
    if (m_getAllQueue.isEmpty()) {
        finishGetAll();
        return;
    }
    sendRead(m_getAllQueue.getPair());
}

void NemtraConnectionManager::processGetAllQueue()
{
    if (m_currentTask != GetAllData)
        return;
    const QList<uint> pair = m_getAllQueue.getNextPair();
    setProgressValue(m_getAllQueue.position());
    sendRead(pair);
}

void NemtraConnectionManager::finishGetAll()
{
    setDeviceToNormal();
    reportUnreadRegisters();
    emit allDataReceived();
    setProgressValue(m_progressMax);
    setCurrentTask(Polling);
    queueStep("readPollData");
}

void NemtraConnectionManager::reportUnreadRegisters()
{
    // What was read is still handed on, but a full read with gaps is never reported as complete.
    if (m_unreadRegisters > 0) {
        emit errorPlainText(tr("Das Gerät konnte nicht vollständig gelesen werden: %n Register wurden nicht geliefert.",
                               nullptr, m_unreadRegisters));
    }
    m_unreadRegisters = 0;
}

void NemtraConnectionManager::updateAllData()
{
    if (!m_getAllQueue.isEmpty())
        initGetAllData();
    else
        createGetAllQueue();
}

void NemtraConnectionManager::readPollData()
{
    if (m_currentTask != Polling)
        return;
    if (!m_writeQueue.isEmpty()) {
        setCurrentTask(WriteWithCheck);
        const WriteRequest request = m_writeQueue.takeFirst();
        if (request.words.size() == 1)
            writeSingleRegister(request.start, request.words.first());
        else
            writeMultiRegister(request.start, request.words);
        return;
    }
    if (!m_singleReadQueue.isEmpty()) {
        setCurrentTask(ReadData);
        sendSingleRead(m_singleReadQueue.takeFirst());
        return;
    }
    if (connectionType() == RadioBridge) {
        sendRead({0, uint(kKeepAliveCount)});
        return;
    }
    startLiveCycle();
}

void NemtraConnectionManager::initPollData()
{
    m_liveQueue.reset();
    setCurrentTask(LiveValues);
    if (m_liveQueue.isEmpty()) {
        // Nothing to poll: wait for the timer rather than spinning through empty cycles.
        setCurrentTask(Polling);
        startPollTimer();
        return;
    }
    sendRead(m_liveQueue.getPair());
}

void NemtraConnectionManager::processPollQueue()
{
    if (m_currentTask != LiveValues)
        return;
    sendRead(m_liveQueue.getNextPair());
}

void NemtraConnectionManager::requestLiveData()
{
    startLiveCycle();
}

void NemtraConnectionManager::startLiveCycle()
{
    setCurrentTask(LiveValues);
    m_rangeList = ranges(RangeKind::Channel);
    m_liveQueue.clear();
    for (const Range &range : std::as_const(m_rangeList))
        m_liveQueue.append(range.first, range.second + 1, kNarrowChunk);
    queueStep("initPollData");
}

void NemtraConnectionManager::continuePolling()
{
    if (!m_writeQueue.isEmpty())
        readPollData();
    else
        startPollTimer();
}

void NemtraConnectionManager::onLiveReply()
{
    if (m_liveQueue.hasNextPair()) {
        queueStep("processPollQueue");
        return;
    }
    emit allLiveDataReceived();
    setCurrentTask(Polling);
    queueStep("readPollData");
}

void NemtraConnectionManager::onGetAllReply(uint start)
{
    if (m_getAllQueue.hasNextPair()) {
        queueStep("processGetAllQueue");
        return;
    }
    const QList<uint> current = m_getAllQueue.getPair();
    // An answer of an extra read sent during the full read must not end it early.
    if (current.isEmpty() || current.first() != start)
        return;
    finishGetAll();
}

void NemtraConnectionManager::onDataReceived(uint start, QList<quint16> words)
{
    switch (m_currentTask) {
    case IdTheDevice:
        if (!words.isEmpty() && words.first() == kSupportedDeviceMark) {
            setConnected(true);
            queueStep("createDeviceSetupQueue");
        } else {
            emit errorPlainText(tr("Nicht unterstützer Gerätetyp erkannt!"));
            doDisconnect();
            setCurrentTask(NothingToDo);
        }
        break;
    case IdDeviceSetup:
        m_deviceSetupWords += words;
        if (m_deviceSetupQueue.hasNextPair())
            queueStep("processDeviceSetupQueue");
        else
            queueStep("createGetAllQueue");
        break;
    case GetAllData:
        onGetAllReply(start);
        break;
    case LiveValues:
        onLiveReply();
        break;
    case Polling:
        continuePolling();
        break;
    case ReadData:
        if (!m_singleReadQueue.isEmpty()) {
            sendSingleRead(m_singleReadQueue.takeFirst());
            break;
        }
        setCurrentTask(Polling);
        continuePolling();
        break;
    case WriteWithCheck:
        setCurrentTask(Polling);
        if (!m_writeQueue.isEmpty()) {
            readPollData();
        } else {
            startPollTimer();
            emit allDataWritten();
        }
        break;
    case NothingToDo:
    case WriteWithoutCheck:
    case DebugMode:
        setCurrentTask(NothingToDo);
        break;
    }
}

void NemtraConnectionManager::onRegisterWritten(uint reg)
{
    if (m_currentTask != WriteWithCheck)
        return;
    QTimer::singleShot(kReadBackDelayMs, this, [this, reg] {
        if (m_currentTask == WriteWithCheck)
            sendSingleRead(reg);
    });
}

void NemtraConnectionManager::onReadRetry()
{
    if (m_currentTask != GetAllData) {
        onRefusedOutsideFullRead();
        return;
    }
    const int before = m_getAllQueue.size();
    const QList<uint> refused = m_getAllQueue.getPair();
    const bool left = m_getAllQueue.split();
    if (m_getAllQueue.size() < before && !refused.isEmpty())
        m_unreadRegisters += int(refused.last());
    setProgressMax(m_getAllQueue.size());
    if (!left) {
        setDeviceToNormal();
        reportUnreadRegisters();
        emit allDataReceived();
        setCurrentTask(NothingToDo);
        return;
    }
    QTimer::singleShot(kRetryDelayMs, this, [this] {
        if (m_currentTask == GetAllData)
            sendRead(m_getAllQueue.getPair());
    });
}

void NemtraConnectionManager::onRefusedOutsideFullRead()
{
    const QString text = tr("Das Gerät hat das Lesen von Register %1 abgelehnt.").arg(m_lastReadStart);
    qCWarning(lcNemtraConnection) << "read refused in task" << m_currentTask << "at" << m_lastReadStart
                                  << m_lastReadCount;
    switch (m_currentTask) {
    case IdTheDevice:
    case IdDeviceSetup:
        // Without identification and setup block the device cannot be served.
        emit errorPlainText(text);
        doDisconnect();
        setCurrentTask(NothingToDo);
        return;
    case LiveValues:
        // A live block the device refuses is skipped; the cycle goes on.
        onLiveReply();
        return;
    case ReadData:
    case WriteWithCheck:
    case Polling:
        emit errorPlainText(text);
        onDataReceived(m_lastReadStart, {});
        return;
    case NothingToDo:
    case GetAllData:
    case WriteWithoutCheck:
    case DebugMode:
        setCurrentTask(NothingToDo);
        return;
    }
}

void NemtraConnectionManager::enqueueWrite(uint start, const QList<quint16> &words)
{
    setValuesModified(true);
    if (!connected() || m_doSimulation)
        return;
    m_writeQueue.append({start, words, int(words.size())});
    if (m_currentTask == Polling && m_pollTimer->isActive()) {
        m_pollTimer->stop();
        readPollData();
    }
}

void NemtraConnectionManager::attemptToWriteSingle(uint start, ushort value)
{
    enqueueWrite(start, {quint16(value)});
}

void NemtraConnectionManager::attemptToWriteMulti(uint start, QList<quint16> data)
{
    // The containers are refreshed from a full read now; a block write would race it.
    if (m_currentTask == GetAllData || m_currentTask == IdTheDevice || m_currentTask == IdDeviceSetup)
        return;
    if (data.isEmpty())
        return;
    enqueueWrite(start, data);
}

void NemtraConnectionManager::attemptToReadSingle(ushort regValue)
{
    if (!connected() || m_doSimulation)
        return;
    m_singleReadQueue.append(regValue);
    if (m_currentTask == Polling) {
        if (m_pollTimer->isActive()) {
            m_pollTimer->stop();
            readPollData();
        }
    } else {
        sendSingleRead(regValue);
    }
    m_getAllQueue.appendUnique(regValue, uint(regValue) + 1, uint(wideChunk()));
}

void NemtraConnectionManager::onSaveCommand()
{
    setValuesModified(false);
}

void NemtraConnectionManager::onIdleEntered()
{
    if (!m_writeQueue.isEmpty() || !m_singleReadQueue.isEmpty() || !connected())
        return;
    setCurrentTask(Polling);
    startPollTimer();
}
